#include <gtest/gtest.h>

#include <cstring>

#include "net/endpoint.h"
#include "tests/net/link_fixture.h"

using ClientTagTest = LinkTest;

TEST_F(ClientTagTest, MatchComparesBytes1To10Only) {
  const Bytes reply = SearchReply(kOwnTag, DeviceTagFor(1, 2, 3, 4), "x");
  EXPECT_EQ(MatchClientTag(reply.data()), 1);

  Bytes otherOpcode = reply;
  otherOpcode[0] = 0x77;
  EXPECT_EQ(MatchClientTag(otherOpcode.data()), 1);

  for (int i = 1; i <= kTagSize; ++i) {
    Bytes changed = reply;
    changed[i] ^= 0x01;
    EXPECT_EQ(MatchClientTag(changed.data()), 0) << "byte " << i;
  }
}

TEST(ClientTag, EndsWithTheHostAddressAndDependsOnTheSeed) {
  const uint8_t host[4] = {192, 168, 0, 5};
  uint8_t first[kTagSize], again[kTagSize], other[kTagSize];
  FillClientTag(1000, host, first);
  FillClientTag(1000, host, again);
  FillClientTag(1001, host, other);

  EXPECT_EQ(0, std::memcmp(first + 6, host, 4));
  EXPECT_EQ(0, std::memcmp(first, again, kTagSize));
  EXPECT_NE(0, std::memcmp(first, other, 6));
}

TEST(ClientTag, MakeClientTagWritesTheHostAddressTextAndTag) {
  ResetDeviceLinkState();
  MakeClientTag();
  uint8_t host[4];
  FindHostAddress(host);
  char expected[16];
  std::snprintf(expected, sizeof expected, "%u.%u.%u.%u", host[0], host[1], host[2], host[3]);
  EXPECT_STREQ(g_link.localAddressText, expected);
  EXPECT_EQ(0, std::memcmp(g_link.clientTag + 6, host, 4));
  ResetDeviceLinkState();
}
