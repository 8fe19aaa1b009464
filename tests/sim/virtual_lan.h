#pragma once
// Test helpers around scripts/vlan: a LAN of the test's own, the simulator running in its
// adapters' namespace, and entering its host namespace so that the test's own sockets are on
// the LAN. Usable by any native test that links dunmere_vlan_testing.

#include <sys/types.h>

#include <string>
#include <vector>

namespace simtest {

constexpr int kSkipExitCode = 77;

// Empty when namespace tests can run here; else why not (not root, no `ip`).
std::string WhyNamespacesCannotRun();

class VirtualLan {
 public:
  // Creates NAME-host and NAME-adapters with `scripts/vlan up`; `ok()` tells whether it worked.
  explicit VirtualLan(std::string name);
  ~VirtualLan();  // leaves the host namespace if entered, then `scripts/vlan down`
  VirtualLan(const VirtualLan&) = delete;
  VirtualLan& operator=(const VirtualLan&) = delete;

  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }
  // Moves the calling thread (in a single-threaded test: the process) into NAME-host; sockets
  // opened afterwards belong to the LAN.
  bool EnterHost();

 private:
  std::string name_;
  bool ok_ = false;
  int originalNamespace_ = -1;
};

// dunmere-sim running inside NAME-adapters, with its log in a file of its own.
class SimulatorProcess {
 public:
  SimulatorProcess() = default;
  ~SimulatorProcess();  // stops it if still running
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // Starts it with `arguments` (plus --log) and waits up to 10 s for its "ready" line.
  // False with `error` set when it exits or never gets ready.
  bool Start(const VirtualLan& lan, const std::vector<std::string>& arguments, std::string& error);
  // Sends the signal and waits up to 5 s; returns the exit status, or -1 when it had to be
  // killed or died of a signal.
  int Stop(int signal);
  std::string Log() const;
  // True once the log holds `text`; waits up to `milliseconds` (it logs a send after sending).
  bool WaitForLog(const std::string& text, int milliseconds) const;
  const std::string& LogPath() const { return logPath_; }

 private:
  pid_t pid_ = -1;
  std::string logPath_;
  std::string errorPath_;
};

}  // namespace simtest
