#include "cli/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::optional<std::string> Parse(std::vector<const char*> arguments, CliOptions& options) {
  arguments.insert(arguments.begin(), "dunmere-cli");
  return ParseCommandLine(int(arguments.size()), arguments.data(), options);
}

TEST(CliOptions, AcceptsEachCommandWithItsArguments) {
  CliOptions o;
  ASSERT_FALSE(Parse({"search", "--json"}, o));
  EXPECT_EQ(o.command, CliCommand::kSearch);
  EXPECT_TRUE(o.json);

  ASSERT_FALSE(Parse({"shares", "10.0.0.9"}, o));
  EXPECT_EQ(o.command, CliCommand::kShares);
  EXPECT_EQ(o.address, "10.0.0.9");

  ASSERT_FALSE(Parse({"dhcp", "10.0.0.9", "--password", "secret"}, o));
  EXPECT_EQ(o.password, std::optional<std::string>("secret"));

  ASSERT_FALSE(Parse({"static", "--ip", "10.0.0.2", "10.0.0.9", "--netmask", "255.0.0.0",
                      "--gateway", "10.0.0.1", "--json"},
                     o));
  EXPECT_EQ(o.command, CliCommand::kStatic);
  EXPECT_EQ(o.address, "10.0.0.9");
  EXPECT_EQ(o.newIp, "10.0.0.2");
  EXPECT_EQ(o.newNetmask, "255.0.0.0");
  EXPECT_EQ(o.newGateway, "10.0.0.1");

  ASSERT_FALSE(Parse({"shares", "--help"}, o));
  EXPECT_EQ(o.command, CliCommand::kHelp);
}

TEST(CliOptions, RefusesBadCommandLines) {
  const std::vector<std::vector<const char*>> bad = {
      {},
      {"find"},
      {"search", "10.0.0.9"},
      {"shares"},
      {"shares", "10.0.0.300"},
      {"shares", "10.0.0.9", "10.0.0.8"},
      {"shares", "10.0.0.9", "--password", "x"},
      {"dhcp", "10.0.0.9", "--password"},
      {"dhcp", "10.0.0.9", "--password", "seventeen chars!!"},
      {"static", "10.0.0.9", "--ip", "10.0.0.2", "--netmask", "255.0.0.0"},
      {"dhcp", "10.0.0.9", "--ip", "10.0.0.2"},
  };
  for (const auto& arguments : bad) {
    CliOptions o;
    const auto error = Parse(arguments, o);
    ASSERT_TRUE(error.has_value()) << (arguments.empty() ? "(nothing)" : arguments[0]);
    EXPECT_FALSE(error->empty());
  }
}

}  // namespace
