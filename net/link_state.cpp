#include "net/link_state.h"

#include <cstring>

DeviceLinkState g_link;

namespace {

template <typename List>
void ClearList(List& list) {
  auto record = std::move(list.head);
  while (record) record = std::move(record->next);
  list.tail = nullptr;
  list.count = 0;
}

}  // namespace

void ClearAdapterList(AdapterList& list) {
  ClearList(list);
}
void ClearShareList(ShareList& list) {
  ClearList(list);
}

void ResetDeviceLinkState() {
  ClearAdapterList(g_link.adapterList);
  ClearShareList(g_link.shareList);
  std::memset(g_link.localAddressText, 0, sizeof g_link.localAddressText);
  std::memset(g_link.clientTag, 0, sizeof g_link.clientTag);
  std::memset(g_link.workingAddress, 0, sizeof g_link.workingAddress);
  g_link.credentials = Credentials();
  g_link.pendingSettings = PendingSettings();
}

void CopyText(char* field, int size, const char* text) {
  int i = 0;
  for (; i < size - 1 && text[i] != 0; ++i) field[i] = text[i];
  field[i] = 0;
}
