#include "sim/send_queue.h"

void SendQueue::Add(int64_t dueMs, Datagram bytes, uint32_t destination, std::string adapter) {
  queue_.push({dueMs, nextOrder_++, std::move(bytes), destination, std::move(adapter)});
}

std::optional<QueuedDatagram> SendQueue::TakeDue(int64_t nowMs) {
  if (queue_.empty() || queue_.top().dueMs > nowMs) return std::nullopt;
  QueuedDatagram due = queue_.top();
  queue_.pop();
  return due;
}
