// The drive letter shown under "Location" for a share: which table entries match an adapter's
// name or IP text and a share name, under the exact and the case-insensitive server comparison.

#include "ui/share_location.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Mapping {
  char letter;
  const char* server;
  const char* share;
};

// A table as RefreshMappedDrives leaves it: every drive text written, only the given letters
// connected.
class Table {
 public:
  Table(std::initializer_list<Mapping> mappings) {
    std::memset(entries_, 0, sizeof entries_);
    for (int i = 0; i < kDriveLetterCount; ++i) {
      entries_[i].drive[0] = char('A' + i);
      entries_[i].drive[1] = ':';
    }
    for (const Mapping& m : mappings) {
      MappedDriveEntry& entry = entries_[m.letter - 'A'];
      std::strcpy(entry.server, m.server);
      std::strcpy(entry.share, m.share);
    }
  }
  const MappedDriveEntry (&entries() const)[kDriveLetterCount] { return entries_; }

 private:
  MappedDriveEntry entries_[kDriveLetterCount];
};

std::string Location(const Table& table, const char* share, ServerComparison comparison,
                     const char* name = "NAS-Studio", const char* ip = "10.213.1.10") {
  const char* drive = ShareLocation(table.entries(), name, ip, share, comparison);
  return drive ? drive : "(none)";
}

TEST(SameText, FoldsOnlyAsciiLettersAndOnlyWhenAsked) {
  struct Case {
    const char* a;
    const char* b;
    bool exact;
    bool ignoringCase;
  } cases[] = {
      {"NAS", "NAS", true, true},
      {"NAS", "nas", false, true},
      {"Nas-1", "nAS-1", false, true},
      {"NAS", "NAS2", false, false},  // a prefix is not equal
      {"NAS2", "NAS", false, false},
      {"", "", true, true},
      {"@[`{", "@[`{", true, true},
      {"@", "`", false, false},  // 0x40 and 0x60 differ by the case bit but are no letters
      {"[", "{", false, false},
      {"\xC4", "\xE4", false, false},  // no folding beyond A to Z, whatever the code page
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameText(c.a, c.b, ServerComparison::kExact), c.exact) << c.a << " / " << c.b;
    EXPECT_EQ(SameText(c.a, c.b, ServerComparison::kIgnoreCase), c.ignoringCase)
        << c.a << " / " << c.b;
  }
}

TEST(ShareLocation, MatchesTheAdaptersNameOrIpText) {
  const Table table{
      {'E', "NAS-Studio", "music"}, {'F', "10.213.1.10", "photos"}, {'G', "OTHER", "backup"}};
  for (ServerComparison comparison : {ServerComparison::kExact, ServerComparison::kIgnoreCase}) {
    EXPECT_EQ(Location(table, "music", comparison), "E:");
    EXPECT_EQ(Location(table, "photos", comparison), "F:");
    EXPECT_EQ(Location(table, "backup", comparison), "(none)") << "another server's share";
    EXPECT_EQ(Location(table, "docs", comparison), "(none)");
  }
}

TEST(ShareLocation, ServerCaseMattersOnlyUnderTheExactComparison) {
  const Table table{{'E', "nas-studio", "music"}};
  EXPECT_EQ(Location(table, "music", ServerComparison::kExact), "(none)");
  EXPECT_EQ(Location(table, "music", ServerComparison::kIgnoreCase), "E:");
}

TEST(ShareLocation, ShareNamesAlwaysIgnoreCase) {
  const Table table{{'E', "NAS-Studio", "MUSIC"}};
  EXPECT_EQ(Location(table, "music", ServerComparison::kExact), "E:");
  EXPECT_EQ(Location(table, "Music", ServerComparison::kIgnoreCase), "E:");
}

TEST(ShareLocation, TheLastOfSeveralLettersWins) {
  const Table table{
      {'E', "NAS-Studio", "music"}, {'K', "10.213.1.10", "music"}, {'H', "NAS-Studio", "music"}};
  EXPECT_EQ(Location(table, "music", ServerComparison::kExact), "K:");
}

TEST(ShareLocation, UnmappedLettersNeverMatch) {
  // An adapter with an empty name must not pick up the empty server of a free letter, and a
  // share part alone is no mapping.
  const Table table{{'E', "", "music"}};
  EXPECT_EQ(Location(table, "music", ServerComparison::kExact, "", "10.213.1.10"), "(none)");
  EXPECT_EQ(Location(table, "", ServerComparison::kIgnoreCase, "", ""), "(none)");
}

TEST(ShareLocation, WholeNamesOnly) {
  const Table table{
      {'E', "NAS-Studio2", "music"}, {'F', "NAS-Studio", "music2"}, {'G', "10.213.1.100", "music"}};
  EXPECT_EQ(Location(table, "music", ServerComparison::kIgnoreCase), "(none)");
}

}  // namespace
