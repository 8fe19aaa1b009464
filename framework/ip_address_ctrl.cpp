#include "ip_address_ctrl.h"

int CIPAddressCtrl::GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const {
  DWORD address = 0;
  int filled = GetAddress(address);
  field0 = FIRST_IPADDRESS(address);
  field1 = SECOND_IPADDRESS(address);
  field2 = THIRD_IPADDRESS(address);
  field3 = FOURTH_IPADDRESS(address);
  return filled;
}
