#include "menu.h"

#include <map>
#include <memory>

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (!hMenu) return nullptr;
  static std::map<HMENU, std::unique_ptr<CMenu>> wrappers;
  std::unique_ptr<CMenu>& wrapper = wrappers[hMenu];
  if (!wrapper) wrapper = std::make_unique<CMenu>(hMenu);
  return wrapper.get();
}
