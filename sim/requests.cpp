#include "sim/requests.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

Decoded Malformed(std::string problem) {
  return {DecodeStatus::kMalformed, {}, std::move(problem)};
}

// An address text in a 16-byte field: it must end with a zero byte inside the field.
std::optional<Ipv4> ReadAddressField(const uint8_t* field) {
  const void* zero = std::memchr(field, 0, kAddressTextSize);
  if (!zero) return std::nullopt;
  return ParseIpv4(std::string_view(reinterpret_cast<const char*>(field),
                                    static_cast<const uint8_t*>(zero) - field));
}

Decoded DecodeLogin(const uint8_t* bytes, size_t length, Decoded decoded) {
  if (length < size_t(kDataOffset)) return Malformed("login request shorter than 28 bytes");
  const uint32_t dataLength = ReadLittleEndian32(bytes + kDataLengthOffset);
  if (dataLength > length - kDataOffset) return Malformed("login data runs past the datagram");
  const uint8_t* data = bytes + kDataOffset;
  const uint8_t* end = data + dataLength;
  const uint8_t* separator = std::search(data, end, kLoginSeparator, kLoginSeparator + 2);
  if (separator == end) return Malformed("login data has no 0x55 0xAA separator");
  decoded.request.kind = RequestKind::kLogin;
  decoded.request.user.assign(data, separator);
  decoded.request.password.assign(separator + 2, end);
  return decoded;
}

Decoded DecodeStaticAddress(const uint8_t* bytes, size_t length, Decoded decoded) {
  const auto netmask = ReadAddressField(bytes + kNetmaskOffset);
  const auto gateway = ReadAddressField(bytes + kGatewayOffset);
  if (!netmask || !gateway)
    return Malformed("static address request with a bad netmask or gateway");
  const uint32_t textLength = ReadLittleEndian32(bytes + kTextLengthOffset);
  if (textLength > length - kTextOffset) return Malformed("new address runs past the datagram");
  const auto ip =
      ParseIpv4(std::string_view(reinterpret_cast<const char*>(bytes + kTextOffset), textLength));
  if (!ip) return Malformed("static address request with a bad new address");
  decoded.request.kind = RequestKind::kStaticAddress;
  decoded.request.newIp = *ip;
  decoded.request.newNetmask = *netmask;
  decoded.request.newGateway = *gateway;
  return decoded;
}

}  // namespace

Decoded DecodeRequest(const uint8_t* bytes, size_t length) {
  if (length == 0) return {DecodeStatus::kNotARequest, {}, "empty datagram"};
  const uint8_t opcode = bytes[0];
  if (opcode != kSearchRequest && opcode != kDeviceRequest && opcode != kAddressRequest)
    return {
        DecodeStatus::kNotARequest, {}, "opcode " + std::to_string(opcode) + " is not a request"};
  if (length < size_t(1 + kTagSize)) return Malformed("request shorter than its client tag");

  Decoded decoded{DecodeStatus::kRequest, {}, {}};
  std::copy_n(bytes + kClientTagOffset, kTagSize, decoded.request.clientTag.begin());
  if (opcode == kSearchRequest) return decoded;

  if (length <= size_t(kSubCommandOffset)) return Malformed("command shorter than 22 bytes");
  std::copy_n(bytes + kDeviceTagOffset, kTagSize, decoded.request.deviceTag.begin());
  const uint8_t sub = bytes[kSubCommandOffset];
  if (opcode == kDeviceRequest) {
    if (sub == kSubLogin) return DecodeLogin(bytes, length, decoded);
    if (sub == kSubShareList) {
      if (length < size_t(kDataOffset))
        return Malformed("share-list request shorter than 28 bytes");
      decoded.request.kind = RequestKind::kShareList;
      return decoded;
    }
  } else {
    if (length < size_t(kTextOffset)) return Malformed("address request shorter than 60 bytes");
    if (sub == kSubDhcp) {
      decoded.request.kind = RequestKind::kDhcp;
      return decoded;
    }
    if (sub == kSubStaticAddress) return DecodeStaticAddress(bytes, length, decoded);
  }
  return Malformed("unknown sub-command " + std::to_string(sub) + " for opcode " +
                   std::to_string(opcode));
}
