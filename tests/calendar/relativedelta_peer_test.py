#!/usr/bin/env python3
"""An independent peer: vadelon-calc period and shift --months against
dateutil's relativedelta (Debian's python3-dateutil), which takes the whole
years and months with the same month-end rule, on random dates from 1583 to
9999; and nenrei's 満年齢 against its years, which the age law must leave
on one day only: a 2月29日 birth's 2月28日 of a common year, where the law's
year is not over yet."""
import datetime
import random
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

try:
    from dateutil.relativedelta import relativedelta
except ImportError:
    print("python3-dateutil is not installed (scripts/setup.sh installs it)")
    sys.exit(77)

FIRST = datetime.date(1583, 1, 1).toordinal()
LAST = datetime.date(9999, 12, 31).toordinal()


def calc(binary, *args):
    p = subprocess.run([binary, *map(str, args)], capture_output=True, text=True, timeout=30)
    return p.returncode, p.stdout


def fields(d):
    return (d.year, d.month, d.day)


def month_ends(rng):
    """A date near a month's end half the time: where the rules are tested."""
    d = datetime.date.fromordinal(rng.randint(FIRST, LAST - 400))
    if rng.random() < 0.5:
        d = d.replace(day=1) + relativedelta(months=1) - datetime.timedelta(days=rng.randint(1, 3))
    if rng.random() < 0.1:
        year = rng.choice([y for y in range(d.year - 8, d.year + 1) if y % 4 == 0 and (y % 100 or y % 400 == 0)])
        d = datetime.date(year, 2, 29)
    return d


def check_one(binary, seed):
    rng = random.Random(seed)
    a = month_ends(rng)
    b = datetime.date.fromordinal(min(LAST, a.toordinal() + rng.choice(
        [rng.randint(0, 70), rng.randint(0, 800), rng.randint(0, 40000)])))
    if rng.random() < 0.2:
        b = month_ends(rng)
        a, b = min(a, b), max(a, b)
    problems = []

    r = relativedelta(b, a)
    got = calc(binary, "period", *fields(a), *fields(b))
    want = (0, "%d %d %d\n" % (r.years, r.months, r.days))
    if got != want:
        problems.append(("period", a, b, got, want))

    months = rng.choice([rng.randint(-24, 24), rng.randint(-1200, 1200)])
    if 1584 <= a.year + months // 12 <= 9998:
        c = a + relativedelta(months=months)
        got = calc(binary, "shift", "--months", months, *fields(a))
        want = (0, "%d %d %d\n" % fields(c))
        if got != want:
            problems.append(("shift --months", a, months, got, want))

    age = r.years
    common = b.year % 4 != 0 or (b.year % 100 == 0 and b.year % 400 != 0)
    if (a.month, a.day) == (2, 29) and (b.month, b.day) == (2, 28) and common:
        age -= 1  # the law's year from 2月29日 ends with 2月28日
    rc, out = calc(binary, "nenrei", *fields(a), *fields(b))
    if rc != 0 or out.splitlines()[0] != "満年齢\t%d" % age:
        problems.append(("nenrei", a, b, rc, out, age))
    return problems


def main():
    binary = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    with ThreadPoolExecutor(max_workers=4) as pool:
        results = list(pool.map(lambda s: check_one(binary, s), range(rounds)))
    problems = [p for r in results for p in r]
    for p in problems[:20]:
        print("mismatch:", p)
    print("%d pairs checked, %d mismatches" % (rounds, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
