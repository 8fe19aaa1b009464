#include "net/packets.h"

#include <cstring>

#include "net/address_text.h"
#include "net/discovery.h"
#include "net/link_state.h"

namespace {

// Opcode, ClientTag, the stored DeviceTag of the adapter at WorkingAddress, and the
// sub-command: the head shared by requests 3 and 5. False when no adapter has that address.
bool WriteCommandHead(uint8_t* area, Opcode opcode, SubCommand subCommand) {
  const AdapterRecord* adapter = FindAdapterByAddress(g_link.workingAddress);
  if (!adapter) return false;
  area[0] = opcode;
  std::memcpy(area + kClientTagOffset, g_link.clientTag, kTagSize);
  std::memcpy(area + kDeviceTagOffset, adapter->deviceTag, kTagSize);
  area[kSubCommandOffset] = subCommand;
  return true;
}

// Address text into a 16-byte field, zero-filled to its end.
void WriteAddressField(uint8_t* field, const char* text) {
  std::memset(field, 0, kAddressTextSize);
  std::memcpy(field, text, strnlen(text, kAddressTextSize));
}

bool FindsZeroInField(const uint8_t* field) {
  return std::memchr(field, 0, kAddressTextSize) != nullptr;
}

}  // namespace

int BuildSearchRequest(uint8_t* area) {
  area[0] = kSearchRequest;
  std::memcpy(area + kClientTagOffset, g_link.clientTag, kTagSize);
  return 11;
}

int BuildLoginRequest(uint8_t* area) {
  if (!WriteCommandHead(area, kDeviceRequest, kSubLogin)) return 0;
  const Credentials& credentials = g_link.credentials;
  const uint32_t userLength = uint32_t(strnlen(credentials.userName, kCredentialChars));
  const uint32_t passwordLength = uint32_t(strnlen(credentials.password, kCredentialChars));
  area[22] = area[23] = 0;
  WriteLittleEndian32(area + kDataLengthOffset, userLength + passwordLength + 2);
  uint8_t* data = area + kDataOffset;
  std::memcpy(data, credentials.userName, userLength);
  data[userLength] = kLoginSeparator[0];
  data[userLength + 1] = kLoginSeparator[1];
  std::memcpy(data + userLength + 2, credentials.password, passwordLength);
  return int(kDataOffset + userLength + 2 + passwordLength);
}

int BuildShareListRequest(uint8_t* area) {
  if (!WriteCommandHead(area, kDeviceRequest, kSubShareList)) return 0;
  area[22] = area[23] = 0;
  WriteLittleEndian32(area + kDataLengthOffset, 0);
  return 28;
}

int BuildDhcpRequest(uint8_t* area) {
  if (!WriteCommandHead(area, kAddressRequest, kSubDhcp)) return 0;
  std::memset(area + 22, 0, 60 - 22);
  return 60;
}

int BuildStaticAddressRequest(uint8_t* area) {
  if (!WriteCommandHead(area, kAddressRequest, kSubStaticAddress)) return 0;
  const PendingSettings& settings = g_link.pendingSettings;
  area[22] = area[23] = 0;
  WriteAddressField(area + kNetmaskOffset, settings.newNetmask);
  WriteAddressField(area + kGatewayOffset, settings.newGateway);
  const uint32_t ipLength = uint32_t(strnlen(settings.newIp, kAddressTextSize - 1));
  WriteLittleEndian32(area + kTextLengthOffset, ipLength);
  std::memcpy(area + kTextOffset, settings.newIp, ipLength);
  return int(kTextOffset + ipLength);
}

bool ReadSearchReply(const uint8_t* datagram, int length, SearchReplyFields& fields) {
  if (length < kTextOffset) return false;
  if (!FindsZeroInField(datagram + kNetmaskOffset) || !FindsZeroInField(datagram + kGatewayOffset))
    return false;
  const uint32_t nameLength = ReadLittleEndian32(datagram + kTextLengthOffset);
  if (nameLength > 255 || nameLength > uint32_t(length - kTextOffset)) return false;

  std::memcpy(fields.name, datagram + kTextOffset, nameLength);
  fields.name[nameLength] = 0;
  FormatAddressText(datagram + kDeviceAddressOffset, fields.ip);
  std::memcpy(fields.netmask, datagram + kNetmaskOffset, kAddressTextSize);
  std::memcpy(fields.gateway, datagram + kGatewayOffset, kAddressTextSize);
  fields.dhcpFlag[0] = char(datagram[kDhcpFlagOffset]);
  fields.dhcpFlag[1] = 0;
  std::memcpy(fields.deviceTag, datagram + kDeviceTagOffset, kTagSize);
  return true;
}

bool ReadReplyAddress(const uint8_t* datagram, int length, char text[kAddressTextSize]) {
  if (length < kDeviceAddressOffset + 4) return false;
  FormatAddressText(datagram + kDeviceAddressOffset, text);
  return true;
}

bool ReadLoginResult(const uint8_t* datagram, int length, int& result) {
  if (length <= kLoginResultOffset) return false;
  result = int8_t(datagram[kLoginResultOffset]);
  return true;
}
