# Sourced by the integration tests: a virtual LAN of the test's own with dunmere-sim on its
# adapters' side, and dunmere-cli run on its host side natively or under Wine.
#
#   lan_fixture.sh is sourced with: MODE (native|wine) CLI (path) SIM (path) set.

set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
vlan="$here/../../scripts/vlan"
lan="it$$"
work=$(mktemp -d)
failures=0

finish() {
  "$vlan" down "$lan" >/dev/null 2>&1
  rm -rf "$work"
}
trap finish EXIT

# Skips (exit 77) when namespaces cannot be made here; otherwise brings the LAN up.
start_lan() {
  "$vlan" up "$lan" "$@" || exit $?
}

# Starts dunmere-sim with the given options and waits for it to be listening.
start_sim() {
  "$vlan" exec "$lan" adapters "$SIM" --log "$work/sim.log" --hex "$@" &
  local i
  for i in $(seq 100); do
    grep -q '^ready' "$work/sim.log" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "dunmere-sim did not start:"; cat "$work/sim.log" 2>/dev/null
  exit 1
}

# dunmere-cli on the host side; stdout, stderr and status land in $work/out, err, status.
cli() {
  if [ "$MODE" = wine ]; then
    VLAN_WINE_TEMPLATE=${VLAN_WINE_TEMPLATE:-${WINEPREFIX:-}} "$vlan" wine "$lan" "$CLI" "$@" >"$work/out" 2>"$work/err" </dev/null
  else
    "$vlan" exec "$lan" host "$CLI" "$@" >"$work/out" 2>"$work/err" </dev/null
  fi
  echo $? >"$work/status"
  # Wine writes CR LF line ends.
  sed -i 's/\r$//' "$work/out" "$work/err"
}

expect_eq() { # what, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  else
    printf 'ok   %s\n' "$1"
  fi
}

expect_true() { # what, then a command
  local what=$1; shift
  if "$@"; then printf 'ok   %s\n' "$what"; else printf 'FAIL %s\n' "$what"; failures=$((failures + 1)); fi
}

finish_test() {
  if [ "$failures" -ne 0 ]; then
    echo "--- simulator log"; cat "$work/sim.log"
    exit 1
  fi
  exit 0
}
