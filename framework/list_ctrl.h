#pragma once
// CListCtrl: a list view child window (report view in this program).

#include "wnd.h"

class CListCtrl : public CWnd {
 public:
  int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  int InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask, int image,
                 LPARAM param);
  int InsertItem(int item, const char* text);
  BOOL SetItemText(int item, int subItem, const char* text);
  // The whole text of the cell, however long.
  CString GetItemText(int item, int subItem) const;
  BOOL SetItemState(int item, UINT state, UINT stateMask);
  UINT GetItemState(int item, UINT stateMask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, stateMask));
  }
  BOOL DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  BOOL EnsureVisible(int item, BOOL partialOk) {
    return SendMessage(LVM_ENSUREVISIBLE, item, partialOk) != 0;
  }
  // Makes `styles` the list's whole extended style (mask 0); returns the previous one.
  DWORD SetExtendedStyle(DWORD styles) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
  }
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
  }
};
