#include "cli/options.h"

#include <cstring>

#include "net/address_text.h"
#include "net/link_state.h"

const char kUsage[] =
    "usage: dunmere-cli search [--json]\n"
    "       dunmere-cli shares ADDR [--json]\n"
    "       dunmere-cli dhcp ADDR [--password P] [--json]\n"
    "       dunmere-cli static ADDR --ip I --netmask M --gateway G [--password P] [--json]\n"
    "\n"
    "Finds the storage adapters on the LAN and sends them commands. ADDR is the adapter's\n"
    "address as a search lists it. Address changes log in as admin with the empty password,\n"
    "then with --password, or with a password typed at the terminal.\n";

namespace {

bool IsAddress(const std::string& text) {
  uint8_t octets[4];
  return ParseAddressText(text.c_str(), octets);
}

}  // namespace

std::optional<std::string> ParseCommandLine(int argc, const char* const argv[],
                                            CliOptions& options) {
  options = CliOptions();
  if (argc < 2) return std::string("missing command");
  const std::string verb = argv[1];
  if (verb == "--help" || verb == "-h" || verb == "help") return std::nullopt;
  if (verb == "search")
    options.command = CliCommand::kSearch;
  else if (verb == "shares")
    options.command = CliCommand::kShares;
  else if (verb == "dhcp")
    options.command = CliCommand::kDhcp;
  else if (verb == "static")
    options.command = CliCommand::kStatic;
  else
    return "unknown command '" + verb + "'";

  const bool changesAddress =
      options.command == CliCommand::kDhcp || options.command == CliCommand::kStatic;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    auto value = [&](std::string& into) -> std::optional<std::string> {
      if (i + 1 >= argc) return argument + " needs a value";
      into = argv[++i];
      return std::nullopt;
    };
    std::optional<std::string> error;
    if (argument == "--help" || argument == "-h") {
      options.command = CliCommand::kHelp;
      return std::nullopt;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--password" && changesAddress) {
      error = value(options.password.emplace());
    } else if (options.command == CliCommand::kStatic && argument == "--ip") {
      error = value(options.newIp);
    } else if (options.command == CliCommand::kStatic && argument == "--netmask") {
      error = value(options.newNetmask);
    } else if (options.command == CliCommand::kStatic && argument == "--gateway") {
      error = value(options.newGateway);
    } else if (argument.rfind("-", 0) != 0 && options.command != CliCommand::kSearch &&
               options.address.empty()) {
      options.address = argument;
    } else {
      return "unexpected argument '" + argument + "'";
    }
    if (error) return error;
  }

  if (options.command == CliCommand::kSearch) return std::nullopt;
  if (options.address.empty()) return std::string("missing adapter address");
  if (!IsAddress(options.address)) return "'" + options.address + "' is not an IPv4 address";
  if (options.password && options.password->size() > size_t(kCredentialChars))
    return "the password has more than 16 characters";
  if (options.command == CliCommand::kStatic) {
    if (options.newIp.empty() || options.newNetmask.empty() || options.newGateway.empty())
      return std::string("static needs --ip, --netmask and --gateway");
  }
  return std::nullopt;
}
