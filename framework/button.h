#pragma once
// CButton: a push button, check box or radio button child window.

#include "wnd.h"

// The program's buttons are only enabled and disabled, which CWnd does.
class CButton : public CWnd {};
