#include "net/commands.h"

#include <string>
#include <vector>

#include "net/discovery.h"
#include "tests/net/link_fixture.h"

namespace {

class CommandTest : public LinkTest {
 protected:
  CommandTest() {
    AppendAdapter("nas", "192.168.0.10", "255.255.255.0", "192.168.0.1", "0", adapter.bytes);
    CopyText(g_link.workingAddress, "192.168.0.10");
    CopyText(g_link.credentials.userName, "admin");
    CopyText(g_link.pendingSettings.newIp, "10.0.0.2");
    CopyText(g_link.pendingSettings.newNetmask, "255.0.0.0");
    CopyText(g_link.pendingSettings.newGateway, "10.255.255.254");
  }

  const Tag adapter = DeviceTagFor(192, 168, 0, 10);
  const Tag moved = DeviceTagFor(10, 0, 0, 2);
};

// What every command shares: one request, the counted polls, what counts and what does not.
struct CommandCase {
  const char* name;
  int32_t (*run)();
  uint8_t replyOpcode;
  int countedPollsAtMost;
  Bytes (*acceptedReply)(const uint8_t* tag);
};

const CommandCase kCommands[] = {
    {"AdminLogin", AdminLogin, kDeviceReply, 11,
     [](const uint8_t* tag) {
       return DeviceReply(kDeviceReply, tag, DeviceTagFor(192, 168, 0, 10), {1});
     }},
    {"FetchShareList", FetchShareList, kDeviceReply, 11,
     [](const uint8_t* tag) {
       return DeviceReply(kDeviceReply, tag, DeviceTagFor(192, 168, 0, 10), Text("a"));
     }},
    {"EnableDhcp", EnableDhcp, kAddressReply, 101,
     [](const uint8_t* tag) {
       return DeviceReply(kAddressReply, tag, DeviceTagFor(192, 168, 0, 77));
     }},
    {"SetStaticAddress", SetStaticAddress, kAddressReply, 101,
     [](const uint8_t* tag) { return DeviceReply(kAddressReply, tag, DeviceTagFor(10, 0, 0, 2)); }},
};

TEST_F(CommandTest, EachCommandSendsOneRequestAndStopsAfterItsLimit) {
  for (const CommandCase& command : kCommands) {
    ScriptedLink fresh;
    EXPECT_EQ(command.run(), 0) << command.name;
    EXPECT_EQ(fresh.sent.size(), 1u) << command.name;
    EXPECT_EQ(fresh.polls, command.countedPollsAtMost) << command.name;
    EXPECT_EQ(fresh.pauses, std::vector<int>(command.countedPollsAtMost - 1, 100)) << command.name;
  }
}

TEST_F(CommandTest, OtherOpcodesAndFailedReceivesAreNotCounted) {
  for (const CommandCase& command : kCommands) {
    ScriptedLink fresh;
    for (uint8_t opcode : {uint8_t(kSearchReply), uint8_t(command.replyOpcode ^ 2), uint8_t(0)})
      fresh.QueueDatagram(DeviceReply(opcode, kOwnTag, adapter, {1}));
    fresh.QueueFailedReceive(4);
    fresh.QueueNothing(command.countedPollsAtMost - 1);
    fresh.QueueDatagram(command.acceptedReply(kOwnTag));

    EXPECT_NE(command.run(), 0) << command.name;
    EXPECT_EQ(fresh.polls, 3 + 4 + command.countedPollsAtMost) << command.name;
  }
}

TEST_F(CommandTest, WrongTagCountsAsAPoll) {
  for (const CommandCase& command : kCommands) {
    ScriptedLink fresh;
    fresh.QueueNothing(command.countedPollsAtMost - 1);
    fresh.QueueDatagram(command.acceptedReply(kForeignTag));  // would be the last counted poll
    fresh.QueueDatagram(command.acceptedReply(kOwnTag));      // after the limit: never read

    EXPECT_EQ(command.run(), 0) << command.name;
    EXPECT_EQ(fresh.QueuedSteps(), 1u) << command.name;
  }
}

TEST_F(CommandTest, NothingIsSentWithoutAnAdapterAtWorkingAddress) {
  CopyText(g_link.workingAddress, "192.168.0.11");
  AppendShare("stale");
  for (const CommandCase& command : kCommands) {
    EXPECT_EQ(command.run(), 0) << command.name;
  }
  EXPECT_TRUE(link.sent.empty());
  EXPECT_EQ(g_link.shareList.count, 0u);
}

TEST_F(CommandTest, FloodOfOtherOpcodesEndsAtTheDeadline) {
  link.WhenScriptRunsOut(PollOutcome::kDatagram, 1, DeviceReply(kSearchReply, kOwnTag, adapter));
  EXPECT_EQ(AdminLogin(), 0);
  EXPECT_GE(link.NowMilliseconds(), 2200);
  EXPECT_LE(link.NowMilliseconds(), 2300);
}

TEST_F(CommandTest, LoginResultIsTheAdaptersSignedByte) {
  struct Case {
    uint8_t byte28;
    int32_t result;
  };
  for (const Case c : {Case{0, 0}, Case{1, 1}, Case{0xFF, -1}, Case{0x7F, 127}}) {
    ScriptedLink fresh;
    fresh.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapter, {c.byte28}));
    EXPECT_EQ(AdminLogin(), c.result) << int(c.byte28);
  }
}

TEST_F(CommandTest, LoginReplyWithoutByte28OrFromAnotherAddressCounts) {
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapter));  // 28 bytes: no result
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, DeviceTagFor(192, 168, 0, 11), {1}));
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapter, {1}));
  EXPECT_EQ(AdminLogin(), 1);
  EXPECT_EQ(link.pauses.size(), 2u);
}

TEST_F(CommandTest, ShareNamesAreSplitDeduplicatedAndBounded) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  };
  const std::string longest(63, 'L');
  const Case cases[] = {
      {"music::video:", {"music", "video"}},
      {":music:music:Music", {"music", "Music"}},
      {"", {}},
      {"a:" + longest + ":" + longest + "X:b", {"a", longest, "b"}},
      {std::string("one\0two", 7), {"one"}},
  };
  for (const Case& c : cases) {
    ScriptedLink fresh;
    fresh.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapter, Text(c.text)));
    EXPECT_EQ(FetchShareList(), 1) << c.text;
    EXPECT_EQ(NamesIn(g_link.shareList), c.names) << c.text;
    EXPECT_EQ(g_link.shareList.count, c.names.size()) << c.text;
  }
}

TEST_F(CommandTest, FailedShareListFetchLeavesTheListEmpty) {
  AppendShare("old");
  EXPECT_EQ(FetchShareList(), 0);
  EXPECT_EQ(g_link.shareList.count, 0u);
  EXPECT_EQ(g_link.shareList.head, nullptr);
}

TEST_F(CommandTest, EnableDhcpMovesTheRecordAndKeepsNetmaskAndGateway) {
  const Tag leased = DeviceTagFor(192, 168, 0, 77, 0x10);  // identity bytes are not taken over
  link.QueueDatagram(DeviceReply(kAddressReply, kOwnTag, leased));
  EXPECT_EQ(EnableDhcp(), 1);

  const AdapterRecord& record = *g_link.adapterList.head;
  EXPECT_STREQ(record.ip, "192.168.0.77");
  EXPECT_STREQ(record.netmask, "255.255.255.0");
  EXPECT_STREQ(record.gateway, "192.168.0.1");
  EXPECT_STREQ(record.dhcpFlag, "0");
  EXPECT_EQ(Bytes(record.deviceTag, record.deviceTag + 10),
            (Bytes{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 192, 168, 0, 77}));
  EXPECT_STREQ(g_link.workingAddress, "192.168.0.77");
}

TEST_F(CommandTest, StaticAddressIgnoresTheOldAddressAndThenFollowsTheAdapter) {
  link.QueueDatagram(DeviceReply(kAddressReply, kOwnTag, adapter));  // still the old address
  link.QueueDatagram(DeviceReply(kAddressReply, kOwnTag, moved));
  EXPECT_EQ(SetStaticAddress(), 1);
  EXPECT_EQ(link.pauses.size(), 1u);

  const AdapterRecord& record = *g_link.adapterList.head;
  EXPECT_STREQ(record.ip, "10.0.0.2");
  EXPECT_STREQ(record.netmask, "255.0.0.0");
  EXPECT_STREQ(record.gateway, "10.255.255.254");
  EXPECT_EQ(Bytes(record.deviceTag, record.deviceTag + 10), Bytes(moved.bytes, moved.bytes + 10));
  EXPECT_STREQ(g_link.workingAddress, "10.0.0.2");

  // The next command carries the new address and accepts only replies that report it.
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapter, Text("old")));
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, moved, Text("new")));
  EXPECT_EQ(FetchShareList(), 1);
  EXPECT_EQ(Bytes(link.sent.back().begin() + 17, link.sent.back().begin() + 21),
            (Bytes{10, 0, 0, 2}));
  EXPECT_EQ(NamesIn(g_link.shareList), std::vector<std::string>{"new"});
}

TEST_F(CommandTest, UnconfirmedStaticAddressChangesNothing) {
  link.WhenScriptRunsOut(PollOutcome::kDatagram, 10, DeviceReply(kAddressReply, kOwnTag, adapter));
  EXPECT_EQ(SetStaticAddress(), 0);
  EXPECT_EQ(link.polls, 101);
  EXPECT_STREQ(g_link.adapterList.head->ip, "192.168.0.10");
  EXPECT_STREQ(g_link.workingAddress, "192.168.0.10");
}

}  // namespace
