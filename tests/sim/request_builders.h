#pragma once
// Requests as a client sends them, for feeding the simulator in tests.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "sim/requests.h"

namespace simtest {

inline std::vector<uint8_t> Header(uint8_t opcode, const Tag& clientTag, size_t length) {
  std::vector<uint8_t> bytes(length, 0);
  bytes[0] = opcode;
  std::copy(clientTag.begin(), clientTag.end(), bytes.begin() + kClientTagOffset);
  return bytes;
}

inline std::vector<uint8_t> Command(uint8_t opcode, uint8_t sub, const Tag& clientTag,
                                    const Tag& deviceTag, size_t length) {
  std::vector<uint8_t> bytes = Header(opcode, clientTag, length);
  std::copy(deviceTag.begin(), deviceTag.end(), bytes.begin() + kDeviceTagOffset);
  bytes[kSubCommandOffset] = sub;
  return bytes;
}

inline std::vector<uint8_t> SearchRequest(const Tag& clientTag) {
  return Header(kSearchRequest, clientTag, 11);
}

inline std::vector<uint8_t> LoginRequest(const Tag& clientTag, const Tag& deviceTag,
                                         const std::string& user, const std::string& password) {
  std::vector<uint8_t> bytes =
      Command(kDeviceRequest, kSubLogin, clientTag, deviceTag, kDataOffset);
  WriteLittleEndian32(bytes.data() + kDataLengthOffset,
                      uint32_t(user.size() + password.size() + 2));
  bytes.insert(bytes.end(), user.begin(), user.end());
  bytes.insert(bytes.end(), kLoginSeparator, kLoginSeparator + 2);
  bytes.insert(bytes.end(), password.begin(), password.end());
  return bytes;
}

inline std::vector<uint8_t> ShareListRequest(const Tag& clientTag, const Tag& deviceTag) {
  return Command(kDeviceRequest, kSubShareList, clientTag, deviceTag, kDataOffset);
}

inline std::vector<uint8_t> DhcpRequest(const Tag& clientTag, const Tag& deviceTag) {
  return Command(kAddressRequest, kSubDhcp, clientTag, deviceTag, kTextOffset);
}

inline std::vector<uint8_t> StaticAddressRequest(const Tag& clientTag, const Tag& deviceTag,
                                                 const std::string& ip, const std::string& netmask,
                                                 const std::string& gateway) {
  std::vector<uint8_t> bytes =
      Command(kAddressRequest, kSubStaticAddress, clientTag, deviceTag, kTextOffset);
  std::copy(netmask.begin(), netmask.end(), bytes.begin() + kNetmaskOffset);
  std::copy(gateway.begin(), gateway.end(), bytes.begin() + kGatewayOffset);
  WriteLittleEndian32(bytes.data() + kTextLengthOffset, uint32_t(ip.size()));
  bytes.insert(bytes.end(), ip.begin(), ip.end());
  return bytes;
}

// The DeviceTag of an adapter: six identity bytes, then its address.
inline Tag DeviceTagOf(std::array<uint8_t, 6> identity, Ipv4 ip) {
  Tag tag{};
  std::copy(identity.begin(), identity.end(), tag.begin());
  std::copy(ip.begin(), ip.end(), tag.begin() + 6);
  return tag;
}

// The ten bytes of a tag at `offset` of a datagram.
inline Tag TagAt(const std::vector<uint8_t>& datagram, size_t offset) {
  Tag tag{};
  std::copy_n(datagram.begin() + offset, kTagSize, tag.begin());
  return tag;
}

}  // namespace simtest
