#!/usr/bin/env bash
# Whole processes side by side: `vadelon-calc koyomi Y M D` (the six notes of
# a date) beside `vadelon-calc days` (the cheapest command: start-up and exit).
# Each round runs every one of the dates below as koyomi and as many days
# runs, in turns; prints the median per process over ROUNDS rounds, wall and
# CPU (user + system), and the ratio.
# Usage: scripts/bench_koyomi.sh [ROUNDS]   (default 15)
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "bench_koyomi: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."
rounds=${1:-15}

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vadelon-calc >/dev/null
calc=build/release/tools/vadelon-calc

# Quiet days and busy ones (土用 and its 丑, equinoxes, a leap month, a
# month start near midnight, the ends of the ranges), spread over the years.
dates=("2026 5 6" "2025 7 19" "2025 11 14" "2033 12 22" "2097 1 14" "1873 1 1" "2100 12 31" "1950 3 21"
       "2024 9 22" "2012 5 21" "1583 1 1" "9999 12 31" "2019 11 22" "2000 1 1" "1989 1 8" "2050 8 1")
per_round=$(( ${#dates[@]} * 10 ))

TIMEFORMAT='%R %U %S'
measure() {  # koyomi|days -> "wall cpu" seconds for the round
  local what=$1
  { time (
      for _ in 1 2 3 4 5 6 7 8 9 10; do
        for d in "${dates[@]}"; do
          # shellcheck disable=SC2086
          if [ "$what" = koyomi ]; then "$calc" koyomi $d; else "$calc" days 2000 1 1 2000 1 2; fi
        done
      done >/dev/null
    ); } 2>&1 | awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }'
}
median() {  # column -> median of stdin
  sort -n -k "$1" | awk -v c="$1" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'
}

"$calc" koyomi 2026 5 6 >/dev/null  # warm the page cache
ours="" base=""
for _ in $(seq 1 "$rounds"); do
  base+="$(measure days)"$'\n'
  ours+="$(measure koyomi)"$'\n'
done
base_wall=$(median 1 <<<"${base%$'\n'}"); base_cpu=$(median 2 <<<"${base%$'\n'}")
ours_wall=$(median 1 <<<"${ours%$'\n'}"); ours_cpu=$(median 2 <<<"${ours%$'\n'}")
echo "medians of $rounds rounds of $per_round processes each, per process:"
awk -v n="$per_round" -v bw="$base_wall" -v bc="$base_cpu" -v ow="$ours_wall" -v oc="$ours_cpu" 'BEGIN {
  printf "  %-22s wall %6.2f ms   cpu %6.2f ms\n", "vadelon-calc days", 1000 * bw / n, 1000 * bc / n
  printf "  %-22s wall %6.2f ms   cpu %6.2f ms\n", "vadelon-calc koyomi", 1000 * ow / n, 1000 * oc / n
  printf "  koyomi / days: wall %.2f×, cpu %.2f×\n", ow / bw, oc / bc }'
