#include "ui/share_location.h"

namespace {

char FoldAsciiUpper(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace

bool SameText(const char* a, const char* b, ServerComparison comparison) {
  for (;; ++a, ++b) {
    const bool same = comparison == ServerComparison::kExact
                          ? *a == *b
                          : FoldAsciiUpper(*a) == FoldAsciiUpper(*b);
    if (!same) return false;
    if (*a == 0) return true;
  }
}

const char* ShareLocation(const MappedDriveEntry (&table)[kDriveLetterCount],
                          const char* adapterName, const char* adapterIp, const char* shareName,
                          ServerComparison serverComparison) {
  const char* location = nullptr;
  for (const MappedDriveEntry& entry : table) {
    if (!IsMapped(entry)) continue;
    const bool sameServer = SameText(entry.server, adapterName, serverComparison) ||
                            SameText(entry.server, adapterIp, serverComparison);
    // Every letter is visited: when several map the share, the last one is shown.
    if (sameServer && SameText(entry.share, shareName, ServerComparison::kIgnoreCase))
      location = entry.drive;
  }
  return location;
}
