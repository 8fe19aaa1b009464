#include <ostream>
#include <string>
#include <vector>

#include "drive_test_fixture.h"

namespace {

using MappedDriveTableTest = DriveTest;

TEST_F(MappedDriveTableTest, WritesEveryDriveTextAndLeavesFreeLettersEmpty) {
  drives.Connect('G', "\\\\SRV\\music");
  RefreshMappedDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    SCOPED_TRACE(letter);
    EXPECT_EQ(std::string{letter} + ":", Entry(letter).drive);
    if (letter == 'G') continue;
    EXPECT_STREQ("", Entry(letter).server);
    EXPECT_STREQ("", Entry(letter).share);
    EXPECT_FALSE(IsMapped(Entry(letter)));
  }
  EXPECT_STREQ("SRV", Entry('G').server);
  EXPECT_STREQ("music", Entry('G').share);
  EXPECT_TRUE(IsMapped(Entry('G')));
}

TEST_F(MappedDriveTableTest, AsksEveryLetterInOrderWithTheFullCapacityEachTime) {
  // B: has a name too long for the buffer: its failed call writes back a larger size, which
  // must not carry over to the calls for the letters after it.
  drives.Connect('B', "\\\\SRV\\" + std::string(400, 'x'));
  drives.Connect('C', "\\\\SRV\\music");
  RefreshMappedDrives();

  const std::vector<DriveCall> calls = drives.Calls();
  ASSERT_EQ(26u, calls.size());
  for (size_t index = 0; index < calls.size(); ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(DriveCall::Kind::kGetConnection, calls[index].kind);
    EXPECT_EQ((std::string{static_cast<char>('A' + index), ':'}), calls[index].name);
    EXPECT_EQ(256u, calls[index].sizeGiven);
  }
  EXPECT_EQ(kErrorMoreData, calls[1].result);
  EXPECT_STREQ("music", Entry('C').share);
}

struct RemoteNameCase {
  const char* label;
  std::string remoteName;
  std::string server;
  std::string share;
};

void PrintTo(const RemoteNameCase& example, std::ostream* out) {
  *out << example.label;
}

class RemoteNameSplit : public DriveTest, public ::testing::WithParamInterface<RemoteNameCase> {};

// Every case starts from an entry that an earlier refresh mapped, so a name that gives no
// mapping must clear it rather than leave the old one showing.
TEST_P(RemoteNameSplit, SplitsAtTheFirstBackslashAfterTheLeadingTwo) {
  const RemoteNameCase& example = GetParam();
  drives.Connect('K', "\\\\OLD\\stale");
  RefreshMappedDrives();
  ASSERT_TRUE(IsMapped(Entry('K')));

  drives.Connect('K', example.remoteName);
  RefreshMappedDrives();
  EXPECT_EQ(example.server, Entry('K').server);
  EXPECT_EQ(example.share, Entry('K').share);
  EXPECT_STREQ("K:", Entry('K').drive);
}

const std::string kServer63(63, 's');
const std::string kShare252(252, 'm');  // with \\, the server S and \ the name is 256 long

INSTANTIATE_TEST_SUITE_P(
    RemoteNames, RemoteNameSplit,
    ::testing::Values(RemoteNameCase{"plain", "\\\\SRV\\music", "SRV", "music"},
                      RemoteNameCase{"deeper_path", "\\\\SRV\\music\\old", "SRV", "music\\old"},
                      RemoteNameCase{"empty_share", "\\\\SRV\\", "SRV", ""},
                      RemoteNameCase{"empty_server", "\\\\\\music", "", "music"},
                      RemoteNameCase{"leading_two_unexamined", "a\\bc\\d", "bc", "d"},
                      RemoteNameCase{"backslash_at_position_2", "\\\\\\\\x", "", "\\x"},
                      RemoteNameCase{"no_separator", "\\\\SRV", "", ""},
                      RemoteNameCase{"only_leading_two", "\\\\", "", ""},
                      RemoteNameCase{"one_character", "\\", "", ""},
                      RemoteNameCase{"empty", "", "", ""},
                      RemoteNameCase{"server_of_63", "\\\\" + kServer63 + "\\music", kServer63,
                                     "music"},
                      RemoteNameCase{"server_over_63_is_cut", "\\\\" + kServer63 + "xyz\\music",
                                     kServer63, "music"},
                      RemoteNameCase{"longest_that_fits", "\\\\S\\" + std::string(251, 'm'), "S",
                                     std::string(251, 'm')},
                      RemoteNameCase{"one_too_long_to_fit", "\\\\S\\" + kShare252, "", ""}),
    [](const ::testing::TestParamInfo<RemoteNameCase>& info) { return info.param.label; });

TEST_F(MappedDriveTableTest, AFailedQueryClearsTheEntry) {
  for (const char letter : {'G', 'H', 'I', 'J'}) drives.Connect(letter, "\\\\SRV\\music");
  RefreshMappedDrives();
  ASSERT_TRUE(IsMapped(Entry('G')) && IsMapped(Entry('J')));

  drives.FailConnectionQuery('G', kErrorNoNetwork);
  drives.FailConnectionQuery('H', 1201);  // a remembered connection that is unavailable now
  // A call that reports success but writes no name must not show the previous letter's name.
  drives.FailConnectionQuery('J', kNoError);
  RefreshMappedDrives();

  for (const char letter : {'G', 'H', 'J'}) {
    SCOPED_TRACE(letter);
    EXPECT_STREQ("", Entry(letter).server);
    EXPECT_STREQ("", Entry(letter).share);
  }
  EXPECT_TRUE(IsMapped(Entry('I')));
}

TEST(IsMappedTest, NeedsBothServerAndShare) {
  EXPECT_TRUE(IsMapped(MappedDriveEntry{"SRV", "music", "G:"}));
  EXPECT_FALSE(IsMapped(MappedDriveEntry{"SRV", "", "G:"}));
  EXPECT_FALSE(IsMapped(MappedDriveEntry{"", "music", "G:"}));
  EXPECT_FALSE(IsMapped(MappedDriveEntry{"", "", "G:"}));
}

}  // namespace
