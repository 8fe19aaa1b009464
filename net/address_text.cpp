#include "net/address_text.h"

#include <cstdio>
#include <cstring>

void FormatAddressText(const uint8_t octets[4], char text[16]) {
  std::snprintf(text, 16, "%u.%u.%u.%u", unsigned(octets[0]), unsigned(octets[1]),
                unsigned(octets[2]), unsigned(octets[3]));
}

bool ParseAddressText(const char* text, uint8_t octets[4]) {
  uint8_t parsed[4];
  const char* p = text;
  for (int i = 0; i < 4; ++i) {
    unsigned value = 0;
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
      value = value * 10 + unsigned(*p++ - '0');
      if (++digits > 3) return false;
    }
    if (digits == 0 || value > 255) return false;
    parsed[i] = uint8_t(value);
    if (i < 3 && *p++ != '.') return false;
  }
  if (*p != 0) return false;
  std::memcpy(octets, parsed, 4);
  return true;
}
