#include "sim/replies.h"

#include <algorithm>

namespace {

// Opcode, echoed client tag and device tag, zeroes up to `length`.
Datagram Header(uint8_t opcode, const Tag& clientTag, const Tag& deviceTag, size_t length) {
  Datagram datagram(length, 0);
  datagram[0] = opcode;
  std::copy(clientTag.begin(), clientTag.end(), datagram.begin() + kClientTagOffset);
  std::copy(deviceTag.begin(), deviceTag.end(), datagram.begin() + kDeviceTagOffset);
  return datagram;
}

void WriteAddressField(Datagram& datagram, int offset, const Ipv4& address) {
  const std::string text = FormatIpv4(address);
  std::copy(text.begin(), text.end(), datagram.begin() + offset);
}

}  // namespace

Datagram EncodeSearchReply(const Tag& clientTag, const AdapterDescription& adapter) {
  Datagram datagram = Header(kSearchReply, clientTag, adapter.deviceTag, kTextOffset);
  datagram[kDhcpFlagOffset] = static_cast<uint8_t>(adapter.dhcpFlag);
  WriteAddressField(datagram, kNetmaskOffset, adapter.netmask);
  WriteAddressField(datagram, kGatewayOffset, adapter.gateway);
  WriteLittleEndian32(datagram.data() + kTextLengthOffset,
                      static_cast<uint32_t>(adapter.name.size()));
  datagram.insert(datagram.end(), adapter.name.begin(), adapter.name.end());
  return datagram;
}

Datagram EncodeLoginReply(const Tag& clientTag, const Tag& deviceTag, uint8_t result) {
  Datagram datagram = Header(kDeviceReply, clientTag, deviceTag, kLoginResultOffset + 1);
  datagram[kLoginResultOffset] = result;
  return datagram;
}

Datagram EncodeShareListReply(const Tag& clientTag, const Tag& deviceTag,
                              const std::string& shares) {
  Datagram datagram = Header(kDeviceReply, clientTag, deviceTag, kDataOffset);
  datagram.insert(datagram.end(), shares.begin(), shares.end());
  return datagram;
}

Datagram EncodeAddressReply(const Tag& clientTag, const Tag& deviceTag) {
  return Header(kAddressReply, clientTag, deviceTag, kDataOffset);
}
