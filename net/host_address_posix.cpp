#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cstring>

#include "net/endpoint.h"

namespace {

bool IsLoopback(const uint8_t octets[4]) {
  return octets[0] == 127;
}

// The first IPv4 address of an up, non-loopback interface.
bool FirstInterfaceAddress(uint8_t octets[4]) {
  ifaddrs* interfaces = nullptr;
  if (getifaddrs(&interfaces) != 0) return false;
  bool found = false;
  for (ifaddrs* entry = interfaces; entry && !found; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
    if (!(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK)) continue;
    std::memcpy(octets, &reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr, 4);
    found = true;
  }
  freeifaddrs(interfaces);
  return found;
}

}  // namespace

void FindHostAddress(uint8_t octets[4]) {
  char name[128] = {};
  gethostname(name, sizeof name - 1);
  const hostent* host = gethostbyname(name);
  if (host && host->h_addrtype == AF_INET && host->h_length == 4 && host->h_addr_list[0]) {
    std::memcpy(octets, host->h_addr_list[0], 4);
    if (!IsLoopback(octets)) return;
  }
  if (!FirstInterfaceAddress(octets)) std::memset(octets, 0, 4);
}

uint32_t CurrentProcessId() {
  return uint32_t(getpid());
}
