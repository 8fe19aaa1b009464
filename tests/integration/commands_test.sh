#!/usr/bin/env bash
# dunmere-cli's device commands against simulated adapters on a virtual LAN: share list, login
# refused and accepted, DHCP, a static change followed by a share list at the new address, and a
# silent adapter timing out within its bounds.
# Usage: commands_test.sh native|wine CLI SIM
MODE=$1 CLI=$2 SIM=$3
source "$(dirname "$0")/lan_fixture.sh"

start_lan 10.213.2.30/24
start_sim \
  --adapter "name=Open,ip=10.213.1.10,shares=music::video:music:Music:" \
  --adapter "name=Locked,ip=10.213.1.11,password=s3cret,lease=10.213.1.21,shares=backup" \
  --adapter "name=Mute,ip=10.213.1.12,silent=1"

cli shares 10.213.1.10
expect_eq "share list: empty pieces skipped, exact duplicates dropped" \
  "0|music
video
Music" "$(cat "$work/status")|$(cat "$work/out")"

cli dhcp 10.213.1.11
expect_eq "login refused without the password" \
  "1|Wrong administrator password input!" "$(cat "$work/status")|$(cat "$work/err")"
expect_true "refused login sends no DHCP request" \
  test "$(grep -c '^recv op=5 ' "$work/sim.log")" -eq 0

cli dhcp 10.213.1.11 --password s3cret --json
expect_eq "DHCP after the accepted login" \
  '0|{"message": "DHCP client enabled.", "ip": "10.213.1.21"}' "$(cat "$work/status")|$(cat "$work/out")"
expect_true "the login request carried admin, 0x55 0xAA and the password" \
  grep -q 'recv op=3 len=41 .*hex=03.\{40\}0400000d000000'"$(printf 'admin' | od -An -tx1 | tr -d ' \n')55aa$(printf 's3cret' | od -An -tx1 | tr -d ' \n')" "$work/sim.log"

cli static 10.213.1.10 --ip 10.213.2.30 --netmask 255.255.255.0 --gateway 10.213.2.1
expect_eq "static address confirmed" \
  "0|Static address set. The adapter now answers at 10.213.2.30." "$(cat "$work/status")|$(cat "$work/out")"

cli shares 10.213.2.30 --json
expect_eq "the moved adapter answers at its new address" \
  '0|["music", "video", "Music"]' "$(cat "$work/status")|$(cat "$work/out")"

start=$(date +%s%N)
cli shares 10.213.1.12
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
expect_eq "silent adapter: no share list" \
  "1|no share list from 10.213.1.12" "$(cat "$work/status")|$(cat "$work/err")"
# A search (about 1.2 s) and 11 counted polls (about 1.1 s); generous slack for Wine's start.
expect_true "silent adapter gives up within its bounds (${elapsed_ms} ms)" \
  test "$elapsed_ms" -ge 2000 -a "$elapsed_ms" -le 15000

finish_test
