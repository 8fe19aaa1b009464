#include "tests/net/scripted_link.h"

#include <cstring>

ScriptedLink::ScriptedLink() {
  SetActiveLink(this);
}
ScriptedLink::~ScriptedLink() {
  SetActiveLink(nullptr);
}

void ScriptedLink::QueueDatagram(Bytes bytes) {
  script_.push_back({PollOutcome::kDatagram, std::move(bytes), 0});
}

void ScriptedLink::QueueNothing(int polls) {
  for (int i = 0; i < polls; ++i) script_.push_back({PollOutcome::kNoDatagram, {}, 10});
}

void ScriptedLink::QueueFailedReceive(int polls) {
  for (int i = 0; i < polls; ++i) script_.push_back({PollOutcome::kFailedReceive, {}, 0});
}

void ScriptedLink::WhenScriptRunsOut(PollOutcome outcome, int elapsedMs, Bytes bytes) {
  whenEmpty_ = {outcome, std::move(bytes), elapsedMs};
}

void ScriptedLink::Send(const uint8_t* bytes, int count) {
  if (onSend) onSend();
  sent.emplace_back(bytes, bytes + count);
}

PollResult ScriptedLink::Poll(ReceiveArea& area) {
  ++polls;
  if (script_.empty()) return Deliver(whenEmpty_, area);
  const Step step = std::move(script_.front());
  script_.pop_front();
  return Deliver(step, area);
}

// Like a socket: copies the datagram over whatever the area held and zeroes the byte after it.
PollResult ScriptedLink::Deliver(const Step& step, ReceiveArea& area) {
  now_ += step.elapsedMs;
  if (step.outcome != PollOutcome::kDatagram) return {step.outcome, 0};
  const int length = int(step.bytes.size());
  if (length > 0) std::memcpy(area, step.bytes.data(), step.bytes.size());
  area[length] = 0;
  return {PollOutcome::kDatagram, length};
}

void ScriptedLink::Pause(int milliseconds) {
  pauses.push_back(milliseconds);
  now_ += milliseconds;
}
