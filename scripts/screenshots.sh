#!/usr/bin/env bash
# Renders the calculator window in each of its five modes, the era dialog,
# the about box, the almanac window with the 2000-01-01 report and the help
# window's three tabs (at 1x and QT_SCALE_FACTOR=2), with the real fonts on an
# X display, into docs/screenshots/, and the manual's pictures (its worked
# examples, the era questions for 1989 and 2019, the about box, the almanac
# window) into help/images/. Without $DISPLAY it starts its own Xvfb and stops it
# afterwards. VADELON_BUILD_DIR picks an existing build tree instead of the
# release preset.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

build=${VADELON_BUILD_DIR:-}
if [ -z "$build" ]; then
  cmake --preset release >/dev/null
  build=build/release
fi
cmake --build "$build" --target vadelon vadelon_calculator_shots vadelon_dialog_shots vadelon_almanac_window_shot \
  vadelon_help_window_shots \
  -j "$(nproc 2>/dev/null || echo 2)"

xvfb_pid=
app_pid=
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
      xvfb_pid=$!
      export DISPLAY=":$n"
      break
    fi
  done
  [ -n "$xvfb_pid" ] || { echo "screenshots: no free X display number" >&2; exit 1; }
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
export QT_QPA_PLATFORM=xcb

out=docs/screenshots
manual=help/images
mkdir -p "$out" "$manual"
"$build/tools/screenshots/vadelon_calculator_shots" "$out" "$manual"
"$build/tools/screenshots/vadelon_dialog_shots" "$out/era_dialog.png" "$out/about_box.png"
"$build/tools/screenshots/vadelon_dialog_shots" "$manual/era_dialog.png" "$manual/about_box.png" \
  "$manual/era_dialog_2019.png"
"$build/tools/screenshots/vadelon_almanac_window_shot" "$out/almanac_window.png"
"$build/tools/screenshots/vadelon_almanac_window_shot" "$manual/almanac_window.png"
built_manual="$build/share/vadelon/help"
if [ -f "$built_manual/contents.txt" ]; then
  "$build/tools/screenshots/vadelon_help_window_shots" "$built_manual" "$out"
  QT_SCALE_FACTOR=2 "$build/tools/screenshots/vadelon_help_window_shots" "$built_manual" "$out" @2x
else
  echo "screenshots: no manual in $built_manual; help window not rendered" >&2
fi

# The real program as it starts: the first display, from the X server's side.
"$build/app/vadelon" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'ヴァデロン1.0' | head -n 1)
sleep 0.5
import -window "$window" "$out/calculator_start.png"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=

ls -1 "$out" "$manual"
