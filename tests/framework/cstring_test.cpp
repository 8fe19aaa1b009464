// CString: formatting without truncation, search, comparison, string resources.

#include <gtest/gtest.h>

#include <string>

#include "framework.h"
#include "test_resources.h"

namespace {

TEST(CStringTest, FormatKeepsTheWholeText) {
  CString text;
  text.Format("explorer http://%s", "192.168.1.20");
  EXPECT_EQ(text, "explorer http://192.168.1.20");
  const std::string big(3000, 'q');
  text.Format("<%s>%d", big.c_str(), 7);
  EXPECT_EQ(text.str(), "<" + big + ">7");
  EXPECT_EQ(text.GetLength(), 3003);
}

TEST(CStringTest, FindAndEmptiness) {
  CString name("Windows 98 SE");
  EXPECT_EQ(name.Find("98"), 8);
  EXPECT_EQ(name.Find("ME"), -1);
  EXPECT_EQ(name.Find("S"), 11);
  EXPECT_EQ(name.Find("s", 6), 6) << "the search starts at the given index";
  EXPECT_EQ(name.Find("s", 7), -1) << "case matters";
  EXPECT_EQ(name.Find("s", 99), -1);
  EXPECT_FALSE(name.IsEmpty());
  CString empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.GetLength(), 0);
  EXPECT_EQ(std::string(static_cast<const char*>(empty)), "");
}

TEST(CStringTest, ComparesWholeTexts) {
  CString a("Enabled");
  EXPECT_TRUE(a == "Enabled");
  EXPECT_TRUE("Enabled" == a);
  EXPECT_FALSE(a == "enabled");
  EXPECT_FALSE(a == "Enabled ");
  EXPECT_TRUE(a != CString("Disabled"));
}

TEST(CStringTest, LoadStringReadsResources) {
  CString text;
  EXPECT_TRUE(text.LoadString(IDS_GREETING));
  EXPECT_EQ(text, "About Test(&A)...");
  EXPECT_TRUE(text.LoadString(IDS_LONG));
  EXPECT_EQ(text.GetLength(), 400) << "longer than a first buffer";
  EXPECT_FALSE(text.LoadString(12345));
  EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
