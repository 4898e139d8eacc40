#!/usr/bin/env bash
# Side by side: `vadelon-calc setsuiri 1900 2100` (4,824 solar terms) and the
# PyEphem peer of tests/calendar/setsuiri_peer_test.py solving the same terms.
# Prints the median wall-clock and CPU (user + system) seconds of RUNS runs
# of each whole process, and the ratios.
# Usage: scripts/bench_setsuiri.sh [RUNS]   (default 7)
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "bench_setsuiri: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."
runs=${1:-7}

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vadelon-calc >/dev/null

calc=build/release/tools/vadelon-calc
peer=(/usr/bin/python3 tests/calendar/setsuiri_peer_test.py --peer-only 1900 2100)

measure() {  # command... -> lines "wall cpu"
  for _ in $(seq 1 "$runs"); do
    /usr/bin/time -f "%e %U %S" "$@" 2>&1 >/dev/null | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
  done
}
median() {  # column -> median of stdin
  sort -n -k "$1" | awk -v c="$1" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'
}

"$calc" setsuiri 1900 2100 >/dev/null  # warm the page cache
ours=$(measure "$calc" setsuiri 1900 2100)
theirs=$(measure "${peer[@]}")
ours_wall=$(median 1 <<<"$ours"); ours_cpu=$(median 2 <<<"$ours")
peer_wall=$(median 1 <<<"$theirs"); peer_cpu=$(median 2 <<<"$theirs")
echo "medians of $runs runs, 4,824 solar terms of 1900-2100:"
printf '  %-28s wall %6.3f s   cpu %6.3f s\n' "vadelon-calc setsuiri" "$ours_wall" "$ours_cpu"
printf '  %-28s wall %6.3f s   cpu %6.3f s\n' "PyEphem peer (python3)" "$peer_wall" "$peer_cpu"
awk -v a="$peer_wall" -v b="$ours_wall" -v c="$peer_cpu" -v d="$ours_cpu" \
  'BEGIN { printf "  peer / vadelon-calc: wall %.1f×, cpu %.1f×\n", a / b, c / d }'
