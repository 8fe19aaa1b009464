// The command line and the option file: what they set, and the clear refusals of bad input,
// down to the exit status 2 of the program itself.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sim/options.h"

namespace {

bool Parse(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  return ParseCommandLine(args, options, error);
}

TEST(Options, AdapterSettingsAndDefaults) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(Parse(
      {"--adapter", "name=NAS-One,ip=10.213.1.10,shares=a:b", "--adapter",
       "name=NAS-Two,ip=10.213.2.10,netmask=255.255.0.0,gateway=10.213.0.254,dhcp=1,"
       "id=00-11-22-aa-BB-cc,password=pw,lease=10.213.2.50,search-answers=1,command-delay=1500,"
       "login-result=0xFF,login-required=0,flood=300,foreign-first=2,truncate=20,overlong=7,"
       "wrong-tag=1,silent=1,old-address=1,search-delay=5,flood-opcode=8",
       "--reply-to", "sender", "--interface", "vlan0", "--port", "23456", "--hex", "--loopback"},
      options, error))
      << error;
  ASSERT_EQ(options.adapters.size(), 2u);
  const AdapterSettings& one = options.adapters[0];
  EXPECT_EQ(one.name, "NAS-One");
  EXPECT_EQ(one.ip, (Ipv4{10, 213, 1, 10}));
  EXPECT_EQ(one.netmask, (Ipv4{255, 255, 255, 0}));
  EXPECT_EQ(one.gateway, (Ipv4{10, 213, 1, 1})) << "first address of its subnet";
  EXPECT_FALSE(one.dhcp);
  EXPECT_EQ(one.identity, (std::array<uint8_t, 6>{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01}));
  EXPECT_EQ(one.adminPassword, "");
  EXPECT_EQ(one.shares, "a:b");
  EXPECT_EQ(one.leaseIp, one.ip);
  EXPECT_EQ(one.leaseGateway, one.gateway);
  EXPECT_TRUE(one.knobs.loginRequired);
  EXPECT_EQ(one.knobs.searchAnswers, -1);

  const AdapterSettings& two = options.adapters[1];
  EXPECT_EQ(two.gateway, (Ipv4{10, 213, 0, 254}));
  EXPECT_TRUE(two.dhcp);
  EXPECT_EQ(two.identity, (std::array<uint8_t, 6>{0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC}));
  EXPECT_EQ(two.adminPassword, "pw");
  EXPECT_EQ(two.leaseIp, (Ipv4{10, 213, 2, 50}));
  EXPECT_EQ(two.leaseNetmask, (Ipv4{255, 255, 0, 0}));
  const AdapterKnobs& knobs = two.knobs;
  EXPECT_EQ(knobs.searchAnswers, 1);
  EXPECT_EQ(knobs.commandDelayMs, 1500);
  EXPECT_EQ(knobs.loginResult, 0xFF);
  EXPECT_FALSE(knobs.loginRequired);
  EXPECT_EQ(knobs.floodMs, 300);
  EXPECT_EQ(knobs.floodOpcode, 8);
  EXPECT_EQ(knobs.foreignFirstOpcode, 2);
  EXPECT_EQ(knobs.truncateTo, 20);
  EXPECT_EQ(knobs.overlongBy, 7);
  EXPECT_TRUE(knobs.wrongClientTag && knobs.silentToCommands && knobs.reportOldAddress);
  EXPECT_EQ(knobs.searchDelayMs, 5);

  EXPECT_EQ(options.replyTo, ReplyTarget::kSender);
  EXPECT_EQ(options.interfaceName, "vlan0");
  EXPECT_EQ(options.port, 23456);
  EXPECT_TRUE(options.hex && options.loopback);
}

TEST(Options, BadInputIsRefusedWithAMessageNamingIt) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{}, "no adapter"},
      {{"--adapter"}, "--adapter needs a value"},
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"--adapter", "ip=10.0.0.1"}, "needs name="},
      {{"--adapter", "name=A"}, "needs ip="},
      {{"--adapter", "name=A,ip=10.0.0.256"}, "not '10.0.0.256'"},
      {{"--adapter", "name=A,ip=10.0.0"}, "not '10.0.0'"},
      {{"--adapter", "name=A,ip=10.0.0.1,netmask=255.255.255.0.0"}, "netmask wants"},
      {{"--adapter", "name=A,ip=10.0.0.1,colour=red"}, "unknown adapter setting 'colour'"},
      {{"--adapter", "name=A,ip=10.0.0.1,name=B"}, "given twice"},
      {{"--adapter", "name=A,ip=10.0.0.1,dhcp"}, "'dhcp' is not key=value"},
      {{"--adapter", "name=A,ip=10.0.0.1,dhcp=maybe"}, "dhcp wants 1 or 0"},
      {{"--adapter", "name=A,ip=10.0.0.1,id=00:11:22:33:44"}, "id wants six hex bytes"},
      {{"--adapter", "name=A,ip=10.0.0.1,id=00:11:22:33:44:5g"}, "id wants six hex bytes"},
      {{"--adapter", "name=A,ip=10.0.0.1,search-delay=-5"}, "search-delay wants a number"},
      {{"--adapter", "name=A,ip=10.0.0.1,search-delay=5ms"}, "search-delay wants a number"},
      {{"--adapter", "name=A,ip=10.0.0.1,login-result=256"}, "from 0 to 255"},
      {{"--adapter", "name=A,ip=10.0.0.1,flood=60001"}, "flood wants a number from 0 to 60000"},
      {{"--adapter", "name=A,ip=10.0.0.1,foreign-first=1"}, "foreign-first must not be a request"},
      {{"--adapter", "name=A,ip=10.0.0.1,flood-opcode=3"}, "flood-opcode must not be a request"},
      {{"--adapter", "name=A,ip=10.0.0.1,foreign-first=0x5"}, "not '0x5'"},
      {{"--adapter", "name=A,ip=10.0.0.1,truncate=99999999999999999999"}, "truncate wants"},
      {{"--adapter", "name=" + std::string(4100, 'n') + ",ip=10.0.0.1"}, "name is longer than"},
      {{"--adapter", "name=A,ip=10.0.0.1", "--reply-to", "everyone"}, "'group' or 'sender'"},
      {{"--adapter", "name=A,ip=10.0.0.1", "--port", "0"}, "from 1 to 65535"},
      {{"--config", "/nonexistent/sim.conf"}, "cannot read option file"},
  };
  for (const auto& c : cases) {
    SimOptions options;
    std::string error;
    EXPECT_FALSE(Parse(c.args, options, error)) << c.message;
    EXPECT_NE(error.find(c.message), std::string::npos)
        << "message '" << error << "' lacks '" << c.message << "'";
  }
}

class OptionFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) {
    std::ofstream(path_) << content;
    return path_;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = ::testing::TempDir() + "sim-options-" + std::to_string(getpid()) + ".conf";
};

TEST_F(OptionFile, HoldsOneOptionALine) {
  const std::string path = Write(
      "# three adapters\n"
      "adapter name=NAS One,ip=10.213.1.10\n"
      "\n"
      "  reply-to   sender  \n"
      "hex\n");
  SimOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--config", path, "--adapter", "name=B,ip=10.213.1.11"}, options, error))
      << error;
  ASSERT_EQ(options.adapters.size(), 2u);
  EXPECT_EQ(options.adapters[0].name, "NAS One");
  EXPECT_EQ(options.adapters[1].identity[5], 2) << "default identities count across file and line";
  EXPECT_EQ(options.replyTo, ReplyTarget::kSender);
  EXPECT_TRUE(options.hex);
}

TEST_F(OptionFile, ErrorsNameTheFileAndLine) {
  const std::string path = Write("adapter name=A,ip=10.0.0.1\n# fine\nadapter name=B,ip=nowhere\n");
  SimOptions options;
  std::string error;
  EXPECT_FALSE(Parse({"--config", path}, options, error));
  EXPECT_NE(error.find(path + ":3: ip wants"), std::string::npos) << error;

  Write("config other.conf\n");
  EXPECT_FALSE(Parse({"--config", path}, options, error));
  EXPECT_NE(error.find("--config inside an option file"), std::string::npos) << error;
}

struct ProgramRun {
  int status;
  std::string out;
  std::string err;
};

// Runs dunmere-sim with the arguments and waits up to 5 s for it (then kills it: status -1);
// its output goes to files.
ProgramRun RunSimulator(const std::vector<std::string>& args) {
  const std::string base = ::testing::TempDir() + "sim-run-" + std::to_string(getpid());
  const pid_t pid = fork();
  if (pid == 0) {
    freopen((base + ".out").c_str(), "w", stdout);
    freopen((base + ".err").c_str(), "w", stderr);
    std::vector<char*> argv{const_cast<char*>(DUNMERE_SIM_PATH)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  bool exited = false;
  for (int waited = 0; !(exited = waitpid(pid, &status, WNOHANG) == pid) && waited < 5000;
       waited += 10)
    usleep(10000);
  if (!exited) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  auto slurp = [](const std::string& path) {
    std::ifstream file(path);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return text;
  };
  return {exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(base + ".out"),
          slurp(base + ".err")};
}

TEST(Program, BadInputExitsWithStatus2AndAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--adapter", "name=A,ip=300.1.1.1"},
      {"--bogus"},
      {"--adapter", "name=A,ip=10.0.0.1", "--log", "/nonexistent-dir/sim.log"},
      {"--adapter", "name=A,ip=10.0.0.1", "--interface", "nosuchif0"},
  };
  for (const auto& args : cases) {
    const ProgramRun run = RunSimulator(args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err.rfind("dunmere-sim: ", 0), 0u) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

TEST(Program, HelpDescribesTheOptionsAndKnobs) {
  const ProgramRun run = RunSimulator({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"--adapter", "--reply-to sender", "--config", "--log",
                           "search-answers=", "flood=", "login-required=0", "ready port="})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

}  // namespace
