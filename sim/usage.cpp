#include "sim/options.h"

const char kUsageText[] =
    R"(Usage: dunmere-sim [OPTION...] --adapter SETTINGS [--adapter SETTINGS ...]

Answers the adapters' UDP protocol (port 13579, group 224.0.0.1) as one or more simulated
adapters. Run it only where its datagrams cannot leave the machine: inside a namespace of
scripts/vlan, e.g.  scripts/vlan exec LAN adapters dunmere-sim --adapter name=NAS,ip=10.213.1.10

Options:
  --adapter SETTINGS   one adapter, as comma-separated key=value pairs (below)
  --config FILE        more options from FILE, one a line without the dashes
                       ("adapter name=NAS,ip=10.213.1.10"); '#' starts a comment line
  --interface NAME     join the group on this interface and send group replies out of it
                       (default: the system's choice, i.e. the multicast route)
  --reply-to group     send replies to 224.0.0.1 at the port (default)
  --reply-to sender    send replies to the request's source address at the port; needed when
                       the client binds its receive socket to a unicast address (Windows, Wine)
  --port N             UDP port to listen on and reply to (default 13579)
  --loopback           let sockets of this host see the group replies (multicast loop); off by
                       default, so the simulator never hears its own replies
  --log FILE           append the log to FILE instead of standard output
  --hex                log each received datagram in full, as hex
  --help               this text

Adapter settings (name and ip are required):
  name=TEXT            the adapter's name (no commas)
  ip=A.B.C.D           its IPv4 address; its DeviceTag is the six id bytes, then this address
  netmask=A.B.C.D      default 255.255.255.0
  gateway=A.B.C.D      default: the first address of its subnet
  dhcp=0|1             reported DHCP flag, '1' or '0' (default 0)
  id=XX:XX:XX:XX:XX:XX the six identity bytes (default 02:00:5e:10:00:N for the Nth adapter)
  password=TEXT        administrator password for the user "admin" (default empty)
  shares=A:B:C         share names, sent exactly as given (default none)
  lease=A.B.C.D        the address DHCP gives it (default: its ip)
  lease-netmask=, lease-gateway=    netmask and gateway under DHCP (default: its own)
Knobs for tests (per adapter; times in milliseconds):
  search-answers=N     answer only the first N search requests, then stay silent
  search-delay=MS      wait before each search reply
  command-delay=MS     wait before each login, share-list and address reply (answer late)
  wrong-tag=1          replies carry a client tag other than the asker's
  truncate=N           cut every reply to N bytes
  overlong=N           add N zero bytes after every reply (over 4096 bytes in all is more
                       than the client takes)
  silent=1             answer searches but no command
  old-address=1        ignore address commands, but answer them with the old address
  foreign-first=OP     send a copy of each reply with opcode OP just before it (OP is no
                       request opcode: not 1, 3 or 5)
  flood=MS             before each command reply, send copies with opcode flood-opcode every
                       2 ms for MS (at most 60000)
  flood-opcode=OP      opcode of the flood (default 7; not 1, 3 or 5)
  login-result=N       result byte of an accepted login (default 1; e.g. 0xFF)
  login-required=0     accept address commands without a login (default: they need an
                       accepted login from the same client tag within the last minute)

The adapters' addresses need not belong to any interface: replies leave from the socket's own
address, and the client reads the adapter's address from the reply, never from its source.

Behaviour: every adapter answers each search request; a login, share-list or address command
is answered only by the adapter whose current DeviceTag equals bytes 11 to 20 of the request.
A refused or unauthorised address command is not answered. After an address change the adapter
answers at its new address, with DHCP flag '1' after DHCP and '0' after a static address.

Log: one line per event, flushed at once:
  ready port=P group=224.0.0.1 interface=NAME reply-to=group|sender adapters=N
  recv op=OP len=N from=A.B.C.D:PORT [hex=...]
  send op=OP len=N to=A.B.C.D:PORT adapter=NAME
  note TEXT            (what an adapter did: logins, address changes, refusals)
  drop TEXT            (a datagram that is not a request, or a malformed one)
  error TEXT           (a reply the system refused to send)
  stop
Exit status: 0 after SIGTERM or SIGINT, 1 when the socket cannot be set up, 2 on bad input.
)";
