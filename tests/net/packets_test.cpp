#include "net/packets.h"

#include <string>

#include "net/discovery.h"
#include "tests/net/link_fixture.h"

namespace {

class BuilderTest : public LinkTest {
 protected:
  BuilderTest() {
    AppendAdapter("nas", "10.0.0.9", "255.0.0.0", "10.0.0.1", "0", adapter.bytes);
    CopyText(g_link.workingAddress, "10.0.0.9");
  }

  Bytes Built(int (*builder)(uint8_t*)) {
    const int length = builder(area);
    return Bytes(area, area + length);
  }

  const Tag adapter = DeviceTagFor(10, 0, 0, 9);
  uint8_t area[kPacketAreaSize] = {};
};

// The head shared by requests 3 and 5.
Bytes CommandHead(uint8_t opcode, uint8_t subCommand) {
  // clang-format off
  return {
      opcode,                                               // 0: opcode
      0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 10, 0, 0, 5,      // 1-10: ClientTag
      0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 10, 0, 0, 9,      // 11-20: DeviceTag
      subCommand,                                           // 21: sub-command
      0, 0,                                                 // 22-23
  };
  // clang-format on
}

Bytes Concat(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST_F(BuilderTest, SearchRequestIsOpcodeAndClientTag) {
  EXPECT_EQ(Built(BuildSearchRequest), (Bytes{1, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 10, 0, 0, 5}));
}

TEST_F(BuilderTest, AdminLoginWithEmptyPasswordIs35Bytes) {
  CopyText(g_link.credentials.userName, "admin");
  // clang-format off
  const Bytes expected = Concat(CommandHead(3, 4), {
      7, 0, 0, 0,                 // 24-27: U + P + 2
      'a', 'd', 'm', 'i', 'n',    // 28-32: user name
      0x55, 0xAA,                 // 33-34: separator; no password follows
  });
  // clang-format on
  EXPECT_EQ(Built(BuildLoginRequest), expected);
}

TEST_F(BuilderTest, LoginRequestCarriesUserNameSeparatorAndPassword) {
  CopyText(g_link.credentials.userName, "root");
  CopyText(g_link.credentials.password, "0123456789abcdef");  // 16 characters, stored whole
  // clang-format off
  const Bytes expected = Concat(CommandHead(3, 4), Concat({
      22, 0, 0, 0,                // 24-27: 4 + 16 + 2
      'r', 'o', 'o', 't',         // 28-31
      0x55, 0xAA,                 // 32-33
  }, Text("0123456789abcdef")));  // 34-49
  EXPECT_EQ(Built(BuildLoginRequest), expected);
  // clang-format on
}

TEST_F(BuilderTest, ShareListRequestIs28Bytes) {
  EXPECT_EQ(Built(BuildShareListRequest), Concat(CommandHead(3, 3), {0, 0, 0, 0}));
}

TEST_F(BuilderTest, DhcpRequestIs60Bytes) {
  EXPECT_EQ(Built(BuildDhcpRequest), Concat(CommandHead(5, 2), Bytes(36, 0)));
}

TEST_F(BuilderTest, StaticAddressRequestFor10_0_0_2Is68Bytes) {
  CopyText(g_link.pendingSettings.newIp, "10.0.0.2");
  CopyText(g_link.pendingSettings.newNetmask, "255.255.255.255");
  CopyText(g_link.pendingSettings.newGateway, "10.0.0.1");
  Bytes netmask = Text("255.255.255.255");  // 24-39: fills 15 of 16 bytes
  netmask.resize(16, 0);
  Bytes gateway = Text("10.0.0.1");  // 40-55: zero-filled to 16 bytes
  gateway.resize(16, 0);
  // clang-format off
  const Bytes expected = Concat(Concat(Concat(CommandHead(5, 1), netmask), gateway), Concat({
      8, 0, 0, 0,                 // 56-59: A
  }, Text("10.0.0.2")));          // 60-67: new address, no terminator
  EXPECT_EQ(Built(BuildStaticAddressRequest), expected);
  // clang-format on
}

TEST_F(BuilderTest, NothingIsBuiltForAnUnknownWorkingAddress) {
  for (const char* address : {"", "10.0.0.90", "10.0.0.09"}) {
    CopyText(g_link.workingAddress, address);
    for (auto builder :
         {BuildLoginRequest, BuildShareListRequest, BuildDhcpRequest, BuildStaticAddressRequest}) {
      EXPECT_EQ(builder(area), 0) << address;
      EXPECT_EQ(Bytes(area, area + kPacketAreaSize), Bytes(kPacketAreaSize, 0)) << address;
    }
  }
}

TEST_F(BuilderTest, RecordNearerTheHeadIsAddressed) {
  const Tag second = DeviceTagFor(10, 0, 0, 9, 0xE0);
  AppendAdapter("twin", "10.0.0.9", "255.0.0.0", "10.0.0.1", "0", second.bytes);
  const Bytes request = Built(BuildShareListRequest);
  EXPECT_EQ(Bytes(request.begin() + 11, request.begin() + 21),
            Bytes(adapter.bytes, adapter.bytes + kTagSize));
}

// Every reader refuses every cut of a reply shorter than the fields it reads.
TEST(ReplyReaders, RefuseEveryCutShorterThanTheirFields) {
  const uint8_t tag[kTagSize] = {};
  const Bytes search = SearchReply(tag, DeviceTagFor(10, 1, 2, 3), "adapter");
  const Bytes login = DeviceReply(kDeviceReply, tag, DeviceTagFor(10, 1, 2, 3), {1});
  const Bytes address = DeviceReply(kAddressReply, tag, DeviceTagFor(10, 1, 2, 3));

  SearchReplyFields fields;
  for (size_t cut = 0; cut < search.size(); ++cut)
    EXPECT_FALSE(ReadSearchReply(search.data(), int(cut), fields)) << cut;
  ASSERT_TRUE(ReadSearchReply(search.data(), int(search.size()), fields));
  EXPECT_STREQ(fields.name, "adapter");

  int result = 0;
  for (size_t cut = 0; cut < login.size(); ++cut)
    EXPECT_FALSE(ReadLoginResult(login.data(), int(cut), result)) << cut;
  ASSERT_TRUE(ReadLoginResult(login.data(), int(login.size()), result));
  EXPECT_EQ(result, 1);

  char text[kAddressTextSize];
  for (size_t cut = 0; cut < 21; ++cut)
    EXPECT_FALSE(ReadReplyAddress(address.data(), int(cut), text)) << cut;
  ASSERT_TRUE(ReadReplyAddress(address.data(), 21, text));
  EXPECT_STREQ(text, "10.1.2.3");

  int names = 0;
  for (size_t cut = 0; cut < 21; ++cut)
    EXPECT_FALSE(ReadShareNames(address.data(), int(cut), [&](const char*) { ++names; })) << cut;
  EXPECT_EQ(names, 0);
}

TEST(ReplyReaders, LoginResultIsASignedByte) {
  const uint8_t tag[kTagSize] = {};
  int result = 0;
  const Bytes refused = DeviceReply(kDeviceReply, tag, DeviceTagFor(1, 1, 1, 1), {0});
  ASSERT_TRUE(ReadLoginResult(refused.data(), int(refused.size()), result));
  EXPECT_EQ(result, 0);
  const Bytes odd = DeviceReply(kDeviceReply, tag, DeviceTagFor(1, 1, 1, 1), {0xFF});
  ASSERT_TRUE(ReadLoginResult(odd.data(), int(odd.size()), result));
  EXPECT_EQ(result, -1);
}

}  // namespace
