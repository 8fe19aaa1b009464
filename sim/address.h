#pragma once
// IPv4 addresses of the simulated adapters and their dotted-decimal texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using Ipv4 = std::array<uint8_t, 4>;  // first octet first, as on the wire

// Strict dotted decimal: four numbers 0 to 255, digits only, at most three digits each.
std::optional<Ipv4> ParseIpv4(std::string_view text);

// "%d.%d.%d.%d", each octet unsigned.
std::string FormatIpv4(const Ipv4& address);
