#include "sim/options.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr int kMaxDelayMs = 600000;
constexpr int kMaxFloodMs = 60000;  // a flood is queued whole: one datagram per 2 ms
constexpr size_t kMaxNameBytes = kPacketAreaSize - kTextOffset;
constexpr size_t kMaxSharesBytes = kPacketAreaSize - kDataOffset;
constexpr int kMaxOverlong = 60000;  // keeps every reply inside one UDP datagram

long ParseNumber(const std::string& key, const std::string& text, long low, long high) {
  errno = 0;
  char* end = nullptr;
  const bool isHex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const long value = std::strtol(text.c_str(), &end, isHex ? 16 : 10);
  if (text.empty() || *end != 0 || errno == ERANGE || text[0] == '-' || text[0] == '+' ||
      text[0] == ' ' || value < low || value > high)
    throw BadInput(key + " wants a number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not '" + text + "'");
  return value;
}

// An opcode for the datagrams an adapter sends besides its replies. A request opcode is refused:
// a copy of a search reply under opcode 1 is a valid search request, which other simulators on
// the LAN (or this one, with --loopback) would answer, and so on without end.
int ParseForeignOpcode(const std::string& key, const std::string& text) {
  const long opcode = ParseNumber(key, text, 0, 255);
  if (opcode == kSearchRequest || opcode == kDeviceRequest || opcode == kAddressRequest)
    throw BadInput(key + " must not be a request opcode (1, 3 or 5), not '" + text + "'");
  return static_cast<int>(opcode);
}

bool ParseFlag(const std::string& key, const std::string& text) {
  if (text == "1" || text == "yes" || text == "on") return true;
  if (text == "0" || text == "no" || text == "off") return false;
  throw BadInput(key + " wants 1 or 0, not '" + text + "'");
}

Ipv4 ParseAddress(const std::string& key, const std::string& text) {
  const auto address = ParseIpv4(text);
  if (!address)
    throw BadInput(key + " wants a dotted IPv4 address such as 10.213.1.10, not '" + text + "'");
  return *address;
}

std::array<uint8_t, 6> ParseIdentity(const std::string& text) {
  std::array<uint8_t, 6> identity{};
  const bool wellFormed = text.size() == 17 && [&] {
    for (size_t i = 0; i < text.size(); ++i) {
      const bool separator = i % 3 == 2;
      if (separator ? (text[i] != ':' && text[i] != '-')
                    : !std::isxdigit(static_cast<unsigned char>(text[i])))
        return false;
    }
    return true;
  }();
  if (!wellFormed)
    throw BadInput("id wants six hex bytes such as 02:00:5e:10:00:01, not '" + text + "'");
  for (size_t i = 0; i < identity.size(); ++i)
    identity[i] = static_cast<uint8_t>(std::stoul(text.substr(i * 3, 2), nullptr, 16));
  return identity;
}

std::string CheckedText(const std::string& key, const std::string& text, size_t limit) {
  if (text.size() > limit)
    throw BadInput(key + " is longer than " + std::to_string(limit) + " bytes");
  return text;
}

using KeySetter =
    std::function<void(AdapterSettings&, const std::string& key, const std::string& value)>;

const std::map<std::string, KeySetter>& AdapterKeys() {
  static const std::map<std::string, KeySetter> keys = {
      {"name",
       [](AdapterSettings& a, auto& k, auto& v) { a.name = CheckedText(k, v, kMaxNameBytes); }},
      {"ip", [](AdapterSettings& a, auto& k, auto& v) { a.ip = ParseAddress(k, v); }},
      {"netmask", [](AdapterSettings& a, auto& k, auto& v) { a.netmask = ParseAddress(k, v); }},
      {"gateway", [](AdapterSettings& a, auto& k, auto& v) { a.gateway = ParseAddress(k, v); }},
      {"dhcp", [](AdapterSettings& a, auto& k, auto& v) { a.dhcp = ParseFlag(k, v); }},
      {"id", [](AdapterSettings& a, auto&, auto& v) { a.identity = ParseIdentity(v); }},
      {"password", [](AdapterSettings& a, auto& k,
                      auto& v) { a.adminPassword = CheckedText(k, v, kMaxSharesBytes); }},
      {"shares",
       [](AdapterSettings& a, auto& k, auto& v) { a.shares = CheckedText(k, v, kMaxSharesBytes); }},
      {"lease", [](AdapterSettings& a, auto& k, auto& v) { a.leaseIp = ParseAddress(k, v); }},
      {"lease-netmask",
       [](AdapterSettings& a, auto& k, auto& v) { a.leaseNetmask = ParseAddress(k, v); }},
      {"lease-gateway",
       [](AdapterSettings& a, auto& k, auto& v) { a.leaseGateway = ParseAddress(k, v); }},
      {"search-answers", [](AdapterSettings& a, auto& k,
                            auto& v) { a.knobs.searchAnswers = ParseNumber(k, v, 0, INT_MAX); }},
      {"search-delay", [](AdapterSettings& a, auto& k,
                          auto& v) { a.knobs.searchDelayMs = ParseNumber(k, v, 0, kMaxDelayMs); }},
      {"command-delay",
       [](AdapterSettings& a, auto& k, auto& v) {
         a.knobs.commandDelayMs = ParseNumber(k, v, 0, kMaxDelayMs);
       }},
      {"wrong-tag",
       [](AdapterSettings& a, auto& k, auto& v) { a.knobs.wrongClientTag = ParseFlag(k, v); }},
      {"truncate", [](AdapterSettings& a, auto& k,
                      auto& v) { a.knobs.truncateTo = ParseNumber(k, v, 0, INT_MAX); }},
      {"overlong", [](AdapterSettings& a, auto& k,
                      auto& v) { a.knobs.overlongBy = ParseNumber(k, v, 0, kMaxOverlong); }},
      {"silent",
       [](AdapterSettings& a, auto& k, auto& v) { a.knobs.silentToCommands = ParseFlag(k, v); }},
      {"old-address",
       [](AdapterSettings& a, auto& k, auto& v) { a.knobs.reportOldAddress = ParseFlag(k, v); }},
      {"foreign-first", [](AdapterSettings& a, auto& k,
                           auto& v) { a.knobs.foreignFirstOpcode = ParseForeignOpcode(k, v); }},
      {"flood", [](AdapterSettings& a, auto& k,
                   auto& v) { a.knobs.floodMs = ParseNumber(k, v, 0, kMaxFloodMs); }},
      {"flood-opcode", [](AdapterSettings& a, auto& k,
                          auto& v) { a.knobs.floodOpcode = ParseForeignOpcode(k, v); }},
      {"login-result",
       [](AdapterSettings& a, auto& k, auto& v) {
         a.knobs.loginResult = static_cast<uint8_t>(ParseNumber(k, v, 0, 255));
       }},
      {"login-required",
       [](AdapterSettings& a, auto& k, auto& v) { a.knobs.loginRequired = ParseFlag(k, v); }},
  };
  return keys;
}

// "key=value,key=value,..."; name and ip are required, the rest have defaults.
AdapterSettings ParseAdapter(const std::string& settings, size_t index) {
  AdapterSettings adapter;
  adapter.identity = {0x02, 0x00, 0x5E, 0x10, 0x00, static_cast<uint8_t>(index + 1)};
  std::map<std::string, std::string> given;
  std::stringstream pieces(settings);
  std::string piece;
  while (std::getline(pieces, piece, ',')) {
    const size_t equals = piece.find('=');
    if (equals == std::string::npos)
      throw BadInput("adapter setting '" + piece + "' is not key=value");
    const std::string key = piece.substr(0, equals);
    const auto setter = AdapterKeys().find(key);
    if (setter == AdapterKeys().end()) throw BadInput("unknown adapter setting '" + key + "'");
    if (!given.emplace(key, piece.substr(equals + 1)).second)
      throw BadInput("adapter setting '" + key + "' given twice");
  }
  for (const char* required : {"name", "ip"})
    if (!given.count(required)) throw BadInput(std::string("an adapter needs ") + required + "=");
  for (const auto& [key, value] : given) AdapterKeys().at(key)(adapter, key, value);

  if (!given.count("gateway")) {
    for (int i = 0; i < 4; ++i) adapter.gateway[i] = adapter.ip[i] & adapter.netmask[i];
    adapter.gateway[3] |= 1;
  }
  if (!given.count("lease")) adapter.leaseIp = adapter.ip;
  if (!given.count("lease-netmask")) adapter.leaseNetmask = adapter.netmask;
  if (!given.count("lease-gateway")) adapter.leaseGateway = adapter.gateway;
  return adapter;
}

class Parser {
 public:
  explicit Parser(SimOptions& options) : options_(options) {}

  void Parse(const std::vector<std::string>& args, bool inFile) {
    for (size_t i = 0; i < args.size(); ++i) {
      const std::string& option = args[i];
      auto value = [&]() -> const std::string& {
        if (i + 1 >= args.size()) throw BadInput(option + " needs a value");
        return args[++i];
      };
      if (option == "--help" || option == "-h")
        options_.help = true;
      else if (option == "--adapter")
        options_.adapters.push_back(ParseAdapter(value(), options_.adapters.size()));
      else if (option == "--interface")
        options_.interfaceName = value();
      else if (option == "--reply-to")
        options_.replyTo = ParseReplyTarget(value());
      else if (option == "--port")
        options_.port = ParseNumber(option, value(), 1, 65535);
      else if (option == "--log")
        options_.logPath = value();
      else if (option == "--hex")
        options_.hex = true;
      else if (option == "--loopback")
        options_.loopback = true;
      else if (option == "--config" && !inFile)
        ReadFile(value());
      else if (option == "--config")
        throw BadInput("--config inside an option file");
      else
        throw BadInput("unknown option '" + option + "'");
    }
  }

 private:
  static ReplyTarget ParseReplyTarget(const std::string& text) {
    if (text == "group") return ReplyTarget::kGroup;
    if (text == "sender") return ReplyTarget::kSender;
    throw BadInput("--reply-to wants 'group' or 'sender', not '" + text + "'");
  }

  // One option a line, without its dashes: "adapter name=NAS,ip=10.213.1.10". '#' starts a
  // comment line.
  void ReadFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw BadInput("cannot read option file '" + path + "'");
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
      const size_t start = line.find_first_not_of(" \t\r");
      if (start == std::string::npos || line[start] == '#') continue;
      const size_t end = line.find_last_not_of(" \t\r");
      const std::string content = line.substr(start, end - start + 1);
      const size_t space = content.find_first_of(" \t");
      std::vector<std::string> args{"--" + content.substr(0, space)};
      if (space != std::string::npos)
        args.push_back(content.substr(content.find_first_not_of(" \t", space)));
      try {
        Parse(args, true);
      } catch (const BadInput& bad) {
        throw BadInput(path + ":" + std::to_string(number) + ": " + bad.what());
      }
    }
  }

  SimOptions& options_;
};

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, SimOptions& options,
                      std::string& error) {
  try {
    Parser(options).Parse(args, false);
    if (!options.help && options.adapters.empty())
      throw BadInput("no adapter given (use --adapter or --config)");
    return true;
  } catch (const BadInput& bad) {
    error = bad.what();
    return false;
  }
}
