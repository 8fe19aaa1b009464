#pragma once
// A link whose polls answer from a script, with pauses recorded and a simulated clock instead of
// real waiting: the exchanges' counting rules run exactly and in microseconds.

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "net/link.h"

using Bytes = std::vector<uint8_t>;

class ScriptedLink : public Link {
 public:
  ScriptedLink();
  ~ScriptedLink() override;

  void QueueDatagram(Bytes bytes);
  void QueueNothing(int polls = 1);
  void QueueFailedReceive(int polls = 1);
  // What every poll gives once the script has run out (default: no datagram after 10 ms).
  void WhenScriptRunsOut(PollOutcome outcome, int elapsedMs, Bytes bytes = {});

  void Send(const uint8_t* bytes, int count) override;
  PollResult Poll(ReceiveArea& area) override;
  void Pause(int milliseconds) override;
  int64_t NowMilliseconds() override { return now_; }

  std::vector<Bytes> sent;
  std::vector<int> pauses;
  int polls = 0;
  std::function<void()> onSend;  // runs before each request is recorded
  size_t QueuedSteps() const { return script_.size(); }

 private:
  struct Step {
    PollOutcome outcome;
    Bytes bytes;
    int elapsedMs;
  };
  PollResult Deliver(const Step& step, ReceiveArea& area);

  std::deque<Step> script_;
  Step whenEmpty_{PollOutcome::kNoDatagram, {}, 10};
  int64_t now_ = 0;
};
