#include "tests/sim/virtual_lan.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace simtest {

namespace {

const std::string kVlanScript = std::string(DUNMERE_SOURCE_DIR) + "/scripts/vlan";

int RunVlan(const std::string& arguments) {
  const int status = std::system((kVlanScript + " " + arguments + " >&2").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

bool Exited(pid_t pid, int& status) {
  return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

std::string WhyNamespacesCannotRun() {
  if (geteuid() != 0) return "needs root to create network namespaces";
  if (std::system("command -v ip >/dev/null 2>&1") != 0)
    return "needs the 'ip' command (package iproute2)";
  return {};
}

VirtualLan::VirtualLan(std::string name) : name_(std::move(name)) {
  ok_ = RunVlan("up " + name_) == 0;
}

VirtualLan::~VirtualLan() {
  if (originalNamespace_ >= 0) {
    setns(originalNamespace_, CLONE_NEWNET);
    close(originalNamespace_);
  }
  RunVlan("down " + name_);
}

bool VirtualLan::EnterHost() {
  const int host = open(("/run/netns/" + name_ + "-host").c_str(), O_RDONLY | O_CLOEXEC);
  if (host < 0) return false;
  if (originalNamespace_ < 0) originalNamespace_ = open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
  const bool entered = setns(host, CLONE_NEWNET) == 0;
  close(host);
  return entered;
}

SimulatorProcess::~SimulatorProcess() {
  if (pid_ > 0) Stop(SIGKILL);
  if (!logPath_.empty()) {
    std::remove(logPath_.c_str());
    std::remove(errorPath_.c_str());
  }
}

bool SimulatorProcess::Start(const VirtualLan& lan, const std::vector<std::string>& arguments,
                             std::string& error) {
  static int started = 0;
  const std::string base =
      "/tmp/dunmere-sim-test-" + std::to_string(getpid()) + "-" + std::to_string(++started);
  logPath_ = base + ".log";
  errorPath_ = base + ".err";
  std::vector<std::string> command = {"ip", "netns", "exec", lan.name() + "-adapters",
                                      DUNMERE_SIM_PATH};
  command.insert(command.end(), arguments.begin(), arguments.end());
  command.insert(command.end(), {"--log", logPath_});

  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // A test that dies without its destructors (a crash, a kill on timeout) must not leave a
    // simulator running in the namespace; the signal survives the exec of `ip` and of the
    // simulator. Checked after setting it, in case the test died just before.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    freopen(errorPath_.c_str(), "w", stderr);
    freopen("/dev/null", "w", stdout);
    std::vector<char*> argv;
    for (auto& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());  // `ip netns exec` execs the simulator in its place
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Log().rfind("ready ", 0) == 0) return true;
    int status = 0;
    if (Exited(pid_, status)) {
      pid_ = -1;
      error = "dunmere-sim exited before it was ready: " + ReadFile(errorPath_);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  error = "dunmere-sim was not ready within 10 s: " + ReadFile(errorPath_);
  return false;
}

int SimulatorProcess::Stop(int signal) {
  if (pid_ <= 0) return -1;
  kill(pid_, signal);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  bool exited = false;
  while (!(exited = Exited(pid_, status)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!exited) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string SimulatorProcess::Log() const {
  return ReadFile(logPath_);
}

bool SimulatorProcess::WaitForLog(const std::string& text, int milliseconds) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    if (Log().find(text) != std::string::npos) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace simtest
