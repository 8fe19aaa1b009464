#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "drive_test_fixture.h"
#include "drives/drive_combo.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The plain items of the letters from..to, in order.
std::vector<std::string> Letters(char from, char to) {
  std::vector<std::string> texts;
  for (char letter = from; letter <= to; ++letter) texts.push_back(std::string{letter} + ":");
  return texts;
}

class DriveComboTest : public DriveTest {
 protected:
  DriveComboItems RefreshAndCompute() {
    RefreshMappedDrives();
    drives.ClearCalls();
    return ComputeDriveComboItems();
  }

  // Maps every letter from D: to Z: so that only what a test changes can be free.
  void MapDThroughZ() {
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
      drives.Connect(letter, std::string("\\\\SRV\\share") + letter);
    }
  }
};

TEST_F(DriveComboTest, OffersFreeAndMappedLettersAndSelectsTheFirstFree) {
  drives.SetDriveType('C', kDriveFixed);
  drives.SetDriveType('D', kDriveFixed);
  drives.SetDriveType('E', kDriveCdRom);
  drives.Connect('G', "\\\\SRV\\music");

  const DriveComboItems items = RefreshAndCompute();

  std::vector<std::string> expected = {"F:", "G: \\\\SRV\\music"};
  const std::vector<std::string> rest = Letters('H', 'Z');
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_THAT(items.texts, ElementsAreArray(expected));
  EXPECT_EQ(0, items.selectedIndex);
}

TEST_F(DriveComboTest, AsksTheTypeOfEveryLetterInOrderWithoutABackslash) {
  RefreshAndCompute();
  std::vector<std::string> asked;
  for (const DriveCall& call : drives.Calls()) {
    EXPECT_EQ(DriveCall::Kind::kQueryDriveType, call.kind);
    asked.push_back(call.name);
  }
  EXPECT_THAT(asked, ElementsAreArray(Letters('A', 'Z')));
}

TEST_F(DriveComboTest, NeverOffersAThroughCWhateverTheirState) {
  drives.Connect('A', "\\\\SRV\\floppy");   // a network drive, mapped
  drives.SetDriveType('B', kDriveUnknown);  // free
  drives.FailConnectionQuery('C', kErrorNoNetwork);
  drives.SetDriveType('C', kDriveRemote);  // a network drive whose query fails

  const DriveComboItems items = RefreshAndCompute();

  EXPECT_THAT(items.texts, ElementsAreArray(Letters('D', 'Z')));
  EXPECT_EQ(0, items.selectedIndex);
}

struct DriveTypeCase {
  uint32_t type;
  bool offered;
};

void PrintTo(const DriveTypeCase& example, std::ostream* out) {
  *out << "type " << example.type;
}

class DriveTypeFilter : public DriveComboTest,
                        public ::testing::WithParamInterface<DriveTypeCase> {};

TEST_P(DriveTypeFilter, OffersOnlyLettersThatAreNoLocalMedium) {
  drives.SetDriveType('D', GetParam().type);
  const DriveComboItems items = RefreshAndCompute();
  ASSERT_FALSE(items.texts.empty());
  EXPECT_EQ(GetParam().offered, items.texts.front() == "D:");
  EXPECT_EQ(GetParam().offered ? 23u : 22u, items.texts.size());
}

INSTANTIATE_TEST_SUITE_P(
    DriveTypes, DriveTypeFilter,
    ::testing::Values(DriveTypeCase{kDriveUnknown, true}, DriveTypeCase{kDriveNoRootDir, true},
                      DriveTypeCase{kDriveRemovable, false}, DriveTypeCase{kDriveFixed, false},
                      DriveTypeCase{kDriveRemote, true}, DriveTypeCase{kDriveCdRom, false},
                      DriveTypeCase{kDriveRamDisk, false}, DriveTypeCase{7, true},
                      DriveTypeCase{0xFFFFFFFFu, true}));

TEST_F(DriveComboTest, ANetworkDriveWithoutAUsableMappingIsPlainAndCanBeTheDefault) {
  MapDThroughZ();
  drives.Connect('G', "\\\\SRV\\");  // empty share
  drives.FailConnectionQuery('K', kErrorNoNetwork);

  const DriveComboItems items = RefreshAndCompute();

  ASSERT_EQ(23u, items.texts.size());
  EXPECT_EQ("D: \\\\SRV\\shareD", items.texts[0]);
  EXPECT_EQ("G:", items.texts[3]);
  EXPECT_EQ("K:", items.texts[7]);
  EXPECT_EQ(3, items.selectedIndex);
}

TEST_F(DriveComboTest, NoSelectionWhenEveryListedLetterIsMapped) {
  MapDThroughZ();
  drives.Connect('M', "\\\\SRV\\music\\old");
  const DriveComboItems items = RefreshAndCompute();
  ASSERT_EQ(23u, items.texts.size());
  EXPECT_EQ("M: \\\\SRV\\music\\old", items.texts[9]);
  EXPECT_EQ(-1, items.selectedIndex);
}

TEST_F(DriveComboTest, NoItemsAndNoSelectionWhenNothingIsListed) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) drives.SetDriveType(letter, kDriveFixed);
  const DriveComboItems items = RefreshAndCompute();
  EXPECT_THAT(items.texts, ElementsAre());
  EXPECT_EQ(-1, items.selectedIndex);
}

TEST_F(DriveComboTest, ATableNeverRefreshedStillGivesTheLetters) {
  drives.SetDriveType('D', kDriveFixed);
  const DriveComboItems items = ComputeDriveComboItems();
  EXPECT_THAT(items.texts, ElementsAreArray(Letters('E', 'Z')));
  EXPECT_EQ(0, items.selectedIndex);
}

}  // namespace
