#pragma once
// The simulator's command line (and the option file that --config reads).

#include <string>
#include <vector>

#include "sim/adapter.h"

enum class ReplyTarget {
  kGroup,   // 224.0.0.1 at the port
  kSender,  // the request's source address, at the port (for clients bound to a unicast address)
};

struct SimOptions {
  std::vector<AdapterSettings> adapters;
  std::string interfaceName;  // empty: the system's choice
  ReplyTarget replyTo = ReplyTarget::kGroup;
  int port = kAdapterPort;
  std::string logPath;    // empty: standard output
  bool hex = false;       // log every received datagram in full
  bool loopback = false;  // let this host's own sockets see the replies sent to the group
  bool help = false;
};

// False with a message naming the bad argument. `args` excludes the program name.
bool ParseCommandLine(const std::vector<std::string>& args, SimOptions& options,
                      std::string& error);

extern const char kUsageText[];
