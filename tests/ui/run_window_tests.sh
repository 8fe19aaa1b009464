#!/usr/bin/env bash
# Runs the window tests (a Windows program) under Wine on the host side of a virtual LAN of
# their own, with dunmere-sim answering on the other side as the adapters of
# window_tests_lan.conf. The window needs a display: xvfb-run gives it one unless DISPLAY is set.
# Usage: run_window_tests.sh TESTS_EXE SIM [GTEST ARGS...]
# Exit status: the tests' own, or 77 (skipped) when the LAN cannot be made here.
set -uo pipefail
tests=$1 sim=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
vlan="$here/../../scripts/vlan"
lan="ui$$"
work=$(mktemp -d)

if [ "$(id -u)" -ne 0 ]; then
  echo "window tests skipped: they need root to make their network namespaces" >&2
  exit 77
fi
if [ ! -x "$sim" ]; then
  echo "window tests skipped: no dunmere-sim at '$sim' (build the native tree and point" \
       "DUNMERE_NATIVE_BUILD at it)" >&2
  exit 77
fi
if [ -z "${DISPLAY:-}" ] && ! command -v xvfb-run >/dev/null; then
  echo "window tests skipped: no DISPLAY and no xvfb-run (package xvfb)" >&2
  exit 77
fi

finish() {
  "$vlan" down "$lan" >/dev/null 2>&1
  rm -rf "$work"
}
trap finish EXIT

"$vlan" up "$lan" || exit $?
"$vlan" exec "$lan" adapters "$sim" --config "$here/window_tests_lan.conf" --log "$work/sim.log" &
for _ in $(seq 100); do
  grep -q '^ready' "$work/sim.log" 2>/dev/null && break
  sleep 0.05
done
grep -q '^ready' "$work/sim.log" || { echo "dunmere-sim did not start:"; cat "$work/sim.log"; exit 1; }

# A copy of the caller's initialised prefix saves a Wine first start, when there is one.
export VLAN_WINE_TEMPLATE=${VLAN_WINE_TEMPLATE:-${WINEPREFIX:-}}
run=("$vlan" wine "$lan" "$tests" "$@")
if [ -z "${DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}")
fi
"${run[@]}" </dev/null
status=$?
if [ "$status" -ne 0 ]; then
  echo "--- simulator log (last lines)"; tail -n 40 "$work/sim.log"
fi
exit "$status"
