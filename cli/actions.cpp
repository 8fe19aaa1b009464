#include "cli/actions.h"

#include <ostream>

#include "cli/report.h"
#include "net/address_text.h"
#include "net/commands.h"
#include "net/discovery.h"
#include "net/subnet.h"

namespace {

int RunSearch(const CliOptions& options, std::ostream& out, std::ostream& err) {
  SearchAdapters();
  out << (options.json ? AdapterJson(g_link.adapterList) : AdapterLines(g_link.adapterList));
  if (AdapterListIsEmpty()) err << "no adapter answered\n";
  return 0;
}

// Searches, and makes the adapter found at the address the one that commands go to.
bool SelectAdapter(const CliOptions& options, std::ostream& err) {
  SearchAdapters();
  if (!FindAdapterByAddress(options.address.c_str())) {
    err << "no adapter at " << options.address << "\n";
    return false;
  }
  CopyText(g_link.workingAddress, options.address.c_str());
  return true;
}

// "admin" with the empty password first, then with the given or typed password.
bool LogInAsAdministrator(const CliOptions& options, std::ostream& err, PasswordPrompt prompt) {
  CopyText(g_link.credentials.userName, "admin");
  CopyText(g_link.credentials.password, "");
  if (AdminLogin() != 0) return true;

  const std::optional<std::string> password =
      options.password ? options.password : prompt("Administrator password: ");
  if (password && password->size() > size_t(kCredentialChars)) {
    err << "the password has more than 16 characters\n";
    return false;
  }
  if (password) {
    CopyText(g_link.credentials.password, password->c_str());
    if (AdminLogin() != 0) return true;
  }
  err << "Wrong administrator password input!\n";
  return false;
}

void ReportAddressChange(const CliOptions& options, const char* message, std::ostream& out) {
  if (options.json) {
    out << "{\"message\": " << JsonString(message)
        << ", \"ip\": " << JsonString(g_link.workingAddress) << "}\n";
  } else {
    out << message << " The adapter now answers at " << g_link.workingAddress << ".\n";
  }
}

int RunShares(const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (!SelectAdapter(options, err)) return 1;
  if (!FetchShareList()) {
    err << "no share list from " << options.address << "\n";
    return 1;
  }
  out << (options.json ? ShareJson(g_link.shareList) : ShareLines(g_link.shareList));
  return 0;
}

int RunDhcp(const CliOptions& options, std::ostream& out, std::ostream& err,
            PasswordPrompt prompt) {
  if (!SelectAdapter(options, err) || !LogInAsAdministrator(options, err, prompt)) return 1;
  if (!EnableDhcp()) {
    err << "Set to dhcp client fail.\n";
    return 1;
  }
  ReportAddressChange(options, "DHCP client enabled.", out);
  return 0;
}

// The three addresses must be dotted addresses, and the gateway must lie in the new subnet.
bool CheckStaticSettings(const CliOptions& options, std::ostream& err) {
  uint8_t ip[4], netmask[4], gateway[4];
  const struct {
    const std::string& text;
    uint8_t* octets;
    const char* name;
  } fields[] = {{options.newIp, ip, "--ip"},
                {options.newNetmask, netmask, "--netmask"},
                {options.newGateway, gateway, "--gateway"}};
  for (const auto& field : fields) {
    if (!ParseAddressText(field.text.c_str(), field.octets)) {
      err << field.name << " '" << field.text << "' is not an IPv4 address\n";
      return false;
    }
  }
  if (!SameSubnet(ip, gateway, netmask)) {
    err << "Gateway address input error!\n";
    return false;
  }
  FormatAddressText(ip, g_link.pendingSettings.newIp);
  FormatAddressText(netmask, g_link.pendingSettings.newNetmask);
  FormatAddressText(gateway, g_link.pendingSettings.newGateway);
  return true;
}

int RunStatic(const CliOptions& options, std::ostream& out, std::ostream& err,
              PasswordPrompt prompt) {
  if (!CheckStaticSettings(options, err)) return 2;
  if (!SelectAdapter(options, err) || !LogInAsAdministrator(options, err, prompt)) return 1;
  if (!SetStaticAddress()) {
    err << "the adapter did not confirm the new address " << g_link.pendingSettings.newIp << "\n";
    return 1;
  }
  ReportAddressChange(options, "Static address set.", out);
  return 0;
}

}  // namespace

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err, PasswordPrompt prompt) {
  switch (options.command) {
    case CliCommand::kSearch: return RunSearch(options, out, err);
    case CliCommand::kShares: return RunShares(options, out, err);
    case CliCommand::kDhcp: return RunDhcp(options, out, err, prompt);
    case CliCommand::kStatic: return RunStatic(options, out, err, prompt);
    case CliCommand::kHelp: break;
  }
  return 2;
}
