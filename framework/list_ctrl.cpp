#include "list_ctrl.h"

#include <vector>

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
  LVCOLUMNA description{};
  description.mask = LVCF_FMT | LVCF_TEXT;
  description.fmt = format;
  description.pszText = const_cast<char*>(heading);
  if (width != -1) {
    description.mask |= LVCF_WIDTH;
    description.cx = width;
  }
  if (subItem != -1) {
    description.mask |= LVCF_SUBITEM;
    description.iSubItem = subItem;
  }
  return static_cast<int>(
      SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&description)));
}

int CListCtrl::InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask,
                          int image, LPARAM param) {
  LVITEMA row{};
  row.mask = mask;
  row.iItem = item;
  row.pszText = const_cast<char*>(text);
  row.state = state;
  row.stateMask = stateMask;
  row.iImage = image;
  row.lParam = param;
  return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
}

int CListCtrl::InsertItem(int item, const char* text) {
  return InsertItem(LVIF_TEXT, item, text, 0, 0, 0, 0);
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) {
  LVITEMA cell{};
  cell.iSubItem = subItem;
  cell.pszText = const_cast<char*>(text);
  return SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell)) != 0;
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  // LVM_GETITEMTEXT says only how much it copied, so grow the buffer until the copy leaves
  // room to spare: then the text was whole. The list may point pszText at its own copy.
  std::vector<char> buffer(256);
  for (;;) {
    LVITEMA cell{};
    cell.iSubItem = subItem;
    cell.pszText = buffer.data();
    cell.cchTextMax = static_cast<int>(buffer.size());
    LRESULT copied = SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
    if (copied < static_cast<LRESULT>(buffer.size()) - 1) {
      return CString(std::string(cell.pszText, copied > 0 ? copied : 0));
    }
    buffer.resize(buffer.size() * 2);
  }
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT stateMask) {
  LVITEMA row{};
  row.state = state;
  row.stateMask = stateMask;
  return SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&row)) != 0;
}
