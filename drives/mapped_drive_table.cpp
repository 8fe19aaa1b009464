#include "mapped_drive_table.h"

#include <cstdio>
#include <cstring>

#include "drive_system.h"

MappedDriveEntry MappedDriveTable[kDriveLetterCount];

namespace {

constexpr uint32_t kRemoteNameCapacity = 256;

void ClearConnection(MappedDriveEntry& entry) {
  std::memset(entry.server, 0, sizeof entry.server);
  std::memset(entry.share, 0, sizeof entry.share);
}

// Copies count characters of source into a buffer of capacity bytes, cut to fit its terminator.
template <size_t capacity>
void CopyCut(char (&target)[capacity], const char* source, size_t count) {
  if (count > capacity - 1) count = capacity - 1;
  std::memcpy(target, source, count);
  target[count] = '\0';
}

// Splits \\server\share at the first backslash from position 2 on; the two leading characters
// are skipped unexamined. A name with no such backslash clears the entry, so a letter never
// keeps the mapping of an earlier refresh.
void StoreRemoteName(MappedDriveEntry& entry, const char* remoteName) {
  const size_t length = std::strlen(remoteName);
  const char* separator =
      length > 2 ? static_cast<const char*>(std::memchr(remoteName + 2, '\\', length - 2))
                 : nullptr;
  if (separator == nullptr) {
    ClearConnection(entry);
    return;
  }
  // A server name longer than the field (a long DNS name) is cut to its first 63 characters.
  CopyCut(entry.server, remoteName + 2, static_cast<size_t>(separator - (remoteName + 2)));
  CopyCut(entry.share, separator + 1, std::strlen(separator + 1));
}

}  // namespace

void RefreshMappedDrives() {
  DriveSystem& system = ActiveDriveSystem();
  char remoteName[kRemoteNameCapacity];
  for (int index = 0; index < kDriveLetterCount; ++index) {
    MappedDriveEntry& entry = MappedDriveTable[index];
    std::snprintf(entry.drive, sizeof entry.drive, "%c:", 'A' + index);
    // A failed call may have written back a larger size, so each call starts from the real
    // capacity. The name is emptied first so that no earlier letter's name can be read back.
    uint32_t size = kRemoteNameCapacity;
    remoteName[0] = '\0';
    if (system.GetConnection(entry.drive, remoteName, size) != kNoError) {
      ClearConnection(entry);
      continue;
    }
    remoteName[kRemoteNameCapacity - 1] = '\0';
    StoreRemoteName(entry, remoteName);
  }
}

void ResetMappedDriveTable() {
  std::memset(MappedDriveTable, 0, sizeof MappedDriveTable);
}

bool IsMapped(const MappedDriveEntry& entry) {
  return entry.server[0] != '\0' && entry.share[0] != '\0';
}
