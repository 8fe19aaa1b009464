#pragma once
// A tiny client of the adapters' protocol for tests on a virtual LAN: sends requests to the
// group and takes what comes back to port 13579.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace simtest {

using Bytes = std::vector<uint8_t>;

class ProbeClient {
 public:
  // Receives on port 13579 at `bindAddress`; a wildcard receiver also joins 224.0.0.1.
  explicit ProbeClient(const std::string& bindAddress = "0.0.0.0");
  ~ProbeClient();
  ProbeClient(const ProbeClient&) = delete;
  ProbeClient& operator=(const ProbeClient&) = delete;

  bool ok() const { return receiver_ >= 0 && sender_ >= 0; }
  // To 224.0.0.1:13579, from a socket that never hears its own group datagrams.
  void Send(const Bytes& request);
  // Every datagram that arrives within `milliseconds`.
  std::vector<Bytes> Collect(int milliseconds);
  // The first datagram within `milliseconds` for which `wanted` is true; others are dropped.
  std::optional<Bytes> WaitFor(const std::function<bool(const Bytes&)>& wanted, int milliseconds);

 private:
  std::optional<Bytes> Receive(int milliseconds);
  int receiver_ = -1;
  int sender_ = -1;
};

}  // namespace simtest
