#!/usr/bin/env bash
# dunmere-cli search against three simulated adapters on a virtual LAN: one answering all three
# requests, one with another instance's tag, one answering late; plus one that answers once.
# Usage: search_test.sh native|wine CLI SIM
MODE=$1 CLI=$2 SIM=$3
source "$(dirname "$0")/lan_fixture.sh"

start_lan
reply_to=group
start_sim --reply-to "$reply_to" \
  --adapter name=Alpha,ip=10.213.1.10,netmask=255.255.255.0,gateway=10.213.1.1 \
  --adapter name=Intruder,ip=10.213.1.11,wrong-tag=1 \
  --adapter "name=Late,ip=10.213.2.12,netmask=255.255.0.0,gateway=10.213.0.1,dhcp=1,search-delay=40" \
  --adapter name=Once,ip=10.213.1.13,search-answers=1

cli search --json
expect_eq "search exits 0" 0 "$(cat "$work/status")"
expect_eq "adapters in order of first arrival" '[
  {"name": "Alpha", "ip": "10.213.1.10", "netmask": "255.255.255.0", "gateway": "10.213.1.1", "dhcp": false},
  {"name": "Once", "ip": "10.213.1.13", "netmask": "255.255.255.0", "gateway": "10.213.1.1", "dhcp": false},
  {"name": "Late", "ip": "10.213.2.12", "netmask": "255.255.0.0", "gateway": "10.213.0.1", "dhcp": true}
]' "$(cat "$work/out")"

# Three search requests of 11 bytes: opcode 1, six tag bytes, then the host's address.
requests=$(grep '^recv op=1 ' "$work/sim.log")
expect_eq "three requests of 11 bytes" 3 "$(grep -c 'len=11 ' <<<"$requests")"
expect_eq "one client tag ending in the host address 10.213.1.1" \
  "01............0ad50101" "$(sed -n 's/.*hex=\([0-9a-f]*\).*/\1/p' <<<"$requests" | sort -u | sed 's/^01\(.\{12\}\)/01............/')"

finish_test
