#pragma once
// Commands to the adapter whose AdapterRecord carries the IP text of WorkingAddress: one
// request each, then polls for the matching reply up to the command's limit.

#include <cstdint>
#include <memory>

#include "link_state.h"

// The adapter's login result byte (signed; non-zero means accepted), or 0 on no request or
// no matching reply.
int32_t AdminLogin();
// 1 when a share-list reply was read into g_link.shareList (emptied first in every case).
int32_t FetchShareList();
// 1 when an address reply came; the record and WorkingAddress then carry the new address.
int32_t EnableDhcp();
// 1 when an address reply reporting PendingSettings.newIp came; the record and
// WorkingAddress then carry the new settings.
int32_t SetStaticAddress();

std::unique_ptr<ShareRecord> NewShareRecord();
int ShareListIsEmpty();
void AppendShare(const char* name);
int ShareListHasName(const char* name);
