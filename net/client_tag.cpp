#include <cstring>
#include <ctime>
#include <random>

#include "net/address_text.h"
#include "net/endpoint.h"
#include "net/link_state.h"

void FillClientTag(uint32_t seed, const uint8_t hostOctets[4], uint8_t tag[kTagSize]) {
  std::minstd_rand generator(seed);
  for (int i = 0; i < 6; ++i) tag[i] = uint8_t(generator());
  std::memcpy(tag + 6, hostOctets, 4);
}

void MakeClientTag() {
  uint8_t host[4];
  FindHostAddress(host);
  FormatAddressText(host, g_link.localAddressText);
  // The process id is mixed in so that two instances started within one second differ.
  const uint32_t seed = uint32_t(std::time(nullptr)) ^ (CurrentProcessId() * 2654435761u);
  FillClientTag(seed, host, g_link.clientTag);
}

int MatchClientTag(const uint8_t* packet) {
  for (int i = 0; i < kTagSize; ++i) {
    if (packet[kClientTagOffset + i] != g_link.clientTag[i]) return 0;
  }
  return 1;
}
