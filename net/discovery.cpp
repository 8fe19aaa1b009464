#include "net/discovery.h"

#include <cstring>

#include "net/endpoint.h"
#include "net/exchange_limits.h"
#include "net/link.h"

void SearchAdapters() {
  ClearAdapterList(g_link.adapterList);

  uint8_t request[kPacketAreaSize] = {};
  ReceiveArea receive = {};
  const int requestLength = BuildSearchRequest(request);

  Link& link = ActiveLink();
  const int64_t deadline = link.NowMilliseconds() + kSearchDeadlineMs;
  SendRequest(request, requestLength);
  link.Pause(80);
  SendRequest(request, requestLength);
  link.Pause(80);
  SendRequest(request, requestLength);
  link.Pause(100);

  int countedPolls = 0;
  while (countedPolls < kSearchPolls && link.NowMilliseconds() < deadline) {
    const PollResult result = PollReply(receive);
    if (result.outcome == PollOutcome::kFailedReceive) continue;
    // A datagram shorter than the tag must not be completed by an earlier one's bytes.
    if (result.outcome == PollOutcome::kDatagram && result.length >= kClientTagOffset + kTagSize &&
        receive[0] == kSearchReply && MatchClientTag(receive)) {
      HandleSearchReply(receive, result.length);
    }
    if (++countedPolls < kSearchPolls) link.Pause(kSearchPollPauseMs);
  }
}

std::unique_ptr<AdapterRecord> NewAdapterRecord() {
  return std::unique_ptr<AdapterRecord>(new (std::nothrow) AdapterRecord());
}

int AdapterListIsEmpty() {
  return g_link.adapterList.count == 0 ? 1 : 0;
}

void AppendAdapter(const char* name, const char* ip, const char* netmask, const char* gateway,
                   const char* dhcpFlag, const uint8_t deviceTag[kTagSize]) {
  std::unique_ptr<AdapterRecord> record = NewAdapterRecord();
  if (!record) return;
  CopyText(record->name, name);
  CopyText(record->ip, ip);
  CopyText(record->netmask, netmask);
  CopyText(record->gateway, gateway);
  CopyText(record->dhcpFlag, dhcpFlag);
  std::memcpy(record->deviceTag, deviceTag, kTagSize);

  LinkAtTail(g_link.adapterList, std::move(record));
}

int AdapterListHasAddress(const char* ip) {
  if (AdapterListIsEmpty()) return 0;
  return FindAdapterByAddress(ip) ? 1 : 0;
}

void HandleSearchReply(const uint8_t* datagram, int length) {
  SearchReplyFields fields;
  if (!ReadSearchReply(datagram, length, fields)) return;
  // The first reply for an address wins, whatever later ones carry.
  if (AdapterListHasAddress(fields.ip)) return;
  AppendAdapter(fields.name, fields.ip, fields.netmask, fields.gateway, fields.dhcpFlag,
                fields.deviceTag);
}

AdapterRecord* FindAdapterByAddress(const char* ip) {
  for (AdapterRecord* record = g_link.adapterList.head.get(); record; record = record->next.get()) {
    if (std::strcmp(record->ip, ip) == 0) return record;
  }
  return nullptr;
}
