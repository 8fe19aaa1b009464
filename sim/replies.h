#pragma once
// Building the replies that an adapter sends. Reply bytes that the client does not read are
// zero.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/address.h"
#include "sim/requests.h"

using Datagram = std::vector<uint8_t>;

// What a search reply tells about an adapter.
struct AdapterDescription {
  Tag deviceTag{};
  char dhcpFlag = '0';
  Ipv4 netmask{};
  Ipv4 gateway{};
  std::string name;
};

// Opcode 2: tags, DHCP flag at 21, netmask and gateway texts at 24 and 40, name count at 56 and
// the name from 60.
Datagram EncodeSearchReply(const Tag& clientTag, const AdapterDescription& adapter);

// Opcode 4 with the result byte at 28.
Datagram EncodeLoginReply(const Tag& clientTag, const Tag& deviceTag, uint8_t result);

// Opcode 4 with the ':'-separated share names from 28, no terminator.
Datagram EncodeShareListReply(const Tag& clientTag, const Tag& deviceTag,
                              const std::string& shares);

// Opcode 6; its device tag carries the address that the reply reports.
Datagram EncodeAddressReply(const Tag& clientTag, const Tag& deviceTag);
