#include "sim/udp_endpoint.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool Fail(std::string& error, const std::string& what) {
  error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool InterfaceExists(const std::string& name) {
  return if_nametoindex(name.c_str()) != 0;
}

std::string AddressText(uint32_t networkOrder) {
  in_addr address{};
  address.s_addr = networkOrder;
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

UdpEndpoint::~UdpEndpoint() {
  if (fd_ >= 0) close(fd_);
}

bool UdpEndpoint::Open(const SimOptions& options, std::string& error) {
  int interfaceIndex = 0;
  if (!options.interfaceName.empty()) {
    interfaceIndex = static_cast<int>(if_nametoindex(options.interfaceName.c_str()));
    if (interfaceIndex == 0) return Fail(error, "interface '" + options.interfaceName + "'");
  }
  fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd_ < 0) return Fail(error, "socket");
  const int on = 1;
  if (setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
    return Fail(error, "SO_REUSEADDR");

  port_ = htons(static_cast<uint16_t>(options.port));
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = port_;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
    return Fail(error, "bind to port " + std::to_string(options.port));

  ip_mreqn membership{};
  membership.imr_multiaddr.s_addr = inet_addr(kGroupAddressText);
  membership.imr_ifindex = interfaceIndex;
  if (setsockopt(fd_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0)
    return Fail(error,
                std::string("joining ") + kGroupAddressText + " (is there a multicast route?)");
  if (interfaceIndex != 0) {
    ip_mreqn outgoing{};
    outgoing.imr_ifindex = interfaceIndex;
    if (setsockopt(fd_, IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing) != 0)
      return Fail(error, "IP_MULTICAST_IF");
  }
  const int loop = options.loopback ? 1 : 0;
  if (setsockopt(fd_, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop) != 0)
    return Fail(error, "IP_MULTICAST_LOOP");
  return true;
}

long UdpEndpoint::Receive(uint8_t* buffer, size_t size, uint32_t& sourceAddress,
                          uint16_t& sourcePort) {
  sockaddr_in source{};
  socklen_t sourceLength = sizeof source;
  const ssize_t received =
      recvfrom(fd_, buffer, size, 0, reinterpret_cast<sockaddr*>(&source), &sourceLength);
  if (received < 0) return -1;
  sourceAddress = source.sin_addr.s_addr;
  sourcePort = ntohs(source.sin_port);
  return static_cast<long>(received);
}

bool UdpEndpoint::Send(const uint8_t* bytes, size_t length, uint32_t destination,
                       std::string& error) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = port_;
  target.sin_addr.s_addr = destination;
  if (sendto(fd_, bytes, length, 0, reinterpret_cast<sockaddr*>(&target), sizeof target) < 0)
    return Fail(error, "sendto " + AddressText(destination));
  return true;
}
