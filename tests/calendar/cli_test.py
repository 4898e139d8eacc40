#!/usr/bin/env python3
"""Checks vadelon-calc from the outside: outputs, messages, exit codes and the
bytes of a saved almanac report."""
import os
import resource
import signal
import subprocess
import sys
import tempfile
import unittest

CALC = None


def run(*args):
    p = subprocess.run([CALC, *args], capture_output=True, timeout=30)
    return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8")


REPORT_2000 = [
    "西暦2000年（平成12年）1月1日（土曜日）は",
    "世界時１２時をもって、ユリウス日【2451545】日となる。",
    "",
    "年干支は【庚辰】年九星は【九紫火星】",
    "月干支は【丁丑】",
    "日干支は【戊午】",
    "",
    "-----------------------＜注意！＞-----------------------",
    "※年干支九星は一年の始まりを１月１日として算出しています。",
    "　通常、占術などでは立春（２月４日ごろ）を一年の始まりと",
    "　しますからご注意下さい。",
    "　立春より前の場合、年干支は【己卯】となります。",
    "　同様に、年九星は【一白水星】となります。",
    "※また月干支も毎月１日を月の始まりとして算出しています。",
    "　1月の節入りは、小寒（１月６日頃）です。",
    "　節入り前の場合は前月の月干支【丙子】を使用して下さい。",
    "※節入りの正確な日時は、別に暦などでお調べ下さい。",
]


class Results(unittest.TestCase):
    def check(self, args, code, out, err_part=""):
        rc, stdout, stderr = run(*args)
        self.assertEqual((rc, stdout), (code, out), args)
        self.assertIn(err_part, stderr, args)
        if code == 0:
            self.assertEqual(stderr, "", args)

    def test_days(self):
        self.check(["days", "2000", "1", "1", "2000", "1", "2"], 0, "1\n")
        self.check(["days", "$7D0", "1", "1", "2000", "x2", "0x1"], 0, "31\n")
        self.check(["days", "1", "1", "1", "27379", "1", "1"], 0, "9999609\n")
        self.check(["days", "1", "1", "1", "28000", "1", "1"], 0, "Overflow\n")
        self.check(["days", "2000", "13", "5", "2001", "1", "1"], 0, "-4\n")
        self.check(["days", "-2147483648", "1", "1", "2147483647", "1", "1"], 0, "Overflow\n")
        self.check(["days", "2000", "1", "2147483647", "2000", "2", "-2147483648"], 1, "",
                   "日付を正しく入力して下さい。")

    def test_days_order_failure(self):
        for args in (["2000", "1", "1", "2000", "1", "1"], ["2000", "1", "2", "2000", "1", "1"]):
            self.check(["days", *args], 1, "0\n", "日付の前後関係を確認して下さい。")

    def test_shift(self):
        self.check(["shift", "1999", "12", "31", "1"], 0, "2000 1 1\n")
        self.check(["shift", "--before", "1999", "12", "31", "1"], 0, "1999 12 30\n")
        self.check(["shift", "--before", "1999", "12", "31", "-1"], 0, "2000 1 1\n")
        self.check(["shift", "2000", "1", "1", "-10000000"], 0, "-25380 12 6\n")
        self.check(["shift", "2000", "2", "31", "0"], 0, "2000 3 2\n")
        self.check(["shift", "--before", "1970", "1", "1", "-2147483648"], 0,
                   self.python_shift(1970, 1, 1, 2 ** 31))
        self.check(["shift", "2000", "13", "1", "1"], 1, "", "日付を正しく入力して下さい。")
        self.check(["shift", "2000", "0", "1", "1"], 1, "", "日付を正しく入力して下さい。")
        self.check(["shift", "2147483647", "12", "31", "1"], 1, "", "日付を正しく入力して下さい。")
        self.check(["shift", "-2147483648", "1", "1", "-1"], 1, "", "日付を正しく入力して下さい。")

    @staticmethod
    def python_shift(y, m, d, count):
        import datetime
        q, r = divmod(y - 1, 400)
        n = datetime.date(r + 1, m, d).toordinal() + count - 1
        q2, r2 = divmod(n, 146097)
        t = datetime.date.fromordinal(r2 + 1)
        return "%d %d %d\n" % (t.year + (q + q2) * 400, t.month, t.day)

    def test_age_and_birth(self):
        self.check(["age", "1960", "2000"], 0, "40\n")
        self.check(["age", "2001", "2000"], 0, "-1\n")
        self.check(["birth", "2000", "40"], 0, "1960\n")
        self.check(["age", "abc", "2000"], 1, "", "正しく入力して下さい。")
        self.check(["birth", "2000", "四十"], 1, "", "正しく入力して下さい。")
        self.check(["age", "-2147483648", "2147483647"], 1, "", "正しく入力して下さい。")
        self.check(["birth", "-2147483648", "1"], 1, "", "正しく入力して下さい。")
        self.check(["western", "令和", "2147483647"], 1, "", "正しく入力して下さい。")

    def test_weekday(self):
        self.check(["weekday", "2000", "1", "1"], 0, "（土曜日）\n")
        self.check(["weekday", "1582", "10", "15"], 0, "（金曜日）\n")
        self.check(["weekday", "1582", "10", "14"], 0, "（　曜日）\n")
        self.check(["weekday", "2000", "0", "1"], 0, "（　曜日）\n")
        self.check(["weekday", "2000", "1", "0"], 0, "（　曜日）\n")
        self.check(["weekday", "1582", "11", "-20"], 0, "\n")
        self.check(["weekday", "2000", "1", ""], 1, "", "日付を正しく入力して下さい。")

    def test_era(self):
        self.check(["era", "1989", "1", "8"], 0, "平成\t1\n")
        self.check(["era", "1989", "1", "7"], 0, "昭和\t64\n")
        self.check(["era", "2026"], 0, "令和\t8\n")
        self.check(["era", "2118"], 0, "\t  \n")
        self.check(["era", "0"], 0, "－－\t--\n")
        self.check(["era", "-1"], 0, "\t\n")
        self.check(["era", "1868", "10"], 0, "明治\t1\n")
        self.check(["era", "1596", "11", "15"], 0, "慶長\t1\n")
        self.check(["era", "２０２６"], 0, "令和\t8\n")  # full-width, as the window reads it
        self.check(["era", "--choose", "earlier", "1989"], 0, "昭和\t64\n")
        self.check(["era", "--choose", "later", "2019", "5"], 0, "令和\t1\n")
        self.check(["era", "2019", "4", "30"], 0, "平成\t31\n")

    def test_era_question(self):
        rc, out, err = run("era", "1989")
        self.assertEqual((rc, out), (3, ""))
        self.assertIn("昭和", err)
        self.assertIn("平成", err)
        rc, out, err = run("era", "2019", "5", "0")
        self.assertEqual((rc, out), (3, ""))
        self.assertIn("令和", err)

    def test_western(self):
        self.check(["western", "平成", "1"], 0, "1989\n")
        self.check(["western", "昭和", "64"], 0, "1989\n")
        self.check(["western", "應永", "0"], 0, "1393\n")
        self.check(["western", "－－", "5"], 0, "5\n")
        self.check(["western", "令和", "$8"], 0, "2026\n")
        self.check(["western", "平成", "abc"], 1, "", "正しく入力して下さい。")
        self.check(["western", "応永", "1"], 1, "", "応永")

    def test_almanac(self):
        self.check(["almanac", "2000", "1", "1"], 0, "".join(l + "\n" for l in REPORT_2000))
        self.check(["almanac", "--caption", "2000", "1", "1"], 0,
                   "西暦2000年（平成12年）1月1日のこよみ\n")
        self.check(["almanac", "--caption", "2118", "1", "1"], 0,
                   "西暦2118年（  年）1月1日のこよみ\n")
        self.check(["almanac", "--caption", "--choose", "later", "1989", "1", "0"], 0,
                   "西暦1989年（平成1年）1月0日のこよみ\n")
        rc, out, _ = run("almanac", "1872", "12", "31")
        self.assertEqual(rc, 0)
        self.assertEqual(out.splitlines()[0], "西暦1872年（明治5年）12月31日（火曜日）は")
        self.assertEqual(len(out.splitlines()), 20)
        # The solar terms: 24 lines a year, JST to the minute (and to the second).
        rc, out, _ = run("setsuiri", "$7E5", "2022")
        self.assertEqual(rc, 0)
        self.assertEqual(len(out.splitlines()), 48)
        self.assertEqual(out.splitlines()[2], "立春\t2021-02-03 23:59")
        self.assertRegex(run("setsuiri", "--seconds", "2021")[1].splitlines()[2], r"^立春\t2021-02-03 23:5\d:\d\d$")
        # The 旧暦 months that begin in a year, with their new moons in JST.
        rc, out, _ = run("kyureki", "2033")
        self.assertEqual(rc, 0)
        self.assertEqual(len(out.splitlines()), 13)
        self.assertRegex(out.splitlines()[-1], r"^2033年閏11月\t2033-12-22 \d\d:\d\d$")
        # To the second, with the day the month begins beside it (2096年12月:
        # 23:59:50 on the 13th, to the minute 00:00 on the 14th).
        self.assertRegex(run("kyureki", "--seconds", "2026")[1].splitlines()[1],
                         r"^2026年1月\t2026-02-17 \d\d:\d\d:\d\d\t2026-02-17$")
        self.assertEqual(run("kyureki", "--seconds", "2097")[1].splitlines()[0],
                         "2096年12月\t2097-01-13 23:59:50\t2097-01-14")
        # Across 1872/1873: the old calendar's months by their first day
        # (Julian before 1582-10-15), then the reckoned ones; 1873-1887 in
        # Tokyo mean time (1884年4月: 04-25 23:58 JST).
        out = run("kyureki", "1872", "1873")[1].splitlines()
        self.assertEqual(out[12:14], ["1872年12月\t1872-12-30", "1873年1月\t1873-01-29 02:46"])
        self.assertIn("1884年4月\t1884-04-26 00:17", run("kyureki", "1884")[1].splitlines())
        self.assertEqual(run("kyureki", "604")[1].splitlines()[:2],
                         ["603年12月\t0604-01-07\tユリウス暦", "604年1月\t0604-02-06\tユリウス暦"])

    def test_almanac_refusals(self):
        self.check(["almanac", "1582", "10", "14"], 1, "",
                   "『こよみ』現行暦法のグレゴリオ暦が採用された、\n"
                   "西暦１５８２年１０月１５日以降について対応しています。")
        years = "『節入り』西暦１５８３年から９９９９年までの年に対応しています。"
        for args, message in ((["1582"], years), (["10000"], years), (["2000", "10000"], years), (["-2000"], years),
                              (["2000", "1999"], "年の前後関係を確認して下さい。"),
                              (["二〇〇〇"], "正しく入力して下さい。"), (["2000", "x"], "正しく入力して下さい。"),
                              ([" 2000 "], "正しく入力して下さい。")):
            self.check(["setsuiri", *args], 1, "", message)
        lunisolar = "『旧暦』西暦４４５年から２１００年までの年に対応しています。"
        for args in (["444"], ["2100", "2101"]):
            self.check(["kyureki", *args], 1, "", lunisolar)
        rc, out, err = run("almanac", "1989", "0", "1")
        self.assertEqual((rc, out), (3, ""))
        self.assertIn("昭和", err)

    def test_holidays_and_business_days(self):
        rc, out, _ = run("holidays", "$7E3", "2019")
        self.assertEqual((rc, out.splitlines()[0], out.splitlines()[5], len(out.splitlines())),
                         (0, "2019-01-01\t元日", "2019-04-30\t国民の休日", 22))
        years = "『祝日』西暦１９４８年から９９９９年までの年に対応しています。"
        for args, message in ((["1947"], years), (["2000", "10000"], years),
                              (["2000", "1999"], "年の前後関係を確認して下さい。"), (["x"], "正しく入力して下さい。")):
            self.check(["holidays", *args], 1, "", message)
        self.check(["bizdays", "2019", "4", "26", "2019", "5", "7"], 0, "1\n")
        self.check(["bizdays", "--yearend", "2026", "12", "28", "2027", "1", "4"], 0, "1\n")
        self.check(["bizdays", "2026", "12", "28", "2027", "1", "4"], 0, "4\n")
        self.check(["bizdays", "2026", "1", "2", "2026", "1", "1"], 1, "0\n", "日付の前後関係を確認して下さい。")
        self.check(["bizdays", "2026", "1", "2", "2026", "1", "x"], 1, "", "日付を正しく入力して下さい。")
        self.check(["bizdays", "--after", "1", "2019", "4", "26"], 0, "2019 5 7\n")
        self.check(["bizdays", "--after", "-1", "--yearend", "2027", "1", "4"], 0, "2026 12 28\n")
        self.check(["bizdays", "--after", "1", "2019", "13", "1"], 1, "", "日付を正しく入力して下さい。")
        # An option's value follows it wherever it stands.
        self.check(["bizdays", "2019", "4", "1", "--after", "5"], 0, "2019 4 8\n")
        self.check(["bizdays", "2019", "4", "26", "--yearend", "--after=1"], 0, "2019 5 7\n")

    def test_unread_number_named(self):
        for args, message in (
                (["holidays", "2026 "], "引数 YEAR「2026 」は数として読めません。正しく入力して下さい。"),
                (["bizdays", "--after", "2147483648", "2000", "1", "1"],
                 "--after の値 N「2147483648」は範囲（-2147483648〜2147483647）を超えています。正しく入力して下さい。"),
                (["bizdays", "2026", "1", "2", "2026", "1", "x"],
                 "引数 D2「x」は数として読めません。日付を正しく入力して下さい。"),
                (["shift", "2000", "1", "1", "+"], "引数 COUNT「+」は数として読めません。正しく入力して下さい。"),
                (["western", "平成", "\u200b1"], "引数 ERAYEAR「\\u200b1」は数として読めません。正しく入力して下さい。")):
            self.check(args, 1, "", message + "\n")

    def test_koyomi(self):
        # Six lines in their order, a value empty where none applies.
        self.check(["koyomi", "2026", "5", "6"], 0,
                   "旧暦\t2026年3月20日\n六曜\t仏滅\n祝日\t振替休日\n節気\t\n雑節\t\n月齢\t18.6\n")
        self.assertEqual(run("koyomi", "2033", "12", "22")[1].splitlines()[0], "旧暦\t2033年閏11月1日")
        self.check(["koyomi", "1800", "1", "1"], 0, "旧暦\t1799年12月7日\n六曜\t赤口\n祝日\t\n節気\t\n雑節\t\n月齢\t\n")
        self.check(["koyomi", "1582", "12", "31"], 0,
                   "旧暦\t1582年12月7日\n六曜\t赤口\n祝日\t\n節気\t\n雑節\t\n月齢\t\n")
        years = "『暦注』西暦４４５年から９９９９年までの日付に対応しています。"
        for args, message in ((["444", "12", "31"], years), (["10000", "1", "1"], years),
                              (["2026", "2", "29"], "日付を正しく入力して下さい。"),
                              (["2026", "13", "1"], "日付を正しく入力して下さい。"),
                              (["2026", "5", "x"], "日付を正しく入力して下さい。")):
            self.check(["koyomi", *args], 1, "", message)

    def test_periods_and_ages(self):
        for args, code, out, err in [
                (["days", "--inclusive", "2026", "4", "28", "2026", "5", "7"], 0, "10\n", ""),
                (["days", "--inclusive", "2026", "5", "7", "2026", "4", "28"], 0, "-10\n", ""),
                (["days", "--inclusive", "2026", "5", "7", "2026", "5", "7"], 0, "1\n", ""),
                (["days", "--inclusive", "1", "1", "1", "28000", "1", "1"], 0, "Overflow\n", ""),
                (["shift", "--months", "1", "2000", "1", "31"], 0, "2000 2 29\n", ""),
                (["shift", "--months", "1", "2001", "1", "31"], 0, "2001 2 28\n", ""),
                (["shift", "--months", "-1", "2001", "3", "31"], 0, "2001 2 28\n", ""),
                (["shift", "--years", "1", "2000", "2", "29"], 0, "2001 2 28\n", ""),
                (["shift", "--years", "2147483647", "2000", "1", "1"], 1, "", "日付を正しく入力して下さい。"),
                (["shift", "--months", "1", "2001", "2", "29"], 1, "", "日付を正しく入力して下さい。"),
                (["period", "2000", "1", "31", "2000", "2", "29"], 0, "0 1 0\n", ""),
                (["period", "2000", "1", "31", "2000", "2", "28"], 0, "0 0 28\n", ""),
                (["period", "2000", "1", "2", "2000", "1", "1"], 1, "", "日付の前後関係を確認して下さい。"),
                (["deadline", "2026", "4", "3", "1", "か月"], 0, "2026 5 3\n", ""),
                (["deadline", "--next-business-day", "2026", "4", "3", "1", "ヶ月"], 0, "2026 5 7\n", ""),
                (["deadline", "--first-day", "2001", "1", "31", "1", "months"], 0, "2001 2 28\n", ""),
                (["deadline", "2026", "5", "1", "2", "週"], 0, "2026 5 15\n", ""),
                (["deadline", "2026", "5", "1", "2", "fortnights"], 1, "", "期間の単位は"),
                (["deadline", "2026", "5", "1", "0", "日"], 1, "", "期間の長さは1以上"),
                (["deadline", "2026", "5", "1", "2147483648", "日"], 1, "", "正しく入力して下さい。"),
                (["nenrei", "2000", "2", "29", "2001", "2", "28"], 0,
                 "満年齢\t0\n数え年\t2\n経過\t0 11 30\n次の誕生日\t2001 3 1\t1\n", ""),
                (["nenrei", "2000", "2", "29", "2001", "3", "1"], 0,
                 "満年齢\t1\n数え年\t2\n経過\t1 0 0\n次の誕生日\t2002 3 1\t365\n", ""),
                (["nenrei", "2001", "1", "1", "2000", "12", "31"], 1, "", "生年月日と日付の前後関係"),
                (["nenrei", "2001", "2", "29"], 1, "", "日付を正しく入力して下さい。"),
                (["gakureki", "2000", "4", "1"], 0,
                 "小学校入学\t2006 4\n小学校卒業\t2012 3\n中学校入学\t2012 4\n中学校卒業\t2015 3\n"
                 "高等学校入学\t2015 4\n高等学校卒業\t2018 3\n大学入学\t2018 4\n大学卒業\t2022 3\n", ""),
                (["iwai", "2000", "5", "5"], 0,
                 "還暦\t60\t2060\t2060\n古希\t70\t2070\t2069\n喜寿\t77\t2077\t2076\n傘寿\t80\t2080\t2079\n"
                 "米寿\t88\t2088\t2087\n卒寿\t90\t2090\t2089\n白寿\t99\t2099\t2098\n"
                 "百寿\t100\t2100\t2099\n茶寿\t108\t2108\t2107\n皇寿\t111\t2111\t2110\n"
                 "大還暦\t120\t2120\t2120\n", ""),
                (["yakudoshi", "1983", "男"], 0,
                 "2006\t24\t前厄\n2007\t25\t本厄\n2008\t26\t後厄\n2023\t41\t前厄\n2024\t42\t本厄（大厄）\n"
                 "2025\t43\t後厄\n2042\t60\t前厄\n2043\t61\t本厄\n2044\t62\t後厄\n", ""),
                (["yakudoshi", "1983", "猫"], 1, "", "性別は"),
        ]:
            self.check(args, code, out, err)
        rc, out, _ = run("nenrei", "1900", "1", "1")
        self.assertEqual((rc, len(out.splitlines()), out.split("\t")[0]), (0, 4, "満年齢"))

    def test_wareki_and_seireki(self):
        # A day's 和暦, one line per era reading, and back.
        for args, out in ((["1703", "1", "30"], "元禄15年12月14日\n"),
                          (["--julian", "1703", "1", "19"], "元禄15年12月14日\n"),
                          (["1868", "10", "22"], "慶応4年9月7日\n明治元年9月7日\n"),
                          (["1868", "10", "23"], "明治元年9月8日\n"),
                          (["2026", "5", "6"], "令和8年5月6日\n"),
                          (["--julian", "1352", "1", "18"], "正平7年1月1日（南朝）\n観応3年1月1日（北朝）\n"),
                          (["--julian", "604", "5", "6"], "甲子年4月3日\n")):
            self.check(["wareki", *args], 0, out)
        for args, out in ((["慶応", "4", "9", "8"], "1868 10 23\n"), (["元禄", "15", "12", "14"], "1703 1 30\n"),
                          (["--julian", "元祿", "15", "12", "14"], "1703 1 19\n"),
                          (["慶應", "４", "閏４", "11"], "1868 6 1\n"), (["明治", "元", "1", "1"], "1868 1 25\n"),
                          (["令和", "8", "5", "6"], "2026 5 6\n")):
            self.check(["seireki", *args], 0, out)
        self.check(["wareki", "--julian", "445", "1", "20"], 1, "",
                   "『和暦』西暦４４５年１月２５日（ユリウス暦４４５年１月２１日）から９９９９年１２月３１日までの日付に対応しています。")
        self.check(["wareki", "2026", "2", "29"], 1, "", "日付を正しく入力して下さい。")
        for args, message in ((["慶応", "4", "閏5", "1"], "『西暦』慶応4年に閏5月はありません。"),
                              (["明治", "5", "12", "3"], "『西暦』明治5年12月は2日までです。"),
                              (["平成", "32", "1", "1"], "『西暦』平成は元年から31年までです。"),
                              (["光文", "1", "1", "1"], "『西暦』年号が分かりません。"),
                              (["令和", "x", "1", "1"], "日付を正しく入力して下さい。")):
            self.check(["seireki", *args], 1, "", message)

    def test_almanac_sjis_bytes(self):
        p = subprocess.run([CALC, "almanac", "--sjis", "2000", "1", "1"], capture_output=True)
        self.assertEqual(p.returncode, 0)
        expected = "".join(l + "\r\n" for l in REPORT_2000).encode("cp932")
        self.assertEqual(p.stdout, expected)
        self.assertFalse(p.stdout.startswith(b"\xef\xbb\xbf"))
        p = subprocess.run([CALC, "almanac", "--sjis", "--caption", "2000", "1", "1"],
                           capture_output=True)
        self.assertEqual(p.stdout, "西暦2000年（平成12年）1月1日のこよみ\r\n".encode("cp932"))
        # 天正 10 in its two-byte form, right after the year.
        p = subprocess.run([CALC, "almanac", "--sjis", "--caption", "1582", "10", "15"],
                           capture_output=True)
        self.assertIn(b"\x90\xbc\x97\xef1582\x94N\x81i\x93V\x90\xb3", p.stdout)


class Messages(unittest.TestCase):
    def test_arguments_quoted_printable(self):
        # (argument as given, as the message shows it)
        for given, shown in [
                (b"\x1b]0;X\x07\x1b[2J", r"\x1b]0;X\x07\x1b[2J"),
                (b"a\x7fb\x01", r"a\x7fb\x01"),
                ("\u009b2J\u0080".encode(), r"\u009b2J\u0080"),
                ("a\u202eb\u2066c\u200f".encode(), r"a\u202eb\u2066c\u200f"),
                (b"\xff\xfe", r"\xff\xfe"),
                (b"\xe5\xb9", r"\xe5\xb9"),              # a character cut short
                (b"\xc0\xaf\xed\xa0\x80", r"\xc0\xaf\xed\xa0\x80"),  # overlong, surrogate
                ("a\\b", "a\\\\b"),
                ("平" * 40, "平" * 40),
                ("x" + "平" * 50, "x" + "平" * 39 + "…"),
                (b"\xff" * 41, r"\xff" * 40 + "…"),
                # invisible: format characters, separators, spaces but U+0020 and U+3000
                ("\u200b\ufeff\u00a0\u2028\u2029\u00ad\u2060", r"\u200b\ufeff\u00a0\u2028\u2029\u00ad\u2060"),
                ("\U000e0001\u3164\ufe0f", r"\U000e0001\u3164\ufe0f"),
                ("a\u3000b c", "a\u3000b c")]:
            p = subprocess.run([CALC, "western", given, "1"], capture_output=True, timeout=30)
            self.assertEqual(p.returncode, 1, given)
            self.assertEqual(p.stderr.decode("utf-8"), "年号「" + shown + "」はありません。\n", given)
        for args in (["\x1b[2J"], ["era", "--\x1b[2J", "1"], ["setsuiri", "--\x1b[2J", "2000"],
                     ["bizdays", "--\x1b[2J"]):
            _, _, err = run(*args)
            self.assertIn(r"\x1b[2J", err, args)
            self.assertNotIn("\x1b", err, args)
        _, _, err = run("holidays\u200b", "2026")
        self.assertIn("不明なコマンドです: holidays\\u200b\n", err)


class LostOutput(unittest.TestCase):
    """Output that did not arrive ends with status 4 and a message naming
    the reason in Japanese, not 0."""
    DAYS = ["days", "2000", "1", "1", "2000", "1", "2"]
    ALMANAC = ["almanac", "--sjis", "2000", "1", "1"]

    @staticmethod
    def file_size_limit():
        # SIGXFSZ as a shell leaves it: the program itself must ignore it.
        signal.signal(signal.SIGXFSZ, signal.SIG_DFL)
        resource.setrlimit(resource.RLIMIT_FSIZE, (100, 100))

    def test_lost_output(self):
        with open("/dev/full", "wb") as full, tempfile.TemporaryFile() as limited:
            # (what, arguments, standard output, set-up in the child, exit status, reason)
            for what, args, out, setup, code, reason in [
                    ("/dev/full", self.DAYS, full, None, 4, "容量不足"),
                    ("closed", self.DAYS, None, lambda: os.close(1), 4, "閉じた出力先"),
                    ("closed, nothing printed", ["era", "1989"], None, lambda: os.close(1), 3, None),
                    ("file-size limit", self.ALMANAC, limited, self.file_size_limit, 4, "ファイルサイズの上限"),
                    # past the size of an output buffer, whose flush loses the reason
                    ("/dev/full, 8 KiB", ["holidays", "1948", "2300"], full, None, 4, "容量不足"),
                    ("file-size limit, 8 KiB", ["setsuiri", "2000", "2020"], limited, self.file_size_limit, 4,
                     "ファイルサイズの上限")]:
                p = subprocess.run([CALC, *args], stdout=out, stderr=subprocess.PIPE,
                                   preexec_fn=setup, timeout=30)
                self.assertEqual(p.returncode, code, what)
                message = "標準出力に書き込めませんでした（%s）。\n" % reason if reason else ""
                self.assertTrue(p.stderr.decode("utf-8").endswith(message), (what, p.stderr.decode("utf-8")))
                if reason is None:
                    self.assertNotIn("標準出力", p.stderr.decode("utf-8"), what)


    def test_year_list_written_year_by_year(self):
        # The first line comes after the first year, long before the CPU time
        # of the whole list (some 17 s) could be spent; a reader that leaves
        # ends the program by SIGPIPE.
        def cpu_limit():
            resource.setrlimit(resource.RLIMIT_CPU, (3, 3))
        p = subprocess.Popen([CALC, "setsuiri", "1583", "9999"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             preexec_fn=cpu_limit)
        first = p.stdout.readline()
        p.stdout.close()
        p.wait(timeout=30)
        self.assertEqual((first.decode(), p.returncode, p.stderr.read()),
                         ("小寒\t1583-01-06 03:57\n", -signal.SIGPIPE, b""))
        p.stderr.close()


class Usage(unittest.TestCase):
    def test_usage_errors(self):
        for args in ([], ["nothing"], ["days", "1", "2"], ["shift", "1", "2", "3"],
                     ["era"], ["era", "1", "2", "3", "4"], ["era", "--choose", "middle", "1989"],
                     ["era", "--choose"], ["almanac", "--sjis", "2000", "1"],
                     ["days", "--before", "1", "1", "1", "2", "1", "1"], ["western", "平成"],
                     ["setsuiri"], ["setsuiri", "2000", "2001", "2002"], ["setsuiri", "--minutes", "2000"],
                     ["holidays"], ["holidays", "2000", "2001", "2002"], ["bizdays", "2000", "1", "1"],
                     ["bizdays", "--after", "1", "2000", "1", "1", "1"], ["holidays", "--yearend", "2000"],
                     ["kyureki"], ["kyureki", "--minutes", "2000"], ["koyomi", "2026", "5"],
                     ["koyomi", "--seconds", "2026", "5", "6"],
                     # a command takes only the options its usage names, whole
                     ["almanac", "--cap", "2000", "1", "1"], ["almanac", "--captions", "2000", "1", "1"],
                     ["almanac", "--choose earlier|later", "2000", "1", "1"], ["era", "--choose=", "1989"],
                     ["western", "--choose", "earlier", "平成", "1"], ["shift", "--before=1", "2000", "1", "1", "1"],
                     ["holidays", "--after", "2000"], ["bizdays", "2019", "4", "26", "--after"],
                     ["bizdays", "--after", "1", "2019", "4", "26", "2019", "5", "7"], ["--help", "days"],
                     ["shift", "--months", "--years", "1", "2000", "1", "1"],
                     ["deadline", "--first", "2000", "1", "1", "1", "日"], ["nenrei", "2000", "1", "1", "2000"],
                     ["yakudoshi", "1983"], ["period", "2000", "1", "1"]):
            rc, out, err = run(*args)
            self.assertEqual((rc, out), (2, ""), args)
            self.assertIn("使い方", err, args)
            self.assertIn("vadelon-calc", err, args)

    def test_help_and_version(self):
        for args in (["--help"], ["-h"]):
            rc, out, err = run(*args)
            self.assertEqual((rc, err), (0, ""), args)
            self.assertTrue(out.startswith("使い方:\n  vadelon-calc days [--inclusive] Y1 M1 D1 Y2 M2 D2\n"), args)
            self.assertIn("  vadelon-calc --version\n", out)
        self.assertEqual(run("--version"), (0, "vadelon-calc 1.0\n", ""))
        for args in (["days", "--help"], ["days", "1", "-h"]):
            self.assertEqual(run(*args), (0, "使い方: vadelon-calc days [--inclusive] Y1 M1 D1 Y2 M2 D2\n", ""), args)

    def test_usage_names_the_arguments(self):
        _, _, err = run("days", "1")
        self.assertIn("Y1 M1 D1 Y2 M2 D2", err)


if __name__ == "__main__":
    CALC = sys.argv.pop(1)
    unittest.main(verbosity=1)
