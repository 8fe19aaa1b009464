#include "ui_seam.h"

#include <deque>
#include <map>
#include <utility>

#include "dialog.h"
#include "ui_seam_hooks.h"

namespace {

struct Seam {
  MessageBoxObserver messageBoxObserver;
  std::map<UINT, DialogScript> dialogScripts;
  std::deque<std::function<void()>> idleActions;
};

Seam& seam() {
  static Seam instance;
  return instance;
}

}  // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  if (seam().messageBoxObserver) return seam().messageBoxObserver(owner, text, caption, type);
  return ::MessageBoxA(owner, text, caption, type);
}

MessageBoxObserver SetMessageBoxObserver(MessageBoxObserver observer) {
  return std::exchange(seam().messageBoxObserver, std::move(observer));
}

void SetDialogScript(UINT templateId, DialogScript script) {
  if (script) {
    seam().dialogScripts[templateId] = std::move(script);
  } else {
    seam().dialogScripts.erase(templateId);
  }
}

void ClearDialogScripts() {
  seam().dialogScripts.clear();
}

void RunWhenIdle(std::function<void()> action) {
  seam().idleActions.push_back(std::move(action));
}

void ClearIdleActions() {
  seam().idleActions.clear();
}

void RunDialogScript(CDialog& dialog) {
  auto found = seam().dialogScripts.find(dialog.GetTemplateId());
  if (found == seam().dialogScripts.end()) return;
  // A copy: the script may replace itself.
  DialogScript script = found->second;
  script(dialog);
}

bool RunNextIdleAction() {
  if (seam().idleActions.empty()) return false;
  std::function<void()> action = std::move(seam().idleActions.front());
  seam().idleActions.pop_front();
  action();
  return true;
}
