// Building replies: the bytes at the offsets the client reads.

#include <gtest/gtest.h>

#include <vector>

#include "sim/replies.h"
#include "tests/sim/request_builders.h"

namespace {

const Tag kClient = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1};
const Tag kDevice = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x01, 192, 168, 0, 10};

TEST(Replies, SearchReplyCarriesTheAdapterFields) {
  const Datagram reply =
      EncodeSearchReply(kClient, {kDevice, '1', {255, 255, 255, 0}, {192, 168, 0, 1}, "NAS"});
  // clang-format off
  std::vector<uint8_t> expected = {
      0x02,                                                  // opcode
      0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1,     // client tag, echoed
      0x02, 0x00, 0x5E, 0x10, 0x00, 0x01, 192, 168, 0, 10,   // device tag
      '1', 0, 0,                                             // DHCP flag, two unread bytes
  };
  // clang-format on
  const char netmask[16] = "255.255.255.0";
  const char gateway[16] = "192.168.0.1";
  expected.insert(expected.end(), netmask, netmask + 16);  // 24: netmask, zero-filled
  expected.insert(expected.end(), gateway, gateway + 16);  // 40: gateway, zero-filled
  expected.insert(expected.end(), {3, 0, 0, 0});           // 56: name count
  expected.insert(expected.end(), {'N', 'A', 'S'});        // 60: name, no terminator
  EXPECT_EQ(reply, expected);
}

TEST(Replies, LongestAddressTextsStillEndWithAZeroInTheirField) {
  const Datagram reply =
      EncodeSearchReply(kClient, {kDevice, '0', {255, 255, 255, 255}, {255, 255, 255, 254}, ""});
  ASSERT_EQ(reply.size(), 60u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&reply[24])), "255.255.255.255");
  EXPECT_EQ(reply[39], 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&reply[40])), "255.255.255.254");
  EXPECT_EQ(reply[55], 0);
}

TEST(Replies, DeviceRepliesPutTheirDataAt28) {
  const Datagram login = EncodeLoginReply(kClient, kDevice, 0xFF);
  ASSERT_EQ(login.size(), 29u);
  EXPECT_EQ(login[0], 4);
  EXPECT_EQ(simtest::TagAt(login, 1), kClient);
  EXPECT_EQ(simtest::TagAt(login, 11), kDevice);
  EXPECT_EQ(login[28], 0xFF);

  const Datagram shares = EncodeShareListReply(kClient, kDevice, "music:photos");
  ASSERT_EQ(shares.size(), 28u + 12u);
  EXPECT_EQ(shares[0], 4);
  EXPECT_EQ(std::vector<uint8_t>(shares.begin() + 21, shares.begin() + 28),
            std::vector<uint8_t>(7, 0));
  EXPECT_EQ(std::string(shares.begin() + 28, shares.end()), "music:photos");

  const Datagram address = EncodeAddressReply(kClient, kDevice);
  EXPECT_EQ(address[0], 6);
  EXPECT_EQ(std::vector<uint8_t>(address.begin() + 17, address.begin() + 21),
            (std::vector<uint8_t>{192, 168, 0, 10}));
}

}  // namespace
