#include "net/commands.h"

#include <cstring>

#include "net/address_text.h"
#include "net/discovery.h"
#include "net/endpoint.h"
#include "net/exchange_limits.h"
#include "net/link.h"
#include "net/packets.h"

namespace {

struct CommandRule {
  int (*build)(uint8_t* area);
  Opcode replyOpcode;
  int shortestReply;            // shorter replies are dropped like ones that fail their tests
  const char* expectedAddress;  // text that bytes 17 to 20 must give, or nullptr for no test
  int pollLimit;
  int deadlineMs;
};

bool PassesTests(const CommandRule& rule, const ReceiveArea& reply, int length) {
  if (length < rule.shortestReply || !MatchClientTag(reply)) return false;
  if (!rule.expectedAddress) return true;
  char address[kAddressTextSize];
  return ReadReplyAddress(reply, length, address) &&
         std::strcmp(address, rule.expectedAddress) == 0;
}

// Sends the command's request once and polls for its reply. Datagrams of another opcode and
// failed receives are not counted; a reply that fails its tests, or no datagram, is. Returns
// the accepted reply's length, or 0 when nothing could be sent or no reply was accepted.
int RunCommandExchange(const CommandRule& rule, ReceiveArea& reply) {
  uint8_t request[kPacketAreaSize] = {};
  std::memset(reply, 0, sizeof reply);
  const int requestLength = rule.build(request);
  if (requestLength == 0) return 0;

  Link& link = ActiveLink();
  const int64_t deadline = link.NowMilliseconds() + rule.deadlineMs;
  SendRequest(request, requestLength);
  int countedPolls = 0;
  while (link.NowMilliseconds() < deadline) {
    const PollResult result = PollReply(reply);
    if (result.outcome == PollOutcome::kFailedReceive) continue;
    if (result.outcome == PollOutcome::kDatagram) {
      if (result.length < 1 || reply[0] != rule.replyOpcode) continue;
      if (PassesTests(rule, reply, result.length)) return result.length;
    }
    if (++countedPolls > rule.pollLimit) return 0;
    link.Pause(kCommandPollPauseMs);
  }
  return 0;
}

constexpr int kAddressReplyLength = kDeviceAddressOffset + 4;

// The adapter at WorkingAddress now answers at newIp: bring its record's address, and the
// address bytes of its DeviceTag, up to date.
void MoveAdapterAddress(AdapterRecord* adapter, const char* newIp) {
  if (!adapter) return;
  uint8_t octets[4];
  if (ParseAddressText(newIp, octets)) std::memcpy(adapter->deviceTag + 6, octets, 4);
  CopyText(adapter->ip, newIp);
}

}  // namespace

int32_t AdminLogin() {
  const CommandRule rule = {BuildLoginRequest,     kDeviceReply,           kLoginResultOffset + 1,
                            g_link.workingAddress, kShortCommandPollLimit, kShortCommandDeadlineMs};
  ReceiveArea reply;
  const int length = RunCommandExchange(rule, reply);
  int result = 0;
  if (length > 0) ReadLoginResult(reply, length, result);
  return result;
}

int32_t FetchShareList() {
  ClearShareList(g_link.shareList);
  const CommandRule rule = {BuildShareListRequest, kDeviceReply,           kAddressReplyLength,
                            g_link.workingAddress, kShortCommandPollLimit, kShortCommandDeadlineMs};
  ReceiveArea reply;
  const int length = RunCommandExchange(rule, reply);
  if (length == 0) return 0;
  ReadShareNames(reply, length, [](const char* name) {
    if (!ShareListHasName(name)) AppendShare(name);
  });
  return 1;
}

int32_t EnableDhcp() {
  const CommandRule rule = {BuildDhcpRequest,         kAddressReply,
                            kAddressReplyLength,      nullptr,
                            kAddressCommandPollLimit, kAddressCommandDeadlineMs};
  ReceiveArea reply;
  const int length = RunCommandExchange(rule, reply);
  if (length == 0) return 0;
  char newIp[kAddressTextSize];
  ReadReplyAddress(reply, length, newIp);
  MoveAdapterAddress(FindAdapterByAddress(g_link.workingAddress), newIp);
  CopyText(g_link.workingAddress, newIp);
  return 1;
}

int32_t SetStaticAddress() {
  const PendingSettings& settings = g_link.pendingSettings;
  const CommandRule rule = {BuildStaticAddressRequest, kAddressReply,
                            kAddressReplyLength,       settings.newIp,
                            kAddressCommandPollLimit,  kAddressCommandDeadlineMs};
  ReceiveArea reply;
  if (RunCommandExchange(rule, reply) == 0) return 0;
  AdapterRecord* adapter = FindAdapterByAddress(g_link.workingAddress);
  if (adapter) {
    CopyText(adapter->netmask, settings.newNetmask);
    CopyText(adapter->gateway, settings.newGateway);
  }
  MoveAdapterAddress(adapter, settings.newIp);
  CopyText(g_link.workingAddress, settings.newIp);
  return 1;
}

std::unique_ptr<ShareRecord> NewShareRecord() {
  return std::unique_ptr<ShareRecord>(new (std::nothrow) ShareRecord());
}

int ShareListIsEmpty() {
  return g_link.shareList.count == 0 ? 1 : 0;
}

void AppendShare(const char* name) {
  std::unique_ptr<ShareRecord> record = NewShareRecord();
  if (!record) return;
  CopyText(record->name, name);

  LinkAtTail(g_link.shareList, std::move(record));
}

int ShareListHasName(const char* name) {
  if (ShareListIsEmpty()) return 0;
  for (const ShareRecord* record = g_link.shareList.head.get(); record;
       record = record->next.get()) {
    if (std::strcmp(record->name, name) == 0) return 1;
  }
  return 0;
}
