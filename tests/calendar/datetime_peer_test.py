#!/usr/bin/env python3
"""An independent peer: vadelon-calc days, shift and weekday against Python's
datetime on random dates from 1583 to 9999."""
import datetime
import random
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

LABELS = ["（月曜日）", "（火曜日）", "（水曜日）", "（木曜日）", "（金曜日）", "（土曜日）", "（日曜日）"]
FIRST = datetime.date(1583, 1, 1).toordinal()
LAST = datetime.date(9999, 12, 31).toordinal()


def calc(binary, *args):
    p = subprocess.run([binary, *map(str, args)], capture_output=True, text=True, timeout=30)
    return p.returncode, p.stdout


def fields(d):
    return (d.year, d.month, d.day)


def check_one(binary, seed):
    rng = random.Random(seed)
    a = datetime.date.fromordinal(rng.randint(FIRST, LAST))
    problems = []

    # Spans both short and long; the larger count stays under the overflow limit.
    b = datetime.date.fromordinal(min(LAST, a.toordinal() + rng.choice(
        [rng.randint(1, 40), rng.randint(1, 4000), rng.randint(1, 3_000_000)])))
    if b > a:
        got = calc(binary, "days", *fields(a), *fields(b))
        want = (0, "%d\n" % (b - a).days)
        if got != want:
            problems.append(("days", a, b, got, want))

    count = rng.randint(FIRST - a.toordinal(), LAST - a.toordinal())
    if rng.random() < 0.5:
        count = max(FIRST - a.toordinal(), min(LAST - a.toordinal(), rng.randint(-400, 400)))
    before = rng.random() < 0.3
    args = ["--before", *fields(a), -count] if before else [*fields(a), count]
    got = calc(binary, "shift", *args)
    c = a + datetime.timedelta(days=count)
    want = (0, "%d %d %d\n" % fields(c))
    if got != want:
        problems.append(("shift", a, count, before, got, want))

    got = calc(binary, "weekday", *fields(a))
    want = (0, LABELS[a.weekday()] + "\n")
    if got != want:
        problems.append(("weekday", a, got, want))
    return problems


def main():
    binary = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3000
    with ThreadPoolExecutor(max_workers=4) as pool:
        results = list(pool.map(lambda s: check_one(binary, s), range(rounds)))
    problems = [p for r in results for p in r]
    for p in problems[:20]:
        print("mismatch:", p)
    print("%d dates checked, %d mismatches" % (rounds, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
