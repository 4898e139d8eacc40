#!/usr/bin/env bash
# Gives accessibility_bus_test.py what a desktop gives a screen reader: an X
# display (Xvfb, a free number) and a session bus of its own, on which the
# accessibility bus starts when first asked for.
# Usage: accessibility_bus.sh VADELON_BINARY
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: a client leaving must not reset the server under the next one.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "accessibility: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
export XDG_RUNTIME_DIR=$work
# pyatspi is Debian's, for Debian's own Python. Not exec'd: the trap stops Xvfb.
dbus-run-session -- /usr/bin/python3 "$here/accessibility_bus_test.py" "$1" </dev/null
