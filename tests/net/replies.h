#pragma once
// Replies as an adapter sends them, for feeding the scripted link.

#include <cstring>
#include <string>

#include "net/protocol.h"
#include "tests/net/scripted_link.h"

struct Tag {
  uint8_t bytes[kTagSize];
};

// Six identity bytes then the address: the DeviceTag an adapter at a.b.c.d reports.
inline Tag DeviceTagFor(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t identity = 0xA0) {
  return {{identity, uint8_t(identity + 1), uint8_t(identity + 2), uint8_t(identity + 3),
           uint8_t(identity + 4), uint8_t(identity + 5), a, b, c, d}};
}

inline Bytes Header(uint8_t opcode, const uint8_t clientTag[kTagSize], const Tag& deviceTag,
                    size_t size) {
  Bytes bytes(size, 0);
  bytes[0] = opcode;
  std::memcpy(&bytes[kClientTagOffset], clientTag, kTagSize);
  std::memcpy(&bytes[kDeviceTagOffset], deviceTag.bytes, kTagSize);
  return bytes;
}

inline Bytes SearchReply(const uint8_t clientTag[kTagSize], const Tag& deviceTag,
                         const std::string& name, const char* netmask = "255.255.255.0",
                         const char* gateway = "192.168.0.1", char dhcpFlag = '0') {
  Bytes bytes = Header(kSearchReply, clientTag, deviceTag, kTextOffset + name.size());
  bytes[kDhcpFlagOffset] = uint8_t(dhcpFlag);
  std::memcpy(&bytes[kNetmaskOffset], netmask, std::strlen(netmask));
  std::memcpy(&bytes[kGatewayOffset], gateway, std::strlen(gateway));
  WriteLittleEndian32(&bytes[kTextLengthOffset], uint32_t(name.size()));
  std::memcpy(bytes.data() + kTextOffset, name.data(), name.size());
  return bytes;
}

// Opcode 4 or 6: tag, the adapter's DeviceTag (so its address at 17 to 20), then data from 28.
inline Bytes DeviceReply(uint8_t opcode, const uint8_t clientTag[kTagSize], const Tag& deviceTag,
                         const Bytes& data = {}) {
  Bytes bytes = Header(opcode, clientTag, deviceTag, kDataOffset);
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

inline Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}
