#include "dialog_colors.h"

namespace {

bool IsEditField(HWND control) {
    char className[32] = "";
    ::GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0 || lstrcmpiA(className, WC_IPADDRESSA) == 0;
}

}  // namespace

bool UsesDialogColors(UINT message, HWND control) {
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        return true;
    case WM_CTLCOLORSTATIC:
        return !IsEditField(control);
    default:
        return false;
    }
}
