#pragma once
// One simulated adapter: its settings, its misbehaviour knobs, and the state machine that turns
// each request into the datagrams it sends back. Pure: time comes in as a number, datagrams go
// out as a list with their delays, and the socket loop does the rest.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/address.h"
#include "sim/replies.h"
#include "sim/requests.h"

// How an adapter misbehaves; the defaults make a well-behaved one.
struct AdapterKnobs {
  int searchAnswers = -1;         // answer only the first N searches; -1: all of them
  int searchDelayMs = 0;          // pause before each search reply
  int commandDelayMs = 0;         // pause before each command reply ("answers late")
  bool wrongClientTag = false;    // every datagram carries a client tag that is not the asker's
  int truncateTo = -1;            // replies cut to this many bytes; -1: whole
  int overlongBy = 0;             // zero bytes added after each reply
  bool silentToCommands = false;  // never answers logins, share lists or address commands
  bool reportOldAddress = false;  // address commands are ignored, but answered with the old address
  int foreignFirstOpcode = -1;    // before each reply, a copy of it with this opcode; -1: none
  int floodMs = 0;  // before each command reply, datagrams of floodOpcode for this long
  int floodOpcode = 7;
  uint8_t loginResult = 1;    // the result byte of an accepted login
  bool loginRequired = true;  // address commands only after a login in the last minute
};

struct AdapterSettings {
  std::string name;
  Ipv4 ip{};
  Ipv4 netmask{255, 255, 255, 0};
  Ipv4 gateway{};
  bool dhcp = false;
  std::array<uint8_t, 6> identity{};
  std::string adminPassword;  // for the user "admin"; empty by default
  std::string shares;         // ':'-separated, sent as they are
  Ipv4 leaseIp{};             // what DHCP gives it
  Ipv4 leaseNetmask{};
  Ipv4 leaseGateway{};
  AdapterKnobs knobs;
};

struct Outgoing {
  int delayMs = 0;
  Datagram bytes;
};

struct Response {
  std::vector<Outgoing> datagrams;  // in the order they are to be sent
  std::string note;                 // what the adapter did, for the log; empty when nothing
};

constexpr int64_t kLoginLifetimeMs = 60 * 1000;
constexpr int kFloodIntervalMs = 2;

class SimulatedAdapter {
 public:
  explicit SimulatedAdapter(AdapterSettings settings);

  // `nowMs` is any monotonic clock in milliseconds.
  Response Handle(const Request& request, int64_t nowMs);

  const std::string& Name() const { return settings_.name; }
  Tag DeviceTag() const;
  AdapterDescription Description() const;

 private:
  Response Search(const Request& request);
  Response Login(const Request& request, int64_t nowMs);
  Response ShareList(const Request& request);
  Response ChangeAddress(const Request& request, int64_t nowMs);
  bool LoggedIn(const Tag& clientTag, int64_t nowMs) const;
  // Applies the output knobs and the delays to one reply.
  std::vector<Outgoing> Shape(Datagram reply, int delayMs, bool isCommand) const;

  AdapterSettings settings_;
  Ipv4 ip_;
  Ipv4 netmask_;
  Ipv4 gateway_;
  bool dhcp_;
  int searchesAnswered_ = 0;
  std::map<Tag, int64_t> loginTimes_;  // client tag -> time of its last accepted login
};
