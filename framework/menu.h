#pragma once
// CMenu: a menu handle that the object does not own.

#include "win32_headers.h"

class CMenu {
 public:
  explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // A wrapper of `hMenu` that lives as long as the process (menus of the system are shared,
  // so one wrapper per handle is enough); nullptr for a null handle.
  static CMenu* FromHandle(HMENU hMenu);

  HMENU m_hMenu = nullptr;

  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const char* text = nullptr) {
    return ::AppendMenuA(m_hMenu, flags, idNewItem, text);
  }
  int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
};
