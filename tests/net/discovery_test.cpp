#include "net/discovery.h"

#include <string>
#include <vector>

#include "tests/net/link_fixture.h"

namespace {

class SearchTest : public LinkTest {
 protected:
  const Tag adapterA = DeviceTagFor(192, 168, 0, 10);
  const Tag adapterB = DeviceTagFor(192, 168, 0, 20, 0xB0);
};

TEST_F(SearchTest, NothingAnswersSends3TimesAndPolls32Times) {
  SearchAdapters();

  const Bytes request = {1, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 10, 0, 0, 5};
  EXPECT_EQ(link.sent, std::vector<Bytes>(3, request));
  std::vector<int> pauses = {80, 80, 100};
  pauses.insert(pauses.end(), 31, 20);
  EXPECT_EQ(link.pauses, pauses);
  EXPECT_EQ(link.polls, 32);
  EXPECT_EQ(link.NowMilliseconds(), 1200);  // 260 ms of sending, 32 polls of 10 ms, 31 pauses
  EXPECT_EQ(g_link.adapterList.count, 0u);
  EXPECT_EQ(g_link.adapterList.head, nullptr);
  EXPECT_EQ(g_link.adapterList.tail, nullptr);
}

TEST_F(SearchTest, FailedReceivesAreNeitherCountedNorFollowedByAPause) {
  link.QueueFailedReceive(5);
  link.QueueDatagram(SearchReply(kOwnTag, adapterA, "alpha"));
  link.QueueFailedReceive(3);

  SearchAdapters();

  EXPECT_EQ(link.polls, 32 + 8);
  EXPECT_EQ(link.pauses.size(), 3u + 31u);
  EXPECT_EQ(NamesIn(g_link.adapterList), std::vector<std::string>{"alpha"});
}

TEST_F(SearchTest, OnlySearchRepliesWithTheOwnTagAreListedAndEveryDatagramCounts) {
  link.QueueDatagram(DeviceReply(kDeviceReply, kOwnTag, adapterA));          // other opcode
  link.QueueDatagram(SearchReply(kForeignTag, adapterA, "other instance"));  // foreign tag
  link.QueueDatagram(SearchReply(kOwnTag, adapterB, "beta"));

  SearchAdapters();

  EXPECT_EQ(NamesIn(g_link.adapterList), std::vector<std::string>{"beta"});
  EXPECT_EQ(link.polls, 32);
}

TEST_F(SearchTest, FirstReplyForAnAddressWinsAndOrderIsFirstArrival) {
  link.QueueDatagram(SearchReply(kOwnTag, adapterB, "beta"));
  link.QueueDatagram(SearchReply(kOwnTag, adapterA, "alpha"));
  link.QueueDatagram(SearchReply(kOwnTag, adapterB, "beta again", "255.0.0.0"));
  link.QueueDatagram(SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 10, 0xC0), "same address"));

  SearchAdapters();

  EXPECT_EQ(NamesIn(g_link.adapterList), (std::vector<std::string>{"beta", "alpha"}));
  EXPECT_EQ(g_link.adapterList.count, 2u);
  EXPECT_STREQ(g_link.adapterList.head->netmask, "255.255.255.0");
  EXPECT_EQ(g_link.adapterList.tail, g_link.adapterList.head->next.get());
}

TEST_F(SearchTest, RecordCarriesTheReplyFields) {
  link.QueueDatagram(
      SearchReply(kOwnTag, DeviceTagFor(10, 200, 1, 254), "", "255.255.0.0", "10.200.0.1", '1'));

  SearchAdapters();

  ASSERT_EQ(g_link.adapterList.count, 1u);
  const AdapterRecord& r = *g_link.adapterList.head;
  EXPECT_STREQ(r.name, "");  // N = 0
  EXPECT_STREQ(r.ip, "10.200.1.254");
  EXPECT_STREQ(r.netmask, "255.255.0.0");
  EXPECT_STREQ(r.gateway, "10.200.0.1");
  EXPECT_STREQ(r.dhcpFlag, "1");
  EXPECT_EQ(0, std::memcmp(r.deviceTag, DeviceTagFor(10, 200, 1, 254).bytes, kTagSize));
}

TEST_F(SearchTest, OldListIsFreedBeforeAnythingIsSent) {
  AppendAdapter("old", "192.168.0.99", "255.255.255.0", "", "0", adapterA.bytes);
  uint32_t countAtFirstSend = 99;
  link.onSend = [&] {
    if (link.sent.empty())
      countAtFirstSend = g_link.adapterList.count + (g_link.adapterList.head ? 100 : 0);
  };

  SearchAdapters();

  EXPECT_EQ(countAtFirstSend, 0u);
  EXPECT_EQ(g_link.adapterList.count, 0u);
}

TEST_F(SearchTest, ReplyAfterThe32ndCountedPollStaysQueued) {
  link.QueueNothing(32);
  link.QueueDatagram(SearchReply(kOwnTag, adapterA, "late"));

  SearchAdapters();

  EXPECT_EQ(g_link.adapterList.count, 0u);
  EXPECT_EQ(link.QueuedSteps(), 1u);
}

TEST_F(SearchTest, MalformedRepliesAreDroppedAndCount) {
  Bytes longName = SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 30), std::string(256, 'n'));
  Bytes nameRunsPast = SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 31), "short");
  WriteLittleEndian32(&nameRunsPast[kTextLengthOffset], 6);
  Bytes hugeCount = SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 32), "x");
  WriteLittleEndian32(&hugeCount[kTextLengthOffset], 0xFFFFFFFF);
  Bytes netmaskUnended = SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 33), "m");
  std::memset(&netmaskUnended[kNetmaskOffset], '9', 16);
  Bytes gatewayUnended = SearchReply(kOwnTag, DeviceTagFor(192, 168, 0, 34), "g");
  std::memset(&gatewayUnended[kGatewayOffset], '9', 16);
  for (const Bytes& reply : {longName, nameRunsPast, hugeCount, netmaskUnended, gatewayUnended})
    link.QueueDatagram(reply);
  link.QueueDatagram(SearchReply(kOwnTag, adapterA, "good"));

  SearchAdapters();

  EXPECT_EQ(NamesIn(g_link.adapterList), std::vector<std::string>{"good"});
  EXPECT_EQ(link.polls, 32);
}

// The receive area is not zeroed between polls: a short datagram must not be read with the
// bytes that an earlier, longer one left behind.
TEST_F(SearchTest, ShortDatagramIsNotCompletedByAnEarlierOne) {
  const Bytes alpha = SearchReply(kOwnTag, adapterA, "alpha");
  const Bytes beta = SearchReply(kOwnTag, adapterB, "alpha");  // same length as alpha's
  for (size_t cut = 0; cut < beta.size(); ++cut) {
    link.QueueDatagram(alpha);
    link.QueueDatagram(Bytes(beta.begin(), beta.begin() + cut));

    SearchAdapters();

    EXPECT_EQ(NamesIn(g_link.adapterList), std::vector<std::string>{"alpha"})
        << "beta cut at " << cut;
  }
}

TEST_F(SearchTest, EndlessFailedReceivesEndAtTheDeadline) {
  link.WhenScriptRunsOut(PollOutcome::kFailedReceive, 1);

  SearchAdapters();

  EXPECT_GE(link.NowMilliseconds(), 2400);
  EXPECT_LE(link.NowMilliseconds(), 2500);
}

TEST_F(SearchTest, AdapterListHasAddressComparesWholeTexts) {
  EXPECT_EQ(AdapterListHasAddress("192.168.0.10"), 0);  // empty list
  AppendAdapter("a", "192.168.0.10", "", "", "0", adapterA.bytes);
  EXPECT_EQ(AdapterListHasAddress("192.168.0.10"), 1);
  EXPECT_EQ(AdapterListHasAddress("192.168.0.1"), 0);
  EXPECT_EQ(AdapterListHasAddress("192.168.000.010"), 0);
  EXPECT_EQ(AdapterListIsEmpty(), 0);
}

}  // namespace
