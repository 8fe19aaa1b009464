#include <winsock.h>

#include <cstring>

#include "net/endpoint.h"

void FindHostAddress(uint8_t octets[4]) {
  char name[128] = {};
  gethostname(name, sizeof name);
  const hostent* host = gethostbyname(name);
  if (host && host->h_addrtype == AF_INET && host->h_length == 4 && host->h_addr_list[0]) {
    std::memcpy(octets, host->h_addr_list[0], 4);
    return;
  }
  // An unresolvable host name: 0.0.0.0, so the receive socket binds every interface.
  std::memset(octets, 0, 4);
}

uint32_t CurrentProcessId() {
  return uint32_t(GetCurrentProcessId());
}
