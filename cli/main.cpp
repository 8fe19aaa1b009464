// dunmere-cli: the storage adapters of the LAN from the command line.
#include <iostream>

#include "cli/actions.h"
#include "cli/options.h"
#include "cli/password_prompt.h"
#include "net/endpoint.h"

int main(int argc, char* argv[]) {
  CliOptions options;
  if (const auto error = ParseCommandLine(argc, argv, options)) {
    std::cerr << "dunmere-cli: " << *error << "\n" << kUsage;
    return 2;
  }
  if (options.command == CliCommand::kHelp) {
    std::cout << kUsage;
    return 0;
  }
  NetworkStartup();
  const int status = RunCli(options, std::cout, std::cerr, PromptForPassword);
  NetworkShutdown();
  return status;
}
