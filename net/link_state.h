#pragma once
// The device link's module-wide state: one instance for the whole process, grouped here so
// that a test can reset it. The lists keep a count/head/tail shape and own their records.

#include <cstdint>
#include <memory>

#include "protocol.h"

struct AdapterRecord {
  char name[256] = {};
  char ip[kAddressTextSize] = {};
  char netmask[kAddressTextSize] = {};
  char gateway[kAddressTextSize] = {};
  char dhcpFlag[8] = {};  // "1" for a DHCP client, any other character for a static address
  uint8_t deviceTag[kTagSize] = {};
  std::unique_ptr<AdapterRecord> next;
};

struct AdapterList {
  uint32_t count = 0;
  std::unique_ptr<AdapterRecord> head;
  AdapterRecord* tail = nullptr;
};

struct ShareRecord {
  char name[64] = {};
  std::unique_ptr<ShareRecord> next;
};

struct ShareList {
  uint32_t count = 0;
  std::unique_ptr<ShareRecord> head;
  ShareRecord* tail = nullptr;
};

constexpr int kCredentialChars = 16;

struct Credentials {
  char userName[kCredentialChars + 1] = {};
  char password[kCredentialChars + 1] = {};
};

struct PendingSettings {
  char newIp[kAddressTextSize] = {};
  char newNetmask[kAddressTextSize] = {};
  char newGateway[kAddressTextSize] = {};
};

struct DeviceLinkState {
  char localAddressText[kAddressTextSize] = {};
  uint8_t clientTag[kTagSize] = {};
  char workingAddress[kAddressTextSize] = {};  // the adapter that device commands address
  Credentials credentials;
  PendingSettings pendingSettings;
  AdapterList adapterList;
  ShareList shareList;
};

extern DeviceLinkState g_link;

// Back to the state at process start (lists empty, texts and tag zeroed).
void ResetDeviceLinkState();

// Frees every record and leaves the list empty. Iterative, so a long list cannot exhaust the stack.
void ClearAdapterList(AdapterList& list);
void ClearShareList(ShareList& list);

// Links a record at the tail of a list; the list takes ownership.
template <typename List, typename Record>
void LinkAtTail(List& list, std::unique_ptr<Record> record) {
  Record* added = record.get();
  const bool wasEmpty = list.count == 0;
  list.count += 1;
  if (wasEmpty) {
    list.head = std::move(record);
  } else {
    list.tail->next = std::move(record);
  }
  list.tail = added;
}

// Bounded copy into a fixed text field: at most size - 1 characters and always a zero.
void CopyText(char* field, int size, const char* text);
template <int N>
void CopyText(char (&field)[N], const char* text) {
  CopyText(field, N, text);
}
