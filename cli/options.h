#pragma once
// The command line of dunmere-cli, parsed apart from running anything.

#include <optional>
#include <string>

enum class CliCommand { kSearch, kShares, kDhcp, kStatic, kHelp };

struct CliOptions {
  CliCommand command = CliCommand::kHelp;
  std::string address;  // the adapter, for every command but search
  std::string newIp, newNetmask, newGateway;
  std::optional<std::string> password;
  bool json = false;
};

// Fills options, or returns a one-line usage error.
std::optional<std::string> ParseCommandLine(int argc, const char* const argv[],
                                            CliOptions& options);

extern const char kUsage[];
