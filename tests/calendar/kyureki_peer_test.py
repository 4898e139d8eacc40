#!/usr/bin/python3
"""An independent peer for the lunisolar calendar: every new moon and every
中気 of 1873-2100 from vadelon-calc (kyureki, setsuiri) against PyEphem
(libastro's own Moon and Sun, precession, nutation and ΔT), and the 旧暦 label
of every month start against a reckoning of the rules made here from
PyEphem's instants alone. Until 1888 the almanac kept Tokyo mean time
(UT+9:18:59): kyureki prints those years' new moons in it, and the reckoning
here dates them and the 中気 in it too. The manual's list of new moons and 中気
within two minutes of the almanac's midnight must be the one the program gives.

Usage: kyureki_peer_test.py VADELON_CALC MANUAL_PAGE [FIRST LAST]   (exit 77: skipped)
"""
import re
import subprocess
import sys

from setsuiri_peer_test import SKIPPED, jst_seconds, peer_terms

# The Moon gains on the Sun about half an arcsecond a second: the few
# arcseconds between the two lunar theories and the two ΔT models (which part
# by some 25 s towards 2100) stay within a minute; a missing light time or
# aberration would still pass, a wrong lunation or month would not.
LIMIT_SECONDS = 60.0
DAY = 86400.0
# Tokyo mean time runs 18 min 59 s ahead of JST.
TOKYO_AHEAD = 18 * 60 + 59.0


def calc_lines(calc, *args):
    p = subprocess.run([calc, *map(str, args)], capture_output=True, text=True, timeout=120)
    if p.returncode != 0:
        raise SystemExit("vadelon-calc %s failed: %d %s" % (args[0], p.returncode, p.stderr))
    return [line.split("\t") for line in p.stdout.splitlines()]


def clock_seconds(ephem, text):
    """A printed JST "YYYY-MM-DD HH:MM:SS" as seconds on PyEphem's scale."""
    return float(ephem.Date(text.replace("-", "/"))) * DAY


def local(seconds, jst_begins):
    """A JST time (seconds) in the almanac's local time: Tokyo's before 1888."""
    return seconds + TOKYO_AHEAD if seconds < jst_begins else seconds


def local_text(ephem, text, jst_begins):
    """A printed JST time as the almanac's local time, printed alike."""
    import datetime
    t = datetime.datetime.strptime(text, "%Y-%m-%d %H:%M:%S")
    if clock_seconds(ephem, text) < jst_begins:
        t += datetime.timedelta(seconds=TOKYO_AHEAD)
    return t.strftime("%Y-%m-%d %H:%M:%S")


def jst_days(seconds):
    """JST days from 1899-12-31 00:00 (PyEphem counts from noon)."""
    return seconds / DAY + 0.5


def jst_day(seconds):
    """The date of a JST time rounded to the minute, as a day count."""
    return int(round(jst_days(seconds) * 1440.0) // 1440)


def near_midnight(seconds, within):
    fraction = jst_days(seconds) % 1.0
    return min(fraction, 1.0 - fraction) * DAY < within


def peer_new_moons(ephem, first, last):
    """PyEphem's new moons from mid-November before first to the end of
    January after last, as JST seconds."""
    moons = []
    d = ephem.Date((first - 1, 11, 15))
    end = ephem.Date((last + 1, 2, 1))
    while True:
        d = ephem.next_new_moon(d)
        if d > end:
            return moons
        moons.append(jst_seconds(d))


def peer_principal_terms(ephem, first, last):
    """The 中気 (odd term indices) of first-1 to last+1 as (JST seconds, is 冬至)."""
    terms = []
    for year in range(first - 1, last + 2):
        for index, ut in enumerate(peer_terms(ephem, year)):
            if index % 2 == 1:
                terms.append((jst_seconds(ut), index == 23))
    return terms


def reckon(moons, terms):
    """The rules, applied to PyEphem's instants: {first day of month: label}."""
    starts = [jst_day(m) for m in moons]
    term_days = sorted(jst_day(t) for t, _ in terms)
    winter_days = [jst_day(t) for t, winter in terms if winter]

    def month_holding(day):
        return max(i for i, s in enumerate(starts) if s <= day)

    def holds_term(i):
        return any(starts[i] <= d < starts[i + 1] for d in term_days)

    labels = {}
    for w_day, next_w_day in zip(winter_days, winter_days[1:]):
        winter_year = int(ephem_year(w_day))
        first, end = month_holding(w_day), month_holding(next_w_day)
        leap = None
        if end - first == 13:
            leap = next(i for i in range(first + 1, end) if not holds_term(i))
        number = 11
        for i in range(first, end):
            is_leap = i == leap
            if i != first and not is_leap:
                number = number % 12 + 1
            year = winter_year if number >= 11 else winter_year + 1
            labels[starts[i]] = "%d年%s%d月" % (year, "閏" if is_leap else "", number)
    return labels


def ephem_year(day):
    """The Gregorian year of a day count (its noon is PyEphem's whole day)."""
    import ephem
    return ephem.Date(day).triple()[0]


def main():
    try:
        import ephem
    except ImportError:
        print("skipped: PyEphem (Debian package python3-ephem) is not installed for", sys.executable)
        return SKIPPED
    calc, manual = sys.argv[1], sys.argv[2]
    first, last = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) > 4 else (1873, 2100)

    months = calc_lines(calc, "kyureki", "--seconds", first, last)
    ours_terms = calc_lines(calc, "setsuiri", "--seconds", first, last)
    # 1888-01-01 00:00 JST on the JST seconds' scale.
    jst_begins = float(ephem.Date("1888/1/1")) * DAY
    moons = [local(m, jst_begins) for m in peer_new_moons(ephem, first, last)]
    jst_terms = peer_principal_terms(ephem, first, last)
    terms = [(local(t, jst_begins), winter) for t, winter in jst_terms]
    problems = []

    # Every new moon: ours beside PyEphem's nearest.
    worst_moon = (0.0, "")
    for label, when, *_ in months:
        ours = clock_seconds(ephem, when)
        peer = min(moons, key=lambda m: abs(m - ours))
        diff = ours - peer
        if abs(diff) > abs(worst_moon[0]):
            worst_moon = (diff, label + " " + when)
        if abs(diff) > LIMIT_SECONDS:
            problems.append(("new moon", label, when, round(diff, 1)))

    # Every 中気 of the years.
    worst_term = (0.0, "")
    principal = ours_terms[1::2]
    # PyEphem's list starts a year earlier, for the reckoning.
    for (name, when), (peer, _) in zip(principal, jst_terms[12:]):
        diff = clock_seconds(ephem, when) - peer
        if abs(diff) > abs(worst_term[0]):
            worst_term = (diff, name + " " + when)
        if abs(diff) > LIMIT_SECONDS:
            problems.append(("中気", name, when, round(diff, 1)))

    # Every month start's label against the reckoning from PyEphem's instants.
    # Where the two ephemerides put an instant on either side of midnight the
    # dates may part: such months are listed, not failed.
    labels = reckon(moons, terms)
    near = {jst_day(m) for m in moons if near_midnight(m, 2 * LIMIT_SECONDS)}
    near |= {jst_day(t) for t, _ in terms if near_midnight(t, 2 * LIMIT_SECONDS)}
    for label, when, *_ in months:
        day = jst_day(clock_seconds(ephem, when))
        peer = labels.get(day)
        if peer != label:
            where = "near midnight" if any(abs(day - n) <= 31 for n in near) else "MISMATCH"
            print("label %s: ours %s, peer %s (%s)" % (when, label, peer, where))
            if where == "MISMATCH":
                problems.append(("label", label, when, peer))
    if len(months) != len([s for s in labels if first <= ephem_year(s) <= last]):
        problems.append(("month count", len(months), len(labels)))

    # The manual's table of instants within two minutes of midnight.
    if (first, last) == (1873, 2100):
        instants = [when for _, when, *_ in months] + [local_text(ephem, when, jst_begins) for _, when in principal]
        ours_near = {when for when in instants if near_midnight(clock_seconds(ephem, when), 120)}
        with open(manual, encoding="utf-8") as f:
            section = f.read().split('id="midnight"')[1].split("</table>")[0]
        listed = set(re.findall(r"<td>(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)</td>", section))
        if listed != ours_near:
            problems.append(("manual's midnight list", sorted(listed - ours_near), sorted(ours_near - listed)))

    for p in problems[:20]:
        print("problem:", p)
    print("%d new moons of %d-%d: largest difference %.1f s (%s)" % (len(months), first, last, *worst_moon))
    print("%d 中気: largest difference %.1f s (%s)" % (len(principal), *worst_term))
    print("%d month labels checked against the reckoning from PyEphem" % len(months))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
