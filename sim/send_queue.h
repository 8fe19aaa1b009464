#pragma once
// Datagrams waiting for their send time. Datagrams due at the same time leave in the order
// they were added, so a foreign-opcode datagram still goes out before the reply it precedes.

#include <cstdint>
#include <optional>
#include <queue>
#include <string>
#include <vector>

#include "sim/replies.h"

struct QueuedDatagram {
  int64_t dueMs = 0;
  uint64_t order = 0;
  Datagram bytes;
  uint32_t destination = 0;  // IPv4 in network order
  std::string adapter;
};

class SendQueue {
 public:
  void Add(int64_t dueMs, Datagram bytes, uint32_t destination, std::string adapter);
  bool Empty() const { return queue_.empty(); }
  // Time of the earliest datagram; only when not empty.
  int64_t NextDueMs() const { return queue_.top().dueMs; }
  // The earliest datagram when it is due at `nowMs`.
  std::optional<QueuedDatagram> TakeDue(int64_t nowMs);

 private:
  struct Later {
    bool operator()(const QueuedDatagram& a, const QueuedDatagram& b) const {
      return a.dueMs != b.dueMs ? a.dueMs > b.dueMs : a.order > b.order;
    }
  };
  std::priority_queue<QueuedDatagram, std::vector<QueuedDatagram>, Later> queue_;
  uint64_t nextOrder_ = 0;
};
