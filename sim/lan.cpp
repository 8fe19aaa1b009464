#include "sim/lan.h"

Lan::Lan(std::vector<AdapterSettings> adapters) {
  for (auto& settings : adapters) adapters_.emplace_back(std::move(settings));
}

LanResponse Lan::Receive(const uint8_t* bytes, size_t length, int64_t nowMs) {
  LanResponse response{DecodeRequest(bytes, length), {}, {}};
  if (response.decoded.status != DecodeStatus::kRequest) return response;
  for (SimulatedAdapter& adapter : adapters_) {
    Response answer = adapter.Handle(response.decoded.request, nowMs);
    for (Outgoing& datagram : answer.datagrams)
      response.datagrams.push_back({datagram.delayMs, std::move(datagram.bytes), adapter.Name()});
    if (!answer.note.empty()) response.notes.push_back(std::move(answer.note));
  }
  return response;
}
