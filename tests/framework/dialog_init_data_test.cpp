// Reading the dialog-initialisation resource: annotated bytes, and every cut of them.

#include <gtest/gtest.h>

#include <vector>

#include "dialog_init_data.h"

namespace {

// clang-format off
const std::vector<uint8_t> kTwoStrings = {
    0xF7, 0x03,              // control 1015
    0x03, 0x04,              // combo-box string (16-bit number)
    0x09, 0x00, 0x00, 0x00,  // 9 bytes
    'D', 'i', 's', 'a', 'b', 'l', 'e', 'd', 0,
    0xF7, 0x03,              // control 1015
    0x01, 0x04,              // list-box string
    0x07, 0x00, 0x00, 0x00,  // 7 bytes, no terminating zero
    'E', 'n', 'a', 'b', 'l', 'e', 'd',
    0x00, 0x00,              // end
};
// clang-format on

TEST(DialogInitData, ReadsEntriesAndTranslatesMessages) {
  auto entries = ParseDialogInitData(kTwoStrings.data(), kTwoStrings.size());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].controlId, 1015);
  EXPECT_EQ(entries[0].message, static_cast<UINT>(CB_ADDSTRING));
  EXPECT_EQ(entries[0].data, "Disabled");
  EXPECT_EQ(entries[1].message, static_cast<UINT>(LB_ADDSTRING));
  EXPECT_EQ(entries[1].data, "Enabled");
}

TEST(DialogInitData, SkipsOtherMessagesAndStopsAtTheEnd) {
  // clang-format off
  const std::vector<uint8_t> bytes = {
      0x10, 0x00, 0x76, 0x03, 0x02, 0x00, 0x00, 0x00, 0xAA, 0xBB,  // other message: skipped
      0x11, 0x00, 0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 'A', 0,      // kept
      0x00, 0x00,                                                  // end
      0x12, 0x00, 0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 'B', 0,      // after the end
  };
  // clang-format on
  auto entries = ParseDialogInitData(bytes.data(), bytes.size());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].controlId, 0x11);
  EXPECT_EQ(entries[0].data, "A");
}

TEST(DialogInitData, EveryCutKeepsOnlyWholeEntries) {
  const std::size_t firstEntryEnd = 8 + 9;
  for (std::size_t cut = 0; cut <= kTwoStrings.size(); ++cut) {
    SCOPED_TRACE(cut);
    // A copy of exactly `cut` bytes, so reading past it would be caught by the heap checks.
    std::vector<uint8_t> part(kTwoStrings.begin(), kTwoStrings.begin() + cut);
    auto entries = ParseDialogInitData(part.data(), part.size());
    std::size_t expected = cut < firstEntryEnd ? 0 : cut < kTwoStrings.size() - 2 ? 1 : 2;
    EXPECT_EQ(entries.size(), expected);
  }
}

TEST(DialogInitData, HugeLengthIsRefused) {
  const std::vector<uint8_t> bytes = {0x01, 0x00, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 'x', 0};
  EXPECT_TRUE(ParseDialogInitData(bytes.data(), bytes.size()).empty());
}

}  // namespace
