#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "drives/windows_version.h"

namespace {

struct VersionCase {
  uint32_t platformId;
  uint32_t major;
  uint32_t minor;
  uint32_t build;
  const char* name;
  int code;
};

void PrintTo(const VersionCase& example, std::ostream* out) {
  *out << example.platformId << "/" << example.major << "." << example.minor << "."
       << example.build;
}

// Every release of the table, each build bound on both sides, and the neighbours that no
// release claims.
const VersionCase kVersionCases[] = {
    {1, 4, 0, 949, "unknown Windows version", 0},
    {1, 4, 0, 950, "Windows 95", 1},
    {1, 4, 0, 951, "Windows 95 SP1", 2},
    {1, 4, 0, 1080, "Windows 95 SP1", 2},
    {1, 4, 0, 1081, "Windows 95 OSR2", 3},
    {1, 4, 3, 1212, "Windows 95 OSR2", 3},
    {1, 4, 9, 950, "Windows 95", 1},
    {1, 4, 10, 1997, "unknown Windows version", 0},
    {1, 4, 10, 1998, "Windows 98", 4},
    {1, 4, 10, 1999, "Windows 98 SP1", 5},
    {1, 4, 10, 2182, "Windows 98 SP1", 5},
    {1, 4, 10, 2183, "Windows 98 SE", 6},
    {1, 4, 10, 2222, "Windows 98 SE", 6},
    {1, 4, 11, 2222, "unknown Windows version", 0},
    {1, 4, 89, 3000, "unknown Windows version", 0},
    {1, 4, 90, 0, "Windows ME", 7},
    {1, 4, 90, 3000, "Windows ME", 7},
    {1, 4, 91, 3000, "unknown Windows version", 0},
    {1, 4, 0xFFFFFFFFu, 950, "unknown Windows version", 0},  // minor compared unsigned
    {1, 3, 0, 950, "unknown Windows version", 0},
    {1, 5, 0, 950, "unknown Windows version", 0},
    {2, 3, 51, 1057, "Windows NT 3.51", 101},
    {2, 3, 50, 807, "unknown Windows version", 0},
    {2, 4, 0, 1381, "Windows NT 4", 102},
    {2, 4, 1, 1381, "unknown Windows version", 0},
    {2, 5, 0, 2195, "Windows 2000", 103},
    {2, 5, 1, 2600, "Windows XP", 104},
    {2, 5, 2, 3790, "unknown Windows version", 0},
    {2, 6, 0, 6000, "unknown Windows version", 0},
    {2, 10, 0, 19045, "unknown Windows version", 0},
    {3, 0, 0, 0, "Windows CE", 201},
    {3, 5, 2, 123, "Windows CE", 201},
    {0, 4, 0, 950, "unknown Windows version", 0},
    {4, 5, 1, 2600, "unknown Windows version", 0},
};

class VersionDecoding : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionDecoding, GivesTheReleaseOfTheTable) {
  const VersionCase& example = GetParam();
  const WindowsRelease release =
      DecodeWindowsVersion(example.platformId, example.major, example.minor, example.build);
  EXPECT_EQ(example.name, release.name);
  EXPECT_EQ(example.code, release.code);
}

INSTANTIATE_TEST_SUITE_P(Releases, VersionDecoding, ::testing::ValuesIn(kVersionCases),
                         [](const ::testing::TestParamInfo<VersionCase>& info) {
                           const VersionCase& c = info.param;
                           return "platform" + std::to_string(c.platformId) + "_" +
                                  std::to_string(c.major) + "_" + std::to_string(c.minor) +
                                  "_build" + std::to_string(c.build);
                         });

TEST(VersionDecodingTest, ReadsOnlyTheLow16BitsOfTheBuild) {
  // The 95 family repeats major and minor in the high 16 bits: 4.10.1998 is 0x040A07CE.
  EXPECT_EQ("Windows 98", DecodeWindowsVersion(1, 4, 10, 0x040A07CEu).name);
  EXPECT_EQ("Windows 95 SP1", DecodeWindowsVersion(1, 4, 0, 0xFFFF0000u | 1080u).name);
  EXPECT_EQ("unknown Windows version", DecodeWindowsVersion(1, 4, 0, 0x00010000u | 949u).name);
}

// The callers decide by plain substrings of the name; these are the answers they rely on.
TEST(VersionDecodingTest, NamesCarryTheSubstringsThatCallersTestFor) {
  struct Expectation {
    const char* name;
    bool nt, has98, me;
  };
  const Expectation expectations[] = {
      {"Windows 95", false, false, false},
      {"Windows 95 SP1", false, false, false},
      {"Windows 95 OSR2", false, false, false},
      {"Windows 98", false, true, false},
      {"Windows 98 SP1", false, true, false},
      {"Windows 98 SE", false, true, false},
      {"Windows ME", false, false, true},
      {"Windows NT 3.51", true, false, false},
      {"Windows NT 4", true, false, false},
      {"Windows 2000", false, false, false},
      {"Windows XP", false, false, false},
      {"Windows CE", false, false, false},
      {"unknown Windows version", false, false, false},
  };
  for (const VersionCase& example : kVersionCases) {
    const std::string name =
        DecodeWindowsVersion(example.platformId, example.major, example.minor, example.build).name;
    SCOPED_TRACE(name);
    bool listed = false;
    for (const Expectation& expectation : expectations) {
      if (name != expectation.name) continue;
      listed = true;
      EXPECT_EQ(expectation.nt, name.find("NT") != std::string::npos);
      EXPECT_EQ(expectation.has98, name.find("98") != std::string::npos);
      EXPECT_EQ(expectation.me, name.find("ME") != std::string::npos);
    }
    EXPECT_TRUE(listed);
  }
}

class GetWindowsVersionTest : public ::testing::Test {
 protected:
  ~GetWindowsVersionTest() override { UnfixPlatformVersion(); }
  std::string name = "left over";
  int code = -1;
};

TEST_F(GetWindowsVersionTest, ReportsTheReleaseOfAnAnsweredQuery) {
  FixPlatformVersion(PlatformVersion{2, 5, 1, 2600});
  EXPECT_EQ(1, GetWindowsVersion(name, code));
  EXPECT_EQ("Windows XP", name);
  EXPECT_EQ(104, code);

  FixPlatformVersion(PlatformVersion{1, 4, 10, 0x040A07CEu});
  EXPECT_EQ(1, GetWindowsVersion(name, code));
  EXPECT_EQ("Windows 98", name);
  EXPECT_EQ(4, code);
}

TEST_F(GetWindowsVersionTest, AnUnknownReleaseStillCountsAsAnswered) {
  FixPlatformVersion(PlatformVersion{2, 6, 0, 6000});
  EXPECT_EQ(1, GetWindowsVersion(name, code));
  EXPECT_EQ("unknown Windows version", name);
  EXPECT_EQ(0, code);
}

TEST_F(GetWindowsVersionTest, AFailedQueryGivesTheUnknownNameAndZero) {
  FixPlatformVersion(std::nullopt);
  EXPECT_EQ(0, GetWindowsVersion(name, code));
  EXPECT_EQ("unknown Windows version", name);
  EXPECT_EQ(0, code);
}

#ifndef _WIN32
TEST_F(GetWindowsVersionTest, WithoutWindowsTheQueryIsNeverAnswered) {
  FixPlatformVersion(PlatformVersion{2, 5, 1, 2600});
  UnfixPlatformVersion();
  EXPECT_EQ(0, GetWindowsVersion(name, code));
  EXPECT_EQ("unknown Windows version", name);
}
#endif

}  // namespace
