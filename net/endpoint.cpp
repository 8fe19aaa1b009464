// The UDP endpoint over BSD sockets: Winsock 1.1 (wsock32) on Windows, POSIX elsewhere.
// The order of the set-up steps is the same on both; the few platform differences are marked.
#include "net/endpoint.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "net/link_state.h"

#ifdef _WIN32
#include <winsock.h>
using SocketHandle = SOCKET;
constexpr SocketHandle kNoSocket = INVALID_SOCKET;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>
using SocketHandle = int;
constexpr SocketHandle kNoSocket = -1;
#endif

namespace {

SocketHandle sendSocket = kNoSocket;
SocketHandle receiveSocket = kNoSocket;
sockaddr_in groupAddress;
sockaddr_in localBindAddress;

void CloseSocket(SocketHandle& socketHandle) {
  if (socketHandle == kNoSocket) return;
#ifdef _WIN32
  closesocket(socketHandle);
#else
  close(socketHandle);
#endif
  socketHandle = kNoSocket;
}

void SetMulticastLoopOff(SocketHandle socketHandle) {
  // Winsock 1.1 takes a one-byte value; Linux accepts one byte as well.
  const char off = 0;
  setsockopt(socketHandle, IPPROTO_IP, IP_MULTICAST_LOOP, &off, 1);
}

// Waits up to 10 ms for the receive socket to become readable.
bool WaitReadable() {
#ifdef _WIN32
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(receiveSocket, &readable);
  timeval timeout = {0, 10000};
  select(int(receiveSocket) + 1, &readable, nullptr, nullptr, &timeout);
  return FD_ISSET(receiveSocket, &readable);
#else
  pollfd waiting = {receiveSocket, POLLIN, 0};
  return poll(&waiting, 1, 10) == 1 && (waiting.revents & POLLIN);
#endif
}

class EndpointLink : public Link {
 public:
  void Send(const uint8_t* bytes, int count) override {
    sendto(sendSocket, reinterpret_cast<const char*>(bytes), count, 0,
           reinterpret_cast<const sockaddr*>(&groupAddress), sizeof groupAddress);
  }

  PollResult Poll(ReceiveArea& area) override {
    if (receiveSocket == kNoSocket) {
      Pause(10);  // an endpoint that never opened simply hears nothing
      return {PollOutcome::kNoDatagram, 0};
    }
    if (!WaitReadable()) return {PollOutcome::kNoDatagram, 0};
    sockaddr_in sender;
#ifdef _WIN32
    int senderLength = sizeof sender;
    const int flags = 0;  // a datagram over 4096 bytes fails with WSAEMSGSIZE
#else
    socklen_t senderLength = sizeof sender;
    const int flags = MSG_TRUNC;  // report the real length, so that an over-long datagram fails
#endif
    const int length = int(recvfrom(receiveSocket, reinterpret_cast<char*>(area), kPacketAreaSize,
                                    flags, reinterpret_cast<sockaddr*>(&sender), &senderLength));
    if (length < 0 || length > kPacketAreaSize) return {PollOutcome::kFailedReceive, 0};
    area[length] = 0;
    return {PollOutcome::kDatagram, length};
  }

  void Pause(int milliseconds) override {
#ifdef _WIN32
    Sleep(DWORD(milliseconds));
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
  }

  int64_t NowMilliseconds() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

}  // namespace

Link& SocketLink() {
  static EndpointLink link;
  return link;
}

void NetworkStartup() {
#ifdef _WIN32
  static WSADATA socketLayer;
  if (WSAStartup(0x0101, &socketLayer) != 0) std::exit(1);
#endif
  MakeClientTag();

  sendSocket = socket(AF_INET, SOCK_DGRAM, 0);
  std::memset(&groupAddress, 0, sizeof groupAddress);
  groupAddress.sin_family = AF_INET;
  groupAddress.sin_port = htons(kAdapterPort);
  groupAddress.sin_addr.s_addr = inet_addr(kGroupAddressText);

  receiveSocket = socket(AF_INET, SOCK_DGRAM, 0);
#ifdef _WIN32
  const char reuse = 1;  // Winsock 1.1 width: one byte
#else
  const int reuse = 1;
#endif
  setsockopt(receiveSocket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
             sizeof reuse);

  std::memset(&localBindAddress, 0, sizeof localBindAddress);
  localBindAddress.sin_family = AF_INET;
  localBindAddress.sin_port = htons(kAdapterPort);
#ifdef _WIN32
  localBindAddress.sin_addr.s_addr = inet_addr(g_link.localAddressText);
#else
  // A Linux socket bound to a unicast address hears nothing sent to the group.
  localBindAddress.sin_addr.s_addr = htonl(INADDR_ANY);
#endif
  bind(receiveSocket, reinterpret_cast<const sockaddr*>(&localBindAddress),
       sizeof localBindAddress);

  ip_mreq membership;
  membership.imr_multiaddr.s_addr = inet_addr(kGroupAddressText);
  membership.imr_interface.s_addr = htonl(INADDR_ANY);
  setsockopt(receiveSocket, IPPROTO_IP, IP_ADD_MEMBERSHIP,
             reinterpret_cast<const char*>(&membership), sizeof membership);

  SetMulticastLoopOff(receiveSocket);
  SetMulticastLoopOff(sendSocket);
}

void NetworkShutdown() {
  CloseSocket(sendSocket);
  CloseSocket(receiveSocket);
#ifdef _WIN32
  WSACleanup();
#endif
}
