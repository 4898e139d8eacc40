#!/usr/bin/env bash
# Gives accessibility_bus_test.py what a desktop gives a screen reader: an X
# display (Xvfb, a free number) and a session bus of its own, on which the
# accessibility bus starts when first asked for.
# Usage: accessibility_bus.sh VADELON_BINARY
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=accessibility
work=$(mktemp -d)
. "$here/e2e_helpers.sh"
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb || fail "start Xvfb"
export DISPLAY=$display
export XDG_RUNTIME_DIR=$work
# pyatspi is Debian's, for Debian's own Python. Not exec'd: the trap stops Xvfb.
dbus-run-session -- /usr/bin/python3 "$here/accessibility_bus_test.py" "$1" </dev/null
