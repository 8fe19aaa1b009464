#pragma once
// The simulator's one UDP socket: bound to the wildcard address at the port (so it takes both
// group and unicast datagrams), member of 224.0.0.1, and the socket its replies leave from.

#include <cstdint>
#include <string>

#include "sim/options.h"

class UdpEndpoint {
 public:
  UdpEndpoint() = default;
  UdpEndpoint(const UdpEndpoint&) = delete;
  UdpEndpoint& operator=(const UdpEndpoint&) = delete;
  ~UdpEndpoint();

  // False with a message when the socket cannot be set up.
  bool Open(const SimOptions& options, std::string& error);
  int Descriptor() const { return fd_; }
  // One datagram, or -1 (with nothing taken) when none is waiting.
  long Receive(uint8_t* buffer, size_t size, uint32_t& sourceAddress, uint16_t& sourcePort);
  // False with a message when the system refuses it.
  bool Send(const uint8_t* bytes, size_t length, uint32_t destination, std::string& error);

 private:
  int fd_ = -1;
  uint16_t port_ = 0;  // network order
};

// True when the system has a network interface of that name.
bool InterfaceExists(const std::string& name);

// "A.B.C.D" of an address in network order.
std::string AddressText(uint32_t networkOrder);
