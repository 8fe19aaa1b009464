#pragma once
// CIPAddressCtrl: the four-field IP address control (SysIPAddress32).

#include "wnd.h"

class CIPAddressCtrl : public CWnd {
 public:
  // The highest byte of `address` is the first field.
  void SetAddress(DWORD address) { SendMessage(IPM_SETADDRESS, 0, address); }
  void SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3) {
    SetAddress(MAKEIPADDRESS(field0, field1, field2, field3));
  }
  // The four fields (empty ones read 0); returns how many fields are filled in.
  int GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const;
  int GetAddress(DWORD& address) const {
    return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
  }
  void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
  // TRUE when all four fields are empty.
  BOOL IsBlank() const { return SendMessage(IPM_ISBLANK) != 0; }
};
