#!/usr/bin/env bash
# Sets up, builds (release preset) and starts ヴァデロン.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "run: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display: \$DISPLAY is not set, so the window has nowhere to appear." >&2
  echo "run: to run it on a virtual display:" >&2
  echo "run:   Xvfb :99 -screen 0 1024x768x24 &" >&2
  echo "run:   DISPLAY=:99 scripts/run.sh" >&2
  exit 1
fi

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vadelon -j "$(nproc 2>/dev/null || echo 2)"
exec build/release/app/vadelon "$@"
