#pragma once
// CEdit: an edit field child window.

#include "wnd.h"

// The program's edit fields are filled and limited by data exchange and otherwise only enabled
// and disabled, which CWnd does.
class CEdit : public CWnd {};
