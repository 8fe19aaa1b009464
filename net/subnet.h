#pragma once
// Subnet arithmetic on address octets: used to tell whether an adapter is on the host's subnet
// and whether a gateway lies inside a new address's subnet.

#include <cstdint>

// True when a and b agree in every bit that the mask keeps.
inline bool SameSubnet(const uint8_t a[4], const uint8_t b[4], const uint8_t mask[4]) {
  for (int k = 0; k < 4; ++k) {
    if ((a[k] & mask[k]) != (b[k] & mask[k])) return false;
  }
  return true;
}
