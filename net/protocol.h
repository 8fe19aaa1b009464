#pragma once
// The UDP protocol spoken with the adapters: port, group, opcodes and field offsets.
// Every request goes to the group; every reply comes back to port 13579 of the host.

#include <cstdint>

constexpr unsigned short kAdapterPort = 13579;
constexpr const char kGroupAddressText[] = "224.0.0.1";

constexpr int kTagSize = 10;           // ClientTag and DeviceTag alike
constexpr int kPacketAreaSize = 4096;  // largest datagram sent or taken
constexpr int kAddressTextSize = 16;   // "255.255.255.255" and its zero

enum Opcode : uint8_t {
  kSearchRequest = 1,
  kSearchReply = 2,
  kDeviceRequest = 3,   // login, share list
  kDeviceReply = 4,     // login reply, share-list reply (told apart only by the waiting exchange)
  kAddressRequest = 5,  // static address, DHCP
  kAddressReply = 6,
};

enum SubCommand : uint8_t {
  kSubStaticAddress = 1,
  kSubDhcp = 2,
  kSubShareList = 3,
  kSubLogin = 4,
};

// Field offsets shared by requests and replies.
constexpr int kClientTagOffset = 1;
constexpr int kDeviceTagOffset = 11;
constexpr int kDeviceAddressOffset = 17;  // last four bytes of a DeviceTag: IPv4, first octet first
constexpr int kSubCommandOffset = 21;     // in a search reply: the DHCP flag
constexpr int kDhcpFlagOffset = 21;
constexpr int kDataLengthOffset = 24;  // opcode 3: 32-bit little-endian length ...
constexpr int kDataOffset = 28;        // ... and its data
constexpr int kNetmaskOffset = 24;     // opcodes 2 and 5: two 16-byte address texts ...
constexpr int kGatewayOffset = 40;
constexpr int kTextLengthOffset = 56;  // ... a 32-bit little-endian length ...
constexpr int kTextOffset = 60;        // ... and a variable text
constexpr int kLoginResultOffset = 28;

constexpr uint8_t kLoginSeparator[2] = {0x55, 0xAA};  // between user name and password

inline uint32_t ReadLittleEndian32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void WriteLittleEndian32(uint8_t* p, uint32_t value) {
  p[0] = uint8_t(value);
  p[1] = uint8_t(value >> 8);
  p[2] = uint8_t(value >> 16);
  p[3] = uint8_t(value >> 24);
}
