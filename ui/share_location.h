#pragma once
// The drive letter shown under "Location" for one share of an adapter: worked out from the
// mapped-drive table apart from the window, so the matching rules are tested on their own.

#include "drives/mapped_drive_table.h"

// How a table entry's server is compared with the adapter's name and IP text. Share names are
// always compared ignoring case.
enum class ServerComparison { kExact, kIgnoreCase };

// Byte for byte; with kIgnoreCase the letters A to Z also equal their lower-case forms (and
// nothing else is folded, whatever the locale).
bool SameText(const char* a, const char* b, ServerComparison comparison);

// The drive text ("E:") of the last entry from A: to Z: that maps shareName on the adapter
// known by adapterName or adapterIp; nullptr when no entry does.
const char* ShareLocation(const MappedDriveEntry (&table)[kDriveLetterCount],
                          const char* adapterName, const char* adapterIp, const char* shareName,
                          ServerComparison serverComparison);
