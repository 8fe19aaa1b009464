// The adapter's state machine: which requests it answers, the login window, address changes,
// and the misbehaviour knobs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/adapter.h"
#include "sim/lan.h"
#include "tests/sim/request_builders.h"

namespace {

using simtest::TagAt;

const Tag kClient = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1};
const Tag kOtherClient = {0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 10, 213, 1, 1};
const std::array<uint8_t, 6> kIdentity = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
const Ipv4 kIp = {10, 213, 1, 10};
const Tag kDevice = simtest::DeviceTagOf(kIdentity, kIp);

AdapterSettings Settings(AdapterKnobs knobs = {}) {
  AdapterSettings settings;
  settings.name = "NAS-One";
  settings.ip = kIp;
  settings.netmask = {255, 255, 255, 0};
  settings.gateway = {10, 213, 1, 1};
  settings.identity = kIdentity;
  settings.adminPassword = "secret";
  settings.shares = "music:photos";
  settings.leaseIp = {10, 213, 1, 77};
  settings.leaseNetmask = {255, 255, 0, 0};
  settings.leaseGateway = {10, 213, 0, 1};
  settings.knobs = knobs;
  return settings;
}

Request Decode(const std::vector<uint8_t>& bytes) {
  const Decoded decoded = DecodeRequest(bytes.data(), bytes.size());
  EXPECT_EQ(decoded.status, DecodeStatus::kRequest) << decoded.problem;
  return decoded.request;
}

// The one datagram of a response; fails the test when there are more or none.
Datagram Only(const Response& response) {
  EXPECT_EQ(response.datagrams.size(), 1u) << response.note;
  return response.datagrams.empty() ? Datagram{} : response.datagrams.front().bytes;
}

Ipv4 AddressAt17(const Datagram& reply) {
  return {reply[17], reply[18], reply[19], reply[20]};
}

std::string TextAt(const Datagram& reply, size_t offset) {
  return reinterpret_cast<const char*>(&reply[offset]);
}

Response Login(SimulatedAdapter& adapter, const std::string& password, int64_t now,
               const Tag& client = kClient, const Tag& device = kDevice) {
  return adapter.Handle(Decode(simtest::LoginRequest(client, device, "admin", password)), now);
}

Response MoveTo(SimulatedAdapter& adapter, const std::string& ip, int64_t now,
                const Tag& client = kClient, const Tag& device = kDevice) {
  return adapter.Handle(
      Decode(simtest::StaticAddressRequest(client, device, ip, "255.255.0.0", "10.213.0.1")), now);
}

TEST(Adapter, AnswersASearchWithItsDescription) {
  SimulatedAdapter adapter(Settings());
  const Datagram reply = Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0));
  ASSERT_EQ(reply.size(), 60u + 7u);
  EXPECT_EQ(reply[0], kSearchReply);
  EXPECT_EQ(TagAt(reply, 1), kClient);
  EXPECT_EQ(TagAt(reply, 11), kDevice);
  EXPECT_EQ(reply[21], '0');
  EXPECT_EQ(TextAt(reply, 24), "255.255.255.0");
  EXPECT_EQ(TextAt(reply, 40), "10.213.1.1");
  EXPECT_EQ(std::string(reply.begin() + 60, reply.end()), "NAS-One");
}

TEST(Adapter, IgnoresCommandsForAnotherDeviceTag) {
  SimulatedAdapter adapter(Settings());
  Tag otherIdentity = kDevice;
  otherIdentity[0] ^= 1;
  Tag otherAddress = kDevice;
  otherAddress[9] ^= 1;
  for (const Tag& device : {otherIdentity, otherAddress}) {
    const Response response = Login(adapter, "secret", 0, kClient, device);
    EXPECT_TRUE(response.datagrams.empty());
    EXPECT_TRUE(response.note.empty());
  }
}

TEST(Adapter, AcceptsOnlyAdminWithItsPassword) {
  SimulatedAdapter adapter(Settings());
  const struct {
    const char* user;
    const char* password;
    uint8_t result;
  } cases[] = {
      {"admin", "secret", 1}, {"admin", "", 0},      {"admin", "Secret", 0},
      {"Admin", "secret", 0}, {"root", "secret", 0},
  };
  for (const auto& c : cases) {
    const Datagram reply = Only(
        adapter.Handle(Decode(simtest::LoginRequest(kClient, kDevice, c.user, c.password)), 0));
    ASSERT_EQ(reply.size(), 29u);
    EXPECT_EQ(reply[0], kDeviceReply);
    EXPECT_EQ(TagAt(reply, 1), kClient);
    EXPECT_EQ(AddressAt17(reply), kIp);
    EXPECT_EQ(reply[28], c.result) << c.user << "/" << c.password;
  }
}

// The log is read line by line by tests and people; a user name from the wire must not be
// able to end a line or forge one.
TEST(Adapter, LoginNotesShowTheUserNameOnOneLine) {
  SimulatedAdapter adapter(Settings());
  const std::string user = std::string("ad\nsend op=2 t=1\r\\") + char(0xAA) + std::string(1, '\0');
  const std::string note =
      adapter.Handle(Decode(simtest::LoginRequest(kClient, kDevice, user, "x")), 0).note;
  EXPECT_EQ(note, "NAS-One: login refused for 'ad\\x0asend op=2 t=1\\x0d\\x5c\\xaa\\x00'");
}

TEST(Adapter, AnswersTheShareListWithItsNames) {
  SimulatedAdapter adapter(Settings());
  const Datagram reply =
      Only(adapter.Handle(Decode(simtest::ShareListRequest(kClient, kDevice)), 0));
  EXPECT_EQ(reply[0], kDeviceReply);
  EXPECT_EQ(AddressAt17(reply), kIp);
  EXPECT_EQ(std::string(reply.begin() + 28, reply.end()), "music:photos");
}

TEST(Adapter, StaticAddressAfterLoginMovesItsTag) {
  SimulatedAdapter adapter(Settings());
  ASSERT_EQ(Only(Login(adapter, "secret", 1000))[28], 1);

  const Datagram reply = Only(MoveTo(adapter, "10.213.2.20", 2000));
  EXPECT_EQ(reply[0], kAddressReply);
  EXPECT_EQ(TagAt(reply, 1), kClient);
  EXPECT_EQ(AddressAt17(reply), (Ipv4{10, 213, 2, 20}));

  const Tag moved = simtest::DeviceTagOf(kIdentity, {10, 213, 2, 20});
  EXPECT_EQ(adapter.DeviceTag(), moved);
  const Datagram search = Only(adapter.Handle(Decode(simtest::SearchRequest(kOtherClient)), 3000));
  EXPECT_EQ(TagAt(search, 11), moved);
  EXPECT_EQ(search[21], '0');
  EXPECT_EQ(TextAt(search, 24), "255.255.0.0");
  EXPECT_EQ(TextAt(search, 40), "10.213.0.1");

  // Commands reach it at the new tag only.
  EXPECT_TRUE(
      adapter.Handle(Decode(simtest::ShareListRequest(kClient, kDevice)), 4000).datagrams.empty());
  EXPECT_EQ(
      AddressAt17(Only(adapter.Handle(Decode(simtest::ShareListRequest(kClient, moved)), 4000))),
      (Ipv4{10, 213, 2, 20}));
}

TEST(Adapter, DhcpTakesTheLeaseAndReportsItselfAsDhcpClient) {
  SimulatedAdapter adapter(Settings());
  Only(Login(adapter, "secret", 0));
  const Datagram reply = Only(adapter.Handle(Decode(simtest::DhcpRequest(kClient, kDevice)), 10));
  EXPECT_EQ(reply[0], kAddressReply);
  EXPECT_EQ(AddressAt17(reply), (Ipv4{10, 213, 1, 77}));
  const Datagram search = Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 20));
  EXPECT_EQ(search[21], '1');
  EXPECT_EQ(TextAt(search, 24), "255.255.0.0");
  EXPECT_EQ(TextAt(search, 40), "10.213.0.1");

  // A static address afterwards makes it static again.
  const Tag leased = simtest::DeviceTagOf(kIdentity, {10, 213, 1, 77});
  Only(MoveTo(adapter, "10.213.1.10", 30, kClient, leased));
  EXPECT_EQ(Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 40))[21], '0');
}

TEST(Adapter, AddressCommandsNeedALoginFromTheSameClientWithinAMinute) {
  const struct {
    const char* what;
    bool loginFirst;
    Tag loginClient;
    int64_t commandAt;  // the login is at 1000
    bool answered;
  } cases[] = {
      {"no login", false, kClient, 1000, false},
      {"login just now", true, kClient, 1000, true},
      {"login a minute ago", true, kClient, 1000 + kLoginLifetimeMs, true},
      {"login over a minute ago", true, kClient, 1000 + kLoginLifetimeMs + 1, false},
      {"login by another client", true, kOtherClient, 1000, false},
  };
  for (const auto& c : cases) {
    SimulatedAdapter adapter(Settings());
    if (c.loginFirst) {
      ASSERT_EQ(Only(Login(adapter, "secret", 1000, c.loginClient))[28], 1);
    }
    const Response response = MoveTo(adapter, "10.213.2.20", c.commandAt);
    EXPECT_EQ(!response.datagrams.empty(), c.answered) << c.what;
    EXPECT_EQ(adapter.DeviceTag() != kDevice, c.answered) << c.what;
    if (!c.answered) {
      EXPECT_NE(response.note.find("refused"), std::string::npos) << c.what;
    }
  }
}

TEST(Adapter, ARefusedLoginEndsTheEarlierOne) {
  SimulatedAdapter adapter(Settings());
  Only(Login(adapter, "secret", 0));
  EXPECT_EQ(Only(Login(adapter, "wrong", 10))[28], 0);
  EXPECT_TRUE(MoveTo(adapter, "10.213.2.20", 20).datagrams.empty());
  EXPECT_EQ(adapter.DeviceTag(), kDevice);
}

TEST(Adapter, KnobsThatShapeEveryReply) {
  AdapterKnobs wrongTag;
  wrongTag.wrongClientTag = true;
  AdapterKnobs truncated;
  truncated.truncateTo = 30;
  AdapterKnobs overlong;
  overlong.overlongBy = 5000;
  AdapterKnobs delayed;
  delayed.searchDelayMs = 250;

  {
    SimulatedAdapter adapter(Settings(wrongTag));
    const Datagram reply = Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0));
    EXPECT_NE(TagAt(reply, 1), kClient);
    EXPECT_EQ(TagAt(reply, 11), kDevice);
  }
  {
    SimulatedAdapter adapter(Settings(truncated));
    EXPECT_EQ(Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0)).size(), 30u);
    EXPECT_EQ(Only(Login(adapter, "secret", 0)).size(), 29u) << "shorter replies stay whole";
  }
  {
    SimulatedAdapter adapter(Settings(overlong));
    const Datagram reply = Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0));
    ASSERT_EQ(reply.size(), 67u + 5000u);
    EXPECT_EQ(std::string(reply.begin() + 60, reply.begin() + 67), "NAS-One");
    EXPECT_EQ(std::count(reply.begin() + 67, reply.end(), 0), 5000);
  }
  {
    SimulatedAdapter adapter(Settings(delayed));
    const Response response = adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0);
    ASSERT_EQ(response.datagrams.size(), 1u);
    EXPECT_EQ(response.datagrams[0].delayMs, 250);
    EXPECT_EQ(Login(adapter, "secret", 0).datagrams[0].delayMs, 0)
        << "the search delay is for searches";
  }
}

TEST(Adapter, SearchAnswersRunOut) {
  AdapterKnobs knobs;
  knobs.searchAnswers = 2;
  SimulatedAdapter adapter(Settings(knobs));
  for (int i = 0; i < 2; ++i) Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), i));
  const Response third = adapter.Handle(Decode(simtest::SearchRequest(kClient)), 3);
  EXPECT_TRUE(third.datagrams.empty());
  EXPECT_EQ(Only(Login(adapter, "secret", 4))[28], 1) << "commands are still answered";
}

TEST(Adapter, SilentAdapterAnswersSearchesOnly) {
  AdapterKnobs knobs;
  knobs.silentToCommands = true;
  SimulatedAdapter adapter(Settings(knobs));
  Only(adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0));
  EXPECT_TRUE(Login(adapter, "secret", 0).datagrams.empty());
  EXPECT_TRUE(
      adapter.Handle(Decode(simtest::ShareListRequest(kClient, kDevice)), 0).datagrams.empty());
}

TEST(Adapter, OldAddressKnobKeepsTheAdapterWhereItWas) {
  AdapterKnobs knobs;
  knobs.reportOldAddress = true;
  SimulatedAdapter adapter(Settings(knobs));
  Only(Login(adapter, "secret", 0));
  const Datagram reply = Only(MoveTo(adapter, "10.213.2.20", 10));
  EXPECT_EQ(reply[0], kAddressReply);
  EXPECT_EQ(AddressAt17(reply), kIp);
  EXPECT_EQ(adapter.DeviceTag(), kDevice);
}

TEST(Adapter, LoginResultAndLoginRequirementKnobs) {
  AdapterKnobs knobs;
  knobs.loginResult = 0xFF;
  knobs.loginRequired = false;
  SimulatedAdapter adapter(Settings(knobs));
  EXPECT_EQ(Only(MoveTo(adapter, "10.213.2.20", 0))[0], kAddressReply) << "no login needed";
  const Tag moved = simtest::DeviceTagOf(kIdentity, {10, 213, 2, 20});
  EXPECT_EQ(Only(Login(adapter, "secret", 0, kClient, moved))[28], 0xFF);
  EXPECT_EQ(Only(Login(adapter, "wrong", 0, kClient, moved))[28], 0) << "a refusal stays 0";
}

TEST(Adapter, ForeignOpcodesComeBeforeTheReply) {
  AdapterKnobs knobs;
  knobs.foreignFirstOpcode = 2;
  knobs.floodMs = 10;
  knobs.floodOpcode = 9;
  knobs.commandDelayMs = 100;
  SimulatedAdapter adapter(Settings(knobs));
  const Response response = Login(adapter, "secret", 0);
  const size_t floodCount = 10 / kFloodIntervalMs;
  ASSERT_EQ(response.datagrams.size(), floodCount + 2);
  for (size_t i = 0; i < floodCount; ++i) {
    EXPECT_EQ(response.datagrams[i].bytes[0], 9);
    EXPECT_EQ(response.datagrams[i].delayMs, 100 + int(i) * kFloodIntervalMs);
  }
  const Outgoing& foreign = response.datagrams[floodCount];
  const Outgoing& reply = response.datagrams[floodCount + 1];
  EXPECT_EQ(foreign.bytes[0], 2);
  EXPECT_EQ(reply.bytes[0], kDeviceReply);
  EXPECT_EQ(reply.bytes[28], 1);
  EXPECT_EQ(foreign.delayMs, 110);
  EXPECT_EQ(reply.delayMs, 110);

  // Searches get the foreign datagram but no flood.
  const Response search = adapter.Handle(Decode(simtest::SearchRequest(kClient)), 0);
  ASSERT_EQ(search.datagrams.size(), 2u);
  EXPECT_EQ(search.datagrams[0].bytes[0], 2);
  EXPECT_EQ(search.datagrams[1].bytes[0], kSearchReply);
}

TEST(Lan, EveryAdapterAnswersASearchButOnlyTheAddressedOneACommand) {
  AdapterSettings second = Settings();
  second.name = "NAS-Two";
  second.ip = {10, 213, 2, 10};
  Lan lan({Settings(), second});
  const auto search = simtest::SearchRequest(kClient);
  const LanResponse searched = lan.Receive(search.data(), search.size(), 0);
  ASSERT_EQ(searched.datagrams.size(), 2u);
  EXPECT_EQ(searched.datagrams[0].adapter, "NAS-One");
  EXPECT_EQ(searched.datagrams[1].adapter, "NAS-Two");

  const auto shares =
      simtest::ShareListRequest(kClient, simtest::DeviceTagOf(kIdentity, {10, 213, 2, 10}));
  const LanResponse listed = lan.Receive(shares.data(), shares.size(), 0);
  ASSERT_EQ(listed.datagrams.size(), 1u);
  EXPECT_EQ(listed.datagrams[0].adapter, "NAS-Two");

  const uint8_t junk[] = {3, 1, 2};
  const LanResponse refused = lan.Receive(junk, sizeof junk, 0);
  EXPECT_EQ(refused.decoded.status, DecodeStatus::kMalformed);
  EXPECT_TRUE(refused.datagrams.empty());
}

}  // namespace
