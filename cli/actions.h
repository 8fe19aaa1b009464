#pragma once
// The commands of dunmere-cli on the device-link core. Each returns the process exit status:
// 0 done, 1 failed (one line on err says why), 2 bad input (nothing sent).

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/options.h"

using PasswordPrompt = std::optional<std::string> (*)(const char* prompt);

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err, PasswordPrompt prompt);
