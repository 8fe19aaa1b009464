#pragma once
// The simulated adapters together: every datagram reaches each of them, as a group datagram
// reaches every adapter on a real LAN.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/adapter.h"

struct LanOutgoing {
  int delayMs = 0;
  Datagram bytes;
  std::string adapter;  // whose it is, for the log
};

struct LanResponse {
  Decoded decoded;
  std::vector<LanOutgoing> datagrams;
  std::vector<std::string> notes;
};

class Lan {
 public:
  explicit Lan(std::vector<AdapterSettings> adapters);

  LanResponse Receive(const uint8_t* bytes, size_t length, int64_t nowMs);

  const std::vector<SimulatedAdapter>& Adapters() const { return adapters_; }

 private:
  std::vector<SimulatedAdapter> adapters_;
};
