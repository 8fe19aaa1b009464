#pragma once
// The program's picture of which drive letters are connected to which network share: one entry
// per letter, A: at index 0 to Z: at index 25, rebuilt from the system's connections.

#include <cstddef>

constexpr int kDriveLetterCount = 26;

struct MappedDriveEntry {
  char server[64];  // server part of the remote name; empty when the letter has no connection
  char share[256];  // everything after the backslash that ends the server part
  char drive[8];    // the letter and a colon, such as E:
};

// All zero at start; written only by RefreshMappedDrives (and ResetMappedDriveTable).
extern MappedDriveEntry MappedDriveTable[kDriveLetterCount];

// Rewrites every entry from the active drive system's connections.
void RefreshMappedDrives();

// Zeroes the whole table, as at start (for tests).
void ResetMappedDriveTable();

// A letter counts as mapped when both its server and its share are non-empty.
bool IsMapped(const MappedDriveEntry& entry);
