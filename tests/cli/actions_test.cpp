#include "cli/actions.h"

#include <sstream>

#include "cli/report.h"
#include "net/discovery.h"
#include "tests/net/link_fixture.h"

namespace {

class CliActionTest : public LinkTest {
 protected:
  const Tag adapter = DeviceTagFor(192, 168, 0, 10);

  void AdapterAnswersTheSearch() {
    link.QueueDatagram(SearchReply(kOwnTag, adapter, "nas"));
    link.QueueNothing(31);
  }
  Bytes LoginReply(uint8_t result) { return DeviceReply(kDeviceReply, kOwnTag, adapter, {result}); }

  int Run(CliOptions options, PasswordPrompt prompt = NoTerminal) {
    return RunCli(options, out, err, prompt);
  }
  static std::optional<std::string> NoTerminal(const char*) { return std::nullopt; }

  std::ostringstream out, err;
};

TEST_F(CliActionTest, StaticWithGatewayOutsideTheNewSubnetSendsNothing) {
  CliOptions options;
  options.command = CliCommand::kStatic;
  options.address = "192.168.0.10";
  options.newIp = "10.0.0.2";
  options.newNetmask = "255.0.0.0";
  options.newGateway = "11.0.0.1";
  EXPECT_EQ(Run(options), 2);
  EXPECT_EQ(err.str(), "Gateway address input error!\n");
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(CliActionTest, CommandOnAnAddressThatNoAdapterHasFails) {
  CliOptions options;
  options.command = CliCommand::kShares;
  options.address = "192.168.0.11";
  AdapterAnswersTheSearch();
  EXPECT_EQ(Run(options), 1);
  EXPECT_EQ(err.str(), "no adapter at 192.168.0.11\n");
  EXPECT_EQ(link.sent.size(), 3u);  // the search only
}

TEST_F(CliActionTest, RefusedTwiceReportsTheWrongPassword) {
  CliOptions options;
  options.command = CliCommand::kDhcp;
  options.address = "192.168.0.10";
  options.password = "guess";
  AdapterAnswersTheSearch();
  link.QueueDatagram(LoginReply(0));
  link.QueueDatagram(LoginReply(0));

  EXPECT_EQ(Run(options), 1);
  EXPECT_EQ(err.str(), "Wrong administrator password input!\n");
  ASSERT_EQ(link.sent.size(), 5u);  // three searches, two logins, no DHCP request
  const Bytes& second = link.sent.back();
  EXPECT_EQ(Bytes(second.begin() + 28, second.end()), Text("admin\x55\xAAguess"));
}

TEST_F(CliActionTest, TypedPasswordIsUsedForTheSecondLogin) {
  CliOptions options;
  options.command = CliCommand::kDhcp;
  options.address = "192.168.0.10";
  options.json = true;
  AdapterAnswersTheSearch();
  link.QueueDatagram(LoginReply(0));
  link.QueueDatagram(LoginReply(1));
  link.QueueDatagram(DeviceReply(kAddressReply, kOwnTag, DeviceTagFor(192, 168, 0, 77)));

  EXPECT_EQ(Run(options, [](const char*) { return std::optional<std::string>("typed"); }), 0);
  EXPECT_EQ(out.str(), "{\"message\": \"DHCP client enabled.\", \"ip\": \"192.168.0.77\"}\n");
  EXPECT_EQ(link.sent[4].back(), 'd');  // ...the password "typed"
}

TEST(CliReport, JsonEscapesQuotesControlAndHighBytes) {
  EXPECT_EQ(JsonString("a\"b\\c\n\xE9"), "\"a\\\"b\\\\c\\u000a\\u00e9\"");
}

}  // namespace
