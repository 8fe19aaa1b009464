#pragma once
// CComboBox: a combo box child window.

#include "wnd.h"

class CComboBox : public CWnd {
 public:
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  // Index of the new item (in sorted order for a sorted combo), or CB_ERR / CB_ERRSPACE.
  int AddString(const char* text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  // Selects without sending CBN_SELCHANGE; -1 clears the selection.
  int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
  // CB_ERR (negative) when nothing is selected.
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  // The whole text of item `index`; empty for an index out of range.
  void GetLBText(int index, CString& text) const;
  CString GetLBText(int index) const;
};
