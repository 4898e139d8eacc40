#!/usr/bin/env python3
"""Two independent peers over every year each covers: `vadelon-calc holidays`
against @holiday-jp/holiday_jp (the Cabinet Office's list, 1970-2050) and
japanese-holidays (rule-based; its equinox formulas are fitted to 1600-2399,
so from 1948, when the law begins, to 2399), and `vadelon-calc bizdays` over
the same years against business days counted here from the peers' lists.

The peers are npm packages installed by scripts/setup.sh into
tests/calendar/holiday_peers (pinned in its package-lock.json).

Usage: holiday_peer_test.py VADELON_CALC PEERS_FOLDER
"""
import datetime
import json
import os
import shutil
import subprocess
import sys

PEERS = {
    # name: (first year, last year, how its names are written in ours)
    "@holiday-jp/holiday_jp": (1970, 2050, {
        "休日": "国民の休日",
        "大喪の礼": "昭和天皇の大喪の礼",
        "結婚の儀": "皇太子徳仁親王の結婚の儀",
    }),
    "japanese-holidays": (1948, 2399, {"即位の日": "天皇の即位の日"}),
}
# holiday_jp names a substitute after its holiday ("元日 振替休日") and both
# days of 2019 "休日（祝日扱い）" (a holiday treated as a 国民の祝日).
HOLIDAY_JP_TREATED_AS_NATIONAL = {"2019-05-01": "天皇の即位の日", "2019-10-22": "即位礼正殿の儀"}
# Where a peer departs from the law: (peer, date): (its answer, why ours differs).
PEER_FAULTS = {
    ("@holiday-jp/holiday_jp", "2019-10-14"): (
        "体育の日（スポーツの日）",
        "the name スポーツの日 came into force on 2020-01-01; the holiday of 2019 was still 体育の日"),
}

DUMP = r"""
const [folder, which, first, last] = process.argv.slice(1);
const peer = require(require('path').join(folder, 'node_modules', which));
const pad = n => String(n).padStart(2, '0');
const lines = [];
for (let y = +first; y <= +last; ++y) {
  if (which === '@holiday-jp/holiday_jp') {
    for (const h of peer.between(new Date(y, 0, 1), new Date(y, 11, 31)))
      lines.push(`${h.date.getFullYear()}-${pad(h.date.getMonth() + 1)}-${pad(h.date.getDate())}\t${h.name}`);
  } else {
    for (const h of peer.getHolidaysOf(y)) lines.push(`${y}-${pad(h.month)}-${pad(h.date)}\t${h.name}`);
  }
}
console.log(lines.join('\n'));
"""


def missing_peers(folder):
    """A text telling what is missing, or None."""
    if shutil.which("node") is None:
        return "node is not installed (Debian package nodejs)"
    for name in PEERS:
        manifest = os.path.join(folder, "node_modules", name, "package.json")
        if not os.path.isfile(manifest):
            return f"the npm package {name} is not installed in {folder}"
        with open(os.path.join(folder, "package.json"), encoding="utf-8") as f:
            pinned = json.load(f)["dependencies"][name]
        with open(manifest, encoding="utf-8") as f:
            installed = json.load(f)["version"]
        if installed != pinned:
            return f"{name} {installed} is installed, the tests pin {pinned}"
    return None


def peer_holidays(folder, name, first, last):
    env = dict(os.environ, TZ="Asia/Tokyo")  # holiday_jp's dates are local midnights
    p = subprocess.run(["node", "-e", DUMP, folder, name, str(first), str(last)], capture_output=True, text=True,
                       env=env, timeout=120, check=True)
    return dict(line.split("\t") for line in p.stdout.splitlines() if line)


def our_holidays(calc, first, last):
    p = subprocess.run([calc, "holidays", str(first), str(last)], capture_output=True, text=True, timeout=60)
    if p.returncode != 0:
        raise SystemExit(f"vadelon-calc holidays failed: {p.returncode} {p.stderr}")
    return dict(line.split("\t") for line in p.stdout.splitlines())


def normalise(peer, date, name):
    names = PEERS[peer][2]
    if peer == "@holiday-jp/holiday_jp":
        if name.endswith(" 振替休日"):
            return "振替休日"
        if name == "休日（祝日扱い）":
            return HOLIDAY_JP_TREATED_AS_NATIONAL.get(date, name)
    return names.get(name, name)


def business_days(holidays, first, last, closure):
    """Business days from 1 January of first (excluded) to 31 December of last."""
    day, end, count = datetime.date(first, 1, 1), datetime.date(last, 12, 31), 0
    one = datetime.timedelta(days=1)
    while day < end:
        day += one
        year_end = (day.month, day.day) <= (1, 3) or (day.month, day.day) >= (12, 29)
        count += day.weekday() < 5 and day.isoformat() not in holidays and not (closure and year_end)
    return count


def main():
    calc, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    missing = missing_peers(folder)
    if missing:
        print(f"FAIL: {missing}. Install the test peers with scripts/setup.sh "
              f"(npm ci in {folder}; it needs the npm registry).")
        return 1
    problems = 0
    for peer, (first, last, _) in PEERS.items():
        theirs = {d: normalise(peer, d, n) for d, n in peer_holidays(folder, peer, first, last).items()}
        ours = our_holidays(calc, first, last)
        for date in sorted(set(theirs) | set(ours)):
            mine, their = ours.get(date), theirs.get(date)
            if mine == their:
                continue
            fault = PEER_FAULTS.get((peer, date))
            if fault and fault[0] == their:
                print(f"known peer fault, {peer} {date}: it says {their}, we say {mine}: {fault[1]}")
                continue
            problems += 1
            print(f"MISMATCH {peer} {date}: ours {mine}, theirs {their}")
        # The business days of the peer's whole span, from its own list.
        for closure in (False, True):
            args = [calc, "bizdays"] + (["--yearend"] if closure else []) + [str(first), "1", "1", str(last), "12",
                                                                              "31"]
            got = subprocess.run(args, capture_output=True, text=True, timeout=60).stdout.strip()
            expected = business_days(theirs, first, last, closure)
            if got != str(expected):
                problems += 1
                print(f"MISMATCH {peer} business days {first}-{last} closure={closure}: ours {got}, {expected}")
        print(f"{peer}: {len(theirs)} holidays of {first}-{last} compared")
    print(f"{problems} mismatch(es)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
