#pragma once
// Builders for the five requests and length-checked readers for the replies.
// Builders take a zeroed area of 4096 bytes and return the byte count to send, or 0 when no
// AdapterRecord carries the IP text of WorkingAddress. Readers never look past `length`.

#include <cstdint>

#include "protocol.h"

int BuildSearchRequest(uint8_t* area);
int BuildLoginRequest(uint8_t* area);
int BuildShareListRequest(uint8_t* area);
int BuildDhcpRequest(uint8_t* area);
int BuildStaticAddressRequest(uint8_t* area);

// The texts of a SearchReply.
struct SearchReplyFields {
  char name[256];
  char ip[kAddressTextSize];
  char netmask[kAddressTextSize];
  char gateway[kAddressTextSize];
  char dhcpFlag[8];
  uint8_t deviceTag[kTagSize];
};

// False when the reply is too short for its fields, its name count is above 255 or runs past
// the datagram, or its netmask or gateway has no zero byte inside its 16-byte field.
bool ReadSearchReply(const uint8_t* datagram, int length, SearchReplyFields& fields);

// Address text of bytes 17 to 20 (login, share-list and address replies); false when too short.
bool ReadReplyAddress(const uint8_t* datagram, int length, char text[kAddressTextSize]);

// Byte 28 as a signed value; false when the datagram has no byte 28.
bool ReadLoginResult(const uint8_t* datagram, int length, int& result);

// Calls `take` for each non-empty ':'-separated piece of the text from byte 28 up to the first
// zero or the datagram's end; pieces longer than 63 bytes are skipped. False, with no call,
// when the datagram is too short to carry the address bytes the exchange tested.
template <typename Take>
bool ReadShareNames(const uint8_t* datagram, int length, Take take) {
  if (length < kDeviceAddressOffset + 4) return false;
  char piece[64];
  int pieceLength = 0;
  bool tooLong = false;
  for (int i = kDataOffset; i <= length; ++i) {
    const bool end = i == length || datagram[i] == 0;
    if (end || datagram[i] == ':') {
      if (pieceLength > 0 && !tooLong) {
        piece[pieceLength] = 0;
        take(static_cast<const char*>(piece));
      }
      pieceLength = 0;
      tooLong = false;
      if (end) break;
    } else if (pieceLength < 63) {
      piece[pieceLength++] = static_cast<char>(datagram[i]);
    } else {
      tooLong = true;
    }
  }
  return true;
}
