// dunmere-sim on a virtual LAN: the simulator in the adapters' namespace, this test's own
// client in the host namespace, real multicast between them over a veth pair.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "sim/event_log.h"
#include "tests/sim/probe_client.h"
#include "tests/sim/request_builders.h"
#include "tests/sim/virtual_lan.h"

namespace {

using simtest::Bytes;
using simtest::DeviceTagOf;
using simtest::TagAt;

simtest::VirtualLan* g_lan = nullptr;

const Tag kClient = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 10, 213, 1, 1};
const std::array<uint8_t, 6> kIdentity = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

std::string TextAt(const Bytes& datagram, size_t offset) {
  return std::string(reinterpret_cast<const char*>(&datagram[offset]));
}

std::function<bool(const Bytes&)> Opcode(uint8_t opcode) {
  return [opcode](const Bytes& datagram) { return !datagram.empty() && datagram[0] == opcode; };
}

class SimulatorOnLan : public ::testing::Test {
 protected:
  void Start(const std::vector<std::string>& arguments) {
    std::string error;
    ASSERT_TRUE(sim_.Start(*g_lan, arguments, error)) << error;
  }
  void TearDown() override {
    EXPECT_EQ(sim_.Stop(SIGTERM), 0) << "dunmere-sim should stop cleanly on SIGTERM";
    const std::string log = sim_.Log();
    EXPECT_NE(log.find("\nstop t="), std::string::npos) << log;
    if (HasFailure()) std::fprintf(stderr, "dunmere-sim log:\n%s\n", log.c_str());
  }

  simtest::SimulatorProcess sim_;
};

TEST_F(SimulatorOnLan, EveryAdapterAnswersASearchWithItsFields) {
  Start({"--hex", "--adapter", "name=NAS-One,ip=10.213.1.10,id=00:11:22:33:44:55", "--adapter",
         "name=NAS-Two,ip=10.213.2.10,netmask=255.255.0.0,gateway=10.213.0.1,dhcp=1"});
  simtest::ProbeClient client;
  ASSERT_TRUE(client.ok());
  const Bytes request = simtest::SearchRequest(kClient);
  client.Send(request);
  const std::vector<Bytes> replies = client.Collect(700);
  ASSERT_EQ(replies.size(), 2u);

  for (const Bytes& reply : replies) {
    ASSERT_GE(reply.size(), 60u);
    EXPECT_EQ(reply[0], kSearchReply);
    EXPECT_EQ(TagAt(reply, 1), kClient);
    EXPECT_EQ(reply.size(), 60u + ReadLittleEndian32(&reply[56]));
    const std::string name(reply.begin() + 60, reply.end());
    if (name == "NAS-One") {
      EXPECT_EQ(TagAt(reply, 11), DeviceTagOf(kIdentity, {10, 213, 1, 10}));
      EXPECT_EQ(reply[21], '0');
      EXPECT_EQ(TextAt(reply, 24), "255.255.255.0");
      EXPECT_EQ(TextAt(reply, 40), "10.213.1.1");
    } else {
      EXPECT_EQ(name, "NAS-Two");
      EXPECT_EQ(TagAt(reply, 11),
                DeviceTagOf({0x02, 0x00, 0x5E, 0x10, 0x00, 0x02}, {10, 213, 2, 10}));
      EXPECT_EQ(reply[21], '1');
      EXPECT_EQ(TextAt(reply, 24), "255.255.0.0");
      EXPECT_EQ(TextAt(reply, 40), "10.213.0.1");
    }
  }
  EXPECT_TRUE(sim_.WaitForLog("recv op=1 len=11 from=10.213.1.1:", 1000));
  EXPECT_TRUE(sim_.WaitForLog(" hex=" + HexText(request.data(), request.size()) + " ", 1000));
  EXPECT_TRUE(sim_.WaitForLog("send op=2 len=67 to=224.0.0.1:13579 adapter=NAS-One", 1000));
}

TEST_F(SimulatorOnLan, LoginThenStaticAddressMovesTheAdapter) {
  Start({"--adapter",
         "name=NAS,ip=10.213.1.10,id=00:11:22:33:44:55,password=secret,shares=music:photos"});
  simtest::ProbeClient client;
  ASSERT_TRUE(client.ok());
  const Tag before = DeviceTagOf(kIdentity, {10, 213, 1, 10});
  const Tag after = DeviceTagOf(kIdentity, {10, 213, 2, 20});

  client.Send(
      simtest::StaticAddressRequest(kClient, before, "10.213.2.20", "255.255.255.0", "10.213.2.1"));
  EXPECT_FALSE(client.WaitFor(Opcode(kAddressReply), 400)) << "no address change before a login";

  client.Send(simtest::LoginRequest(kClient, before, "admin", "secret"));
  const auto login = client.WaitFor(Opcode(kDeviceReply), 1000);
  ASSERT_TRUE(login);
  ASSERT_EQ(login->size(), 29u);
  EXPECT_EQ(TagAt(*login, 1), kClient);
  EXPECT_EQ(TagAt(*login, 11), before);
  EXPECT_EQ((*login)[28], 1);

  client.Send(
      simtest::StaticAddressRequest(kClient, before, "10.213.2.20", "255.255.255.0", "10.213.2.1"));
  const auto moved = client.WaitFor(Opcode(kAddressReply), 1000);
  ASSERT_TRUE(moved);
  EXPECT_EQ(TagAt(*moved, 1), kClient);
  EXPECT_EQ(TagAt(*moved, 11), after);

  client.Send(simtest::SearchRequest(kClient));
  const auto search = client.WaitFor(Opcode(kSearchReply), 1000);
  ASSERT_TRUE(search);
  EXPECT_EQ(TagAt(*search, 11), after);
  EXPECT_EQ(TextAt(*search, 40), "10.213.2.1");

  client.Send(simtest::ShareListRequest(kClient, before));
  EXPECT_FALSE(client.WaitFor(Opcode(kDeviceReply), 400)) << "the old tag no longer reaches it";
  client.Send(simtest::ShareListRequest(kClient, after));
  const auto shares = client.WaitFor(Opcode(kDeviceReply), 1000);
  ASSERT_TRUE(shares);
  EXPECT_EQ(std::string(shares->begin() + 28, shares->end()), "music:photos");
}

TEST_F(SimulatorOnLan, ReplyToSenderReachesAClientBoundToItsOwnAddress) {
  Start({"--reply-to", "sender", "--adapter", "name=NAS,ip=10.213.1.10"});
  simtest::ProbeClient client("10.213.1.1");
  ASSERT_TRUE(client.ok());
  client.Send(simtest::SearchRequest(kClient));
  const auto reply = client.WaitFor(Opcode(kSearchReply), 1000);
  ASSERT_TRUE(reply);
  EXPECT_EQ(TagAt(*reply, 1), kClient);
  EXPECT_TRUE(sim_.WaitForLog("send op=2 len=63 to=10.213.1.1:13579 adapter=NAS", 1000));
}

TEST_F(SimulatorOnLan, LateRepliesComeAfterTheirFloodAndForeignDatagram) {
  Start(
      {"--adapter",
       "name=NAS,ip=10.213.1.10,id=00:11:22:33:44:55,command-delay=300,flood=100,foreign-first=2"});
  simtest::ProbeClient client;
  ASSERT_TRUE(client.ok());
  const auto sent = std::chrono::steady_clock::now();
  client.Send(simtest::ShareListRequest(kClient, DeviceTagOf(kIdentity, {10, 213, 1, 10})));
  ASSERT_TRUE(client.WaitFor(Opcode(7), 1000)) << "the flood";
  const auto firstFlood = std::chrono::steady_clock::now();
  std::vector<Bytes> rest = client.Collect(1200);
  ASSERT_GE(rest.size(), 2u);
  EXPECT_EQ(rest[rest.size() - 2][0], 2) << "the foreign datagram just before the reply";
  EXPECT_EQ(rest.back()[0], kDeviceReply);
  for (size_t i = 0; i + 2 < rest.size(); ++i) EXPECT_EQ(rest[i][0], 7);
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(firstFlood - sent).count(), 250)
      << "the flood waits for the command delay";
}

TEST_F(SimulatorOnLan, MalformedRequestsAreLoggedAndDropped) {
  Start({"--adapter", "name=NAS,ip=10.213.1.10"});
  simtest::ProbeClient client;
  ASSERT_TRUE(client.ok());
  client.Send({kDeviceRequest, 1, 2, 3});
  client.Send(Bytes(5000, kSearchRequest));  // a search request, with junk after it
  const auto reply = client.WaitFor(Opcode(kSearchReply), 1000);
  ASSERT_TRUE(reply) << "the long search is still a search";
  EXPECT_TRUE(sim_.WaitForLog("recv op=3 len=4 ", 1000));
  EXPECT_TRUE(sim_.WaitForLog("drop request shorter than its client tag", 1000));
  EXPECT_TRUE(sim_.WaitForLog("recv op=1 len=5000 ", 1000));
}

TEST(SimulatorStop, SigintStopsItToo) {
  simtest::SimulatorProcess sim;
  std::string error;
  ASSERT_TRUE(sim.Start(*g_lan, {"--adapter", "name=NAS,ip=10.213.1.10"}, error)) << error;
  EXPECT_EQ(sim.Stop(SIGINT), 0);
}

// The number of processes inside the namespace, as `ip netns pids` lists them.
int ProcessesIn(const std::string& ns) {
  FILE* list = popen(("ip netns pids " + ns + " 2>/dev/null").c_str(), "r");
  if (list == nullptr) return -1;
  int count = 0;
  char line[64];
  while (std::fgets(line, sizeof line, list) != nullptr) ++count;
  pclose(list);
  return count;
}

TEST(SimulatorStop, ASimulatorEndsWithTheTestThatStartedIt) {
  const std::string adapters = g_lan->name() + "-adapters";
  ASSERT_EQ(ProcessesIn(adapters), 0) << "an earlier simulator is still running";
  int channel[2];
  ASSERT_EQ(pipe2(channel, O_CLOEXEC), 0);  // the simulator must not hold it open
  const pid_t test = fork();
  if (test == 0) {
    // A test process that dies by SIGKILL, its destructors never run.
    close(channel[0]);
    simtest::SimulatorProcess sim;
    std::string error;
    // The log path on the first line, then "ready" or why not.
    const bool ready = sim.Start(*g_lan, {"--adapter", "name=NAS,ip=10.213.1.10"}, error);
    const std::string report = sim.LogPath() + "\n" + (ready ? "ready" : error);
    if (write(channel[1], report.data(), report.size()) < 0) _exit(1);
    close(channel[1]);
    pause();
    _exit(0);
  }
  close(channel[1]);
  std::string report;
  char chunk[256];
  for (ssize_t got; (got = read(channel[0], chunk, sizeof chunk)) > 0;) report.append(chunk, got);
  close(channel[0]);
  kill(test, SIGKILL);
  waitpid(test, nullptr, 0);
  const std::string logPath = report.substr(0, report.find('\n'));
  const std::string errorPath = logPath.substr(0, logPath.rfind('.')) + ".err";
  ASSERT_EQ(report.substr(logPath.size()), "\nready");

  int left = ProcessesIn(adapters);
  for (int waited = 0; left != 0 && waited < 5000; waited += 20) {
    usleep(20000);
    left = ProcessesIn(adapters);
  }
  EXPECT_EQ(left, 0) << "the simulator outlived the test that started it";
  std::remove(logPath.c_str());
  std::remove(errorPath.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string why = simtest::WhyNamespacesCannotRun();
  if (!why.empty()) {
    std::fprintf(stderr, "sim_namespace_test: skipped: %s\n", why.c_str());
    return simtest::kSkipExitCode;
  }
  auto lan = std::make_unique<simtest::VirtualLan>("simt" + std::to_string(getpid()));
  if (!lan->ok() || !lan->EnterHost()) {
    std::fprintf(stderr, "sim_namespace_test: could not set up the virtual LAN %s\n",
                 lan->name().c_str());
    return 1;
  }
  g_lan = lan.get();
  const int result = RUN_ALL_TESTS();
  lan.reset();
  return result;
}
