#pragma once
// CButton: a push button, check box or radio button child window.

#include "wnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
};
