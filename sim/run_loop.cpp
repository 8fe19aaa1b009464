#include "sim/run_loop.h"

#include <arpa/inet.h>
#include <poll.h>

#include <algorithm>
#include <csignal>
#include <vector>

#include "sim/send_queue.h"

namespace {

volatile sig_atomic_t g_stopRequested = 0;
sigset_t g_waitMask;  // the mask during the wait: stop signals let through

void RequestStop(int) {
  g_stopRequested = 1;
}

constexpr size_t kReceiveSize = 65536;

void Take(const SimOptions& options, Lan& lan, UdpEndpoint& endpoint, EventLog& log,
          SendQueue& queue, std::vector<uint8_t>& buffer) {
  uint32_t source = 0;
  uint16_t sourcePort = 0;
  const long length = endpoint.Receive(buffer.data(), buffer.size(), source, sourcePort);
  if (length < 0) return;
  const int64_t now = MonotonicMilliseconds();
  std::string line = "recv op=" + std::to_string(length > 0 ? buffer[0] : -1) +
                     " len=" + std::to_string(length) + " from=" + AddressText(source) + ":" +
                     std::to_string(sourcePort);
  if (options.hex) line += " hex=" + HexText(buffer.data(), size_t(length));
  log.Write(line);

  LanResponse response = lan.Receive(buffer.data(), size_t(length), now);
  if (response.decoded.status != DecodeStatus::kRequest)
    log.Write("drop " + response.decoded.problem);
  for (const std::string& note : response.notes) log.Write("note " + note);
  const uint32_t destination =
      options.replyTo == ReplyTarget::kSender ? source : inet_addr(kGroupAddressText);
  for (LanOutgoing& datagram : response.datagrams)
    queue.Add(now + datagram.delayMs, std::move(datagram.bytes), destination,
              std::move(datagram.adapter));
}

void SendDue(const SimOptions& options, UdpEndpoint& endpoint, EventLog& log, SendQueue& queue) {
  while (auto due = queue.TakeDue(MonotonicMilliseconds())) {
    std::string error;
    const int opcode = due->bytes.empty() ? -1 : due->bytes[0];
    if (endpoint.Send(due->bytes.data(), due->bytes.size(), due->destination, error))
      log.Write("send op=" + std::to_string(opcode) + " len=" + std::to_string(due->bytes.size()) +
                " to=" + AddressText(due->destination) + ":" + std::to_string(options.port) +
                " adapter=" + due->adapter);
    else
      log.Write("error " + error);
  }
}

}  // namespace

void InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigprocmask(SIG_BLOCK, &stopSignals, &g_waitMask);
  sigdelset(&g_waitMask, SIGTERM);
  sigdelset(&g_waitMask, SIGINT);
}

int RunLoop(const SimOptions& options, Lan& lan, UdpEndpoint& endpoint, EventLog& log) {
  SendQueue queue;
  std::vector<uint8_t> buffer(kReceiveSize);
  log.Write("ready port=" + std::to_string(options.port) + " group=" + kGroupAddressText +
            " interface=" + (options.interfaceName.empty() ? "default" : options.interfaceName) +
            " reply-to=" + (options.replyTo == ReplyTarget::kSender ? "sender" : "group") +
            " adapters=" + std::to_string(lan.Adapters().size()));
  while (!g_stopRequested) {
    pollfd readable{endpoint.Descriptor(), POLLIN, 0};
    timespec timeout{};
    timespec* wait = nullptr;  // nothing queued: wait for a datagram or a signal
    if (!queue.Empty()) {
      const int64_t left = std::max<int64_t>(0, queue.NextDueMs() - MonotonicMilliseconds());
      timeout.tv_sec = left / 1000;
      timeout.tv_nsec = (left % 1000) * 1000000;
      wait = &timeout;
    }
    // Stop signals are delivered only inside this wait, where they end it with EINTR.
    const int ready = ppoll(&readable, 1, wait, &g_waitMask);
    if (ready > 0 && (readable.revents & POLLIN)) Take(options, lan, endpoint, log, queue, buffer);
    SendDue(options, endpoint, log, queue);
  }
  log.Write("stop");
  return 0;
}
