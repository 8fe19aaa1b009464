#!/usr/bin/env bash
# scripts/vlan: the LAN it builds, its refusals, and an idempotent down.
# Exits 77 (skipped) without root or `ip`, as the harness does.
set -uo pipefail
vlan=$(cd "$(dirname "$0")/../.." && pwd)/scripts/vlan
name=vlant$$
failures=0

check() { # description, command...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
in_ns() { local ns=$1; shift; ip netns exec "$ns" "$@"; }

"$vlan" up "$name" 10.213.1.10/24
status=$?
[ $status -eq 77 ] && exit 77
trap '"$vlan" down "$name" >/dev/null 2>&1' EXIT
check "up succeeds" test $status -eq 0

check "host side has 10.213.1.1" sh -c "ip netns exec $name-host ip -4 -o addr show dev vlan0 | grep -q ' 10.213.1.1/24 '"
for address in 10.213.1.2/24 10.213.2.2/24 10.213.1.10/24; do
  check "adapters side has $address" sh -c "ip netns exec $name-adapters ip -4 -o addr show dev vlan0 | grep -q ' $address '"
done
for side in host adapters; do
  check "$side has a multicast route" sh -c "ip netns exec $name-$side ip route show 224.0.0.0/4 | grep -q vlan0"
  check "$side has a default route" sh -c "ip netns exec $name-$side ip route show default | grep -q vlan0"
  check "$side has lo up" sh -c "ip netns exec $name-$side ip -o link show lo | grep -q UP"
done
check "host reaches the second subnet on-link" sh -c "ip netns exec $name-host ip route get 10.213.2.10 | grep -q 'dev vlan0'"
check "hostname resolves to the LAN address in the host namespace" \
  sh -c "ip netns exec $name-host getent hosts $(hostname) | grep -q '^10.213.1.1 '"
check "exec runs in the chosen side" sh -c "$vlan exec $name adapters ip -4 -o addr show | grep -q 10.213.2.2"
check "add puts another address on the adapters' side" "$vlan" add "$name" 10.213.2.30/24
check "the added address is there" sh -c "ip netns exec $name-adapters ip -4 -o addr | grep -q 10.213.2.30/24"
check "up again rebuilds the LAN" "$vlan" up "$name"
check "a rebuilt LAN has no leftover extra address" \
  sh -c "! ip netns exec $name-adapters ip -4 -o addr | grep -q 10.213.1.10/24"

check "down succeeds" "$vlan" down "$name"
check "down again succeeds" "$vlan" down "$name"
check "no namespace is left" sh -c "! ip netns list | grep -q '^$name-'"
check "no hosts file is left" test ! -e "/etc/netns/$name-host"

"$vlan" up "bad name!" >/dev/null 2>&1
check "a bad name is refused with status 2" test $? -eq 2
"$vlan" add "$name" 10.213.9.9 >/dev/null 2>&1
check "an address without prefix is refused with status 2" test $? -eq 2
# An up that fails, before or after creating the namespaces, leaves nothing behind.
for bad in 10.213.9.9 10.213.9.9/99; do
  "$vlan" up "$name" "$bad" >/dev/null 2>&1
  check "up with the address $bad fails" test $? -ne 0
  check "a failed up ($bad) leaves no namespace" sh -c "! ip netns list | grep -q '^$name-'"
  check "a failed up ($bad) leaves no hosts file" test ! -e "/etc/netns/$name-host"
done
"$vlan" frobnicate "$name" >/dev/null 2>&1
check "an unknown command is refused with status 2" test $? -eq 2
if command -v setpriv >/dev/null; then
  setpriv --reuid=65534 --regid=65534 --clear-groups "$vlan" up "$name" >/dev/null 2>&1
  check "not root: status 77" test $? -eq 77
fi

echo "$failures failed"
[ $failures -eq 0 ]
