#pragma once
// Reading the requests that reach an adapter. Every field is length-checked before it is read;
// a datagram that is not a request (a reply, an unknown opcode) is told apart from a request
// that is cut short or carries nonsense.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "net/protocol.h"
#include "sim/address.h"

using Tag = std::array<uint8_t, kTagSize>;

enum class RequestKind { kSearch, kLogin, kShareList, kDhcp, kStaticAddress };

struct Request {
  RequestKind kind = RequestKind::kSearch;
  Tag clientTag{};
  Tag deviceTag{};       // all but kSearch: the adapter the command is for
  std::string user;      // kLogin
  std::string password;  // kLogin
  Ipv4 newIp{};          // kStaticAddress
  Ipv4 newNetmask{};
  Ipv4 newGateway{};
};

enum class DecodeStatus { kRequest, kNotARequest, kMalformed };

struct Decoded {
  DecodeStatus status = DecodeStatus::kNotARequest;
  Request request;      // when kRequest
  std::string problem;  // why, when kNotARequest or kMalformed
};

Decoded DecodeRequest(const uint8_t* bytes, size_t length);
