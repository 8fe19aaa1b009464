#include "sim/adapter.h"

#include <algorithm>
#include <cstdio>

namespace {

// A text from the wire as it may appear inside one log line: printable ASCII as it is, every
// other byte (and the backslash) as \xNN, so that no request can add or forge a line.
std::string LogSafe(const std::string& text) {
  std::string safe;
  for (const unsigned char byte : text) {
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      safe += static_cast<char>(byte);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      safe += escaped;
    }
  }
  return safe;
}

}  // namespace

SimulatedAdapter::SimulatedAdapter(AdapterSettings settings)
    : settings_(std::move(settings)),
      ip_(settings_.ip),
      netmask_(settings_.netmask),
      gateway_(settings_.gateway),
      dhcp_(settings_.dhcp) {}

Tag SimulatedAdapter::DeviceTag() const {
  Tag tag{};
  std::copy(settings_.identity.begin(), settings_.identity.end(), tag.begin());
  std::copy(ip_.begin(), ip_.end(), tag.begin() + settings_.identity.size());
  return tag;
}

AdapterDescription SimulatedAdapter::Description() const {
  return {DeviceTag(), dhcp_ ? '1' : '0', netmask_, gateway_, settings_.name};
}

Response SimulatedAdapter::Handle(const Request& request, int64_t nowMs) {
  if (request.kind == RequestKind::kSearch) return Search(request);
  if (request.deviceTag != DeviceTag()) return {};
  if (settings_.knobs.silentToCommands) return {{}, settings_.name + ": silent to commands"};
  switch (request.kind) {
    case RequestKind::kLogin: return Login(request, nowMs);
    case RequestKind::kShareList: return ShareList(request);
    default: return ChangeAddress(request, nowMs);
  }
}

Response SimulatedAdapter::Search(const Request& request) {
  const AdapterKnobs& knobs = settings_.knobs;
  if (knobs.searchAnswers >= 0 && searchesAnswered_ >= knobs.searchAnswers)
    return {{}, settings_.name + ": search not answered (answers used up)"};
  ++searchesAnswered_;
  return {Shape(EncodeSearchReply(request.clientTag, Description()), knobs.searchDelayMs, false),
          {}};
}

Response SimulatedAdapter::Login(const Request& request, int64_t nowMs) {
  const bool accepted = request.user == "admin" && request.password == settings_.adminPassword;
  if (accepted) {
    loginTimes_[request.clientTag] = nowMs;
  } else {
    loginTimes_.erase(request.clientTag);
  }
  const uint8_t result = accepted ? settings_.knobs.loginResult : 0;
  return {Shape(EncodeLoginReply(request.clientTag, DeviceTag(), result),
                settings_.knobs.commandDelayMs, true),
          settings_.name + (accepted ? ": login accepted" : ": login refused") + " for '" +
              LogSafe(request.user) + "'"};
}

Response SimulatedAdapter::ShareList(const Request& request) {
  return {Shape(EncodeShareListReply(request.clientTag, DeviceTag(), settings_.shares),
                settings_.knobs.commandDelayMs, true),
          {}};
}

bool SimulatedAdapter::LoggedIn(const Tag& clientTag, int64_t nowMs) const {
  const auto found = loginTimes_.find(clientTag);
  return found != loginTimes_.end() && nowMs - found->second <= kLoginLifetimeMs;
}

Response SimulatedAdapter::ChangeAddress(const Request& request, int64_t nowMs) {
  const AdapterKnobs& knobs = settings_.knobs;
  // Unanswered rather than answered with the old address: the client takes any address reply
  // to a DHCP command as success.
  if (knobs.loginRequired && !LoggedIn(request.clientTag, nowMs))
    return {
        {},
        settings_.name + ": address command refused, no login from this client in the last minute"};
  if (knobs.reportOldAddress)
    return {Shape(EncodeAddressReply(request.clientTag, DeviceTag()), knobs.commandDelayMs, true),
            settings_.name + ": address command ignored, old address reported"};
  if (request.kind == RequestKind::kDhcp) {
    ip_ = settings_.leaseIp;
    netmask_ = settings_.leaseNetmask;
    gateway_ = settings_.leaseGateway;
    dhcp_ = true;
  } else {
    ip_ = request.newIp;
    netmask_ = request.newNetmask;
    gateway_ = request.newGateway;
    dhcp_ = false;
  }
  return {Shape(EncodeAddressReply(request.clientTag, DeviceTag()), knobs.commandDelayMs, true),
          settings_.name + ": now " + FormatIpv4(ip_) + " netmask " + FormatIpv4(netmask_) +
              " gateway " + FormatIpv4(gateway_) + (dhcp_ ? " (DHCP)" : " (static)")};
}

std::vector<Outgoing> SimulatedAdapter::Shape(Datagram reply, int delayMs, bool isCommand) const {
  const AdapterKnobs& knobs = settings_.knobs;
  if (knobs.wrongClientTag) reply[kClientTagOffset] ^= 0xFF;
  if (knobs.truncateTo >= 0 && size_t(knobs.truncateTo) < reply.size())
    reply.resize(knobs.truncateTo);
  reply.insert(reply.end(), size_t(knobs.overlongBy), 0);

  std::vector<Outgoing> out;
  if (isCommand && knobs.floodMs > 0 && !reply.empty()) {
    Datagram foreign = reply;
    foreign[0] = static_cast<uint8_t>(knobs.floodOpcode);
    for (int at = 0; at < knobs.floodMs; at += kFloodIntervalMs)
      out.push_back({delayMs + at, foreign});
    delayMs += knobs.floodMs;
  }
  if (knobs.foreignFirstOpcode >= 0 && !reply.empty()) {
    Datagram foreign = reply;
    foreign[0] = static_cast<uint8_t>(knobs.foreignFirstOpcode);
    out.push_back({delayMs, foreign});
  }
  out.push_back({delayMs, std::move(reply)});
  return out;
}
