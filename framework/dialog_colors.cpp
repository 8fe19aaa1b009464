#include "dialog_colors.h"

#include <initializer_list>

namespace {

// Fields the user types into or picks from: a disabled or read-only one asks as a label does.
bool IsInputField(HWND control) {
  char className[32] = "";
  ::GetClassNameA(control, className, sizeof className);
  for (const char* inputClass : {"Edit", "ComboBox", WC_IPADDRESSA}) {
    if (lstrcmpiA(className, inputClass) == 0) return true;
  }
  return false;
}

}  // namespace

bool UsesDialogColors(UINT message, HWND control) {
  switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN: return true;
    case WM_CTLCOLORSTATIC: return !IsInputField(control);
    default: return false;
  }
}
