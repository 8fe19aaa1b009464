#pragma once
// CEdit: an edit field child window.

#include "wnd.h"

class CEdit : public CWnd {
 public:
  // Stops typing and pasting at `maxChars` characters.
  void LimitText(int maxChars = 0) { SendMessage(EM_LIMITTEXT, maxChars); }
  UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
  void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
};
