#pragma once
// The seam below every exchange: send one request, poll once for one datagram, pause, and a
// monotonic clock for the exchanges' overall deadline. The socket endpoint is the real link;
// tests install a scripted one.

#include <cstdint>

#include "protocol.h"

enum class PollOutcome { kNoDatagram, kFailedReceive, kDatagram };

struct PollResult {
  PollOutcome outcome;
  int length;  // bytes of the datagram, when outcome is kDatagram
};

// 4096 bytes of datagram and one more for the zero written after it.
using ReceiveArea = uint8_t[kPacketAreaSize + 1];

class Link {
 public:
  virtual ~Link() = default;
  // One datagram to the group.
  virtual void Send(const uint8_t* bytes, int count) = 0;
  // Waits up to 10 ms for one datagram and takes it into the area, then sets area[length] to 0.
  virtual PollResult Poll(ReceiveArea& area) = 0;
  virtual void Pause(int milliseconds) = 0;
  virtual int64_t NowMilliseconds() = 0;
};

// The link that the exchanges use: the socket endpoint unless a test installed another.
Link& ActiveLink();
// Installs a link (nullptr restores the socket endpoint). The caller keeps ownership.
void SetActiveLink(Link* link);

// The two steps that every exchange is made of, on the active link.
void SendRequest(const uint8_t* bytes, int count);
PollResult PollReply(ReceiveArea& area);
