#pragma once
// IPv4 addresses as the dotted-decimal texts that the system compares byte for byte.

#include <cstdint>

// "%d.%d.%d.%d" of four octets, each unsigned; at most 15 characters and the zero.
void FormatAddressText(const uint8_t octets[4], char text[16]);

// Strict dotted decimal: exactly four numbers 0 to 255, digits only, no leading sign or space.
// Returns false, writing nothing, for anything else.
bool ParseAddressText(const char* text, uint8_t octets[4]);
