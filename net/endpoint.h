#pragma once
// The UDP endpoint: socket layer start and end, the two sockets, the host's address text and
// the ClientTag that marks this instance's requests.

#include <cstdint>

#include "link.h"

// Starts the socket layer, makes LocalAddressText and the ClientTag, opens and configures
// both sockets. Ends the process with status 1 when the socket layer cannot start.
void NetworkStartup();

// Closes the send socket, then the receive socket, then ends the socket layer.
void NetworkShutdown();

// Fills g_link.localAddressText and g_link.clientTag from the host's first IPv4 address.
void MakeClientTag();

// 1 when bytes 1 to 10 of the packet equal the ClientTag, else 0.
int MatchClientTag(const uint8_t* packet);

// Six pseudo-random bytes from a generator seeded with the seed, then the four host octets.
void FillClientTag(uint32_t seed, const uint8_t hostOctets[4], uint8_t tag[kTagSize]);

// Platform code: the host's first IPv4 address, first octet first (falling back to the first
// up, non-loopback interface when the resolver gives loopback or nothing), and the process id.
void FindHostAddress(uint8_t octets[4]);
uint32_t CurrentProcessId();

// The real link over the endpoint's sockets.
Link& SocketLink();
