#!/usr/bin/env bash
# Gives screen_reader_test.py a blind user's desktop: an X display (Xvfb, a
# free number) with a window manager, and a session bus of its own, on which
# the accessibility bus and Orca run.
# Usage: screen_reader.sh VADELON_BINARY
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=screen_reader
work=$(mktemp -d)
. "$here/e2e_helpers.sh"
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

command -v orca >/dev/null || fail "orca is not installed (scripts/setup.sh installs it)"
start_xvfb || fail "start Xvfb"
export DISPLAY=$display
export XDG_RUNTIME_DIR=$work
chmod 700 "$work"
# Orca and pyatspi are Debian's, for Debian's own Python. Not exec'd: the trap stops Xvfb.
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$1" "$work" </dev/null
