#include "combo_box.h"

#include <vector>

void CComboBox::GetLBText(int index, CString& text) const {
  LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
  if (length < 0) {
    text.Empty();
    return;
  }
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  text = CString(std::string(buffer.data(), copied > 0 ? copied : 0));
}

CString CComboBox::GetLBText(int index) const {
  CString text;
  GetLBText(index, text);
  return text;
}
