#include "tests/sim/probe_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "net/protocol.h"

namespace simtest {

ProbeClient::ProbeClient(const std::string& bindAddress) {
  receiver_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sender_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int on = 1, off = 0;
  setsockopt(receiver_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  setsockopt(sender_, IPPROTO_IP, IP_MULTICAST_LOOP, &off, sizeof off);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(kAdapterPort);
  local.sin_addr.s_addr = inet_addr(bindAddress.c_str());
  bool ready = bind(receiver_, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
  if (ready && local.sin_addr.s_addr == htonl(INADDR_ANY)) {
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = inet_addr(kGroupAddressText);
    membership.imr_interface.s_addr = htonl(INADDR_ANY);
    ready =
        setsockopt(receiver_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) == 0;
  }
  if (!ready) {
    close(receiver_);
    receiver_ = -1;
  }
}

ProbeClient::~ProbeClient() {
  if (receiver_ >= 0) close(receiver_);
  if (sender_ >= 0) close(sender_);
}

void ProbeClient::Send(const Bytes& request) {
  sockaddr_in group{};
  group.sin_family = AF_INET;
  group.sin_port = htons(kAdapterPort);
  group.sin_addr.s_addr = inet_addr(kGroupAddressText);
  sendto(sender_, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&group),
         sizeof group);
}

std::optional<Bytes> ProbeClient::Receive(int milliseconds) {
  pollfd readable{receiver_, POLLIN, 0};
  if (poll(&readable, 1, milliseconds) <= 0) return std::nullopt;
  Bytes datagram(65536);
  const ssize_t length = recv(receiver_, datagram.data(), datagram.size(), 0);
  if (length < 0) return std::nullopt;
  datagram.resize(size_t(length));
  return datagram;
}

std::vector<Bytes> ProbeClient::Collect(int milliseconds) {
  std::vector<Bytes> datagrams;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return datagrams;
    if (auto datagram = Receive(int(left.count()))) datagrams.push_back(std::move(*datagram));
  }
}

std::optional<Bytes> ProbeClient::WaitFor(const std::function<bool(const Bytes&)>& wanted,
                                          int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    auto datagram = Receive(int(left.count()));
    if (datagram && wanted(*datagram)) return datagram;
  }
}

}  // namespace simtest
