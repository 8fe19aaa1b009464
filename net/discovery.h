#pragma once
// The search for adapters and the AdapterList that it builds, one record per address.

#include <cstdint>
#include <memory>

#include "link_state.h"
#include "packets.h"

// Sends the search request three times, polls for replies for about a second and rebuilds
// g_link.adapterList from them in order of first arrival.
void SearchAdapters();

std::unique_ptr<AdapterRecord> NewAdapterRecord();
int AdapterListIsEmpty();
void AppendAdapter(const char* name, const char* ip, const char* netmask, const char* gateway,
                   const char* dhcpFlag, const uint8_t deviceTag[kTagSize]);
int AdapterListHasAddress(const char* ip);
// Takes a reply that passed the opcode and ClientTag tests; appends it unless its address is
// already listed or it is malformed.
void HandleSearchReply(const uint8_t* datagram, int length);

// First record from the head whose ip equals the text exactly, or nullptr.
AdapterRecord* FindAdapterByAddress(const char* ip);
