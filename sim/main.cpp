// dunmere-sim: simulated adapters for tests and the demo. See --help.

#include <cstdio>
#include <string>
#include <vector>

#include "sim/event_log.h"
#include "sim/lan.h"
#include "sim/options.h"
#include "sim/run_loop.h"
#include "sim/udp_endpoint.h"

int main(int argc, char** argv) {
  SimOptions options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::fprintf(stderr, "dunmere-sim: %s\nTry 'dunmere-sim --help'.\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(kUsageText, stdout);
    return 0;
  }
  if (!options.interfaceName.empty() && !InterfaceExists(options.interfaceName)) {
    std::fprintf(stderr, "dunmere-sim: no network interface '%s' here\n",
                 options.interfaceName.c_str());
    return 2;
  }
  EventLog log;
  if (!log.Open(options.logPath)) {
    std::fprintf(stderr, "dunmere-sim: cannot write the log file '%s'\n", options.logPath.c_str());
    return 2;
  }
  InstallStopSignals();
  UdpEndpoint endpoint;
  if (!endpoint.Open(options, error)) {
    std::fprintf(stderr, "dunmere-sim: %s\n", error.c_str());
    return 1;
  }
  Lan lan(std::move(options.adapters));
  return RunLoop(options, lan, endpoint, log);
}
