#include "sim/address.h"

#include <cstdio>

std::optional<Ipv4> ParseIpv4(std::string_view text) {
  Ipv4 address{};
  size_t at = 0;
  for (int octet = 0; octet < 4; ++octet) {
    if (octet > 0) {
      if (at >= text.size() || text[at] != '.') return std::nullopt;
      ++at;
    }
    int value = 0;
    int digits = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4) {
      value = value * 10 + (text[at] - '0');
      ++at;
      ++digits;
    }
    if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
    address[octet] = static_cast<uint8_t>(value);
  }
  if (at != text.size()) return std::nullopt;
  return address;
}

std::string FormatIpv4(const Ipv4& address) {
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", address[0], address[1], address[2], address[3]);
  return text;
}
