#!/usr/bin/env bash
# Renders the calculator window in each of its five modes, the era dialog,
# the about box, the almanac window with the 2000-01-01 report, the help
# window's three tabs and the month calendar (these two at 1x and
# QT_SCALE_FACTOR=2), the window 年齢と期間, with the real fonts on an X display, into
# docs/screenshots/, and the manual's pictures (its worked examples, the era
# questions for 1989 and 2019, the about box, the almanac window, the
# calendar with a day and with a range, the window 年齢と期間) into help/images/. Without $DISPLAY it starts its own Xvfb and stops it
# afterwards. VADELON_BUILD_DIR picks an existing build tree instead of the
# release preset.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "screenshots: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."

scripts/setup.sh

build=${VADELON_BUILD_DIR:-}
if [ -z "$build" ]; then
  cmake --preset release >/dev/null
  build=build/release
fi
cmake --build "$build" --target vadelon vadelon_calculator_shots vadelon_dialog_shots vadelon_almanac_window_shot \
  vadelon_help_window_shots vadelon_calendar_window_shot vadelon_period_window_shot \
  -j "$(nproc 2>/dev/null || echo 2)"

xvfb_pid=
app_pid=
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number itself and writes it once it is ready.
  display_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$display_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  [ -s "$display_file" ] || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
fi
export QT_QPA_PLATFORM=xcb

out=docs/screenshots
manual=help/images
mkdir -p "$out" "$manual"
"$build/screenshots/vadelon_calculator_shots" "$out" "$manual"
"$build/screenshots/vadelon_dialog_shots" "$out/era_dialog.png" "$out/about_box.png"
"$build/screenshots/vadelon_dialog_shots" "$manual/era_dialog.png" "$manual/about_box.png" \
  "$manual/era_dialog_2019.png"
"$build/screenshots/vadelon_almanac_window_shot" "$out/almanac_window.png"
"$build/screenshots/vadelon_almanac_window_shot" "$manual/almanac_window.png"
calendar_shot="$build/screenshots/vadelon_calendar_window_shot"
"$calendar_shot" "$out/calendar_window.png"
QT_SCALE_FACTOR=2 "$calendar_shot" "$out/calendar_window@2x.png"
"$calendar_shot" "$manual/calendar_window.png"
"$calendar_shot" "$manual/calendar_range.png" range
"$build/screenshots/vadelon_period_window_shot" "$out/period_window.png"
"$build/screenshots/vadelon_period_window_shot" "$manual/period_window.png"
built_manual="$build/share/vadelon/help"
if [ -f "$built_manual/contents.txt" ]; then
  "$build/screenshots/vadelon_help_window_shots" "$built_manual" "$out"
  QT_SCALE_FACTOR=2 "$build/screenshots/vadelon_help_window_shots" "$built_manual" "$out" @2x
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
