#include "net/address_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(AddressText, OctetsAbove127PrintUnsigned) {
  const uint8_t octets[4] = {192, 168, 0, 10};
  char text[16];
  FormatAddressText(octets, text);
  EXPECT_STREQ(text, "192.168.0.10");

  const uint8_t widest[4] = {255, 255, 255, 255};
  FormatAddressText(widest, text);
  EXPECT_STREQ(text, "255.255.255.255");
}

TEST(AddressText, ParseAcceptsOnlyStrictDottedDecimal) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {"10.0.0.2", true},    {"255.255.255.255", true}, {"0.0.0.0", true},   {"256.0.0.1", false},
      {"10.0.0", false},     {"10.0.0.2.3", false},     {"10..0.2", false},  {"", false},
      {"10.0.0.2 ", false},  {" 10.0.0.2", false},      {"-1.0.0.2", false}, {"0x0A.0.0.2", false},
      {"1000.0.0.2", false}, {"10.0.0.", false},
  };
  for (const Case& c : cases) {
    uint8_t octets[4] = {9, 9, 9, 9};
    EXPECT_EQ(ParseAddressText(c.text, octets), c.valid) << c.text;
    if (!c.valid) {
      EXPECT_EQ(octets[0], 9) << "written on failure: " << c.text;
    }
  }
  uint8_t octets[4];
  ASSERT_TRUE(ParseAddressText("192.168.0.10", octets));
  EXPECT_EQ(octets[0], 192);
  EXPECT_EQ(octets[3], 10);
}
