#!/usr/bin/env bash
# Start-up time (process start to the window being mapped) and peak resident
# memory of the calculator, under Xvfb, beside two floors: an empty Qt window
# of the same size, and the same window showing one line of Japanese text in
# IPAPGothic 12 px (the floor for any Japanese Qt program here). Prints the
# medians and the ratios to both floors.
# Usage: scripts/bench_startup.sh [RUNS]   (default 15)
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "bench_startup: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."
runs=${1:-15}

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vadelon vadelon_empty_window vadelon_japanese_label_window vadelon_map_wait >/dev/null

# Xvfb picks a free display number itself and writes it once it is ready;
# -noreset keeps it from resetting each time its last client leaves, which
# would refuse the next client that connects meanwhile.
number_file=$(mktemp)
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$number_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 1 100); do [ -s "$number_file" ] && break; sleep 0.1; done
display=":$(head -n 1 "$number_file")"

wait_bin=build/release/bench/startup/vadelon_map_wait
measure() {  # program -> lines "ms kib"
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$wait_bin" "$1" |
    sed -E 's/map_ms=([0-9.]+) hwm_map_kib=([0-9]+) hwm_settled_kib=([0-9]+)/\1 \3/'
}

: >/tmp/vadelon-startup-floor.txt
: >/tmp/vadelon-startup-japanese.txt
: >/tmp/vadelon-startup-app.txt
# One warm-up each, so that all start with the libraries and fonts in the page cache.
measure build/release/bench/startup/vadelon_empty_window >/dev/null
measure build/release/bench/startup/vadelon_japanese_label_window >/dev/null
measure build/release/app/vadelon >/dev/null
for _ in $(seq 1 "$runs"); do
  measure build/release/bench/startup/vadelon_empty_window >>/tmp/vadelon-startup-floor.txt
  measure build/release/bench/startup/vadelon_japanese_label_window >>/tmp/vadelon-startup-japanese.txt
  measure build/release/app/vadelon >>/tmp/vadelon-startup-app.txt
done

python3 - "$runs" <<'PY'
import statistics, sys
def load(path):
    rows = [tuple(map(float, l.split())) for l in open(path) if l.strip()]
    return statistics.median(r[0] for r in rows), statistics.median(r[1] for r in rows)
ft, fm = load('/tmp/vadelon-startup-floor.txt')
jt, jm = load('/tmp/vadelon-startup-japanese.txt')
at, am = load('/tmp/vadelon-startup-app.txt')
print(f"runs: {sys.argv[1]} of each, medians")
print(f"empty Qt window : {ft:7.1f} ms to map, {fm/1024:6.1f} MiB peak resident")
print(f"Japanese label  : {jt:7.1f} ms to map, {jm/1024:6.1f} MiB peak resident")
print(f"vadelon         : {at:7.1f} ms to map, {am/1024:6.1f} MiB peak resident")
print(f"ratio           : {at/ft:7.2f} x time,  {am/fm:6.2f} x memory")
print(f"ratio, Japanese : {at/jt:7.2f} x time,  {am/jm:6.2f} x memory")
PY
