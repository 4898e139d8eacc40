// The month calendar's model: the cells of months with edges as the window
// paints them, its notes against the core's date-by-date answers over whole
// years, the lines under the grid and the moves to the ends of its range.
#include "calendar/notes/day_notes.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_terms.h"
#include "calendar_window/month_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace vadelon {
namespace {

// One cell as the table writes it: its colour (R red, B blue, - plain; r, b
// and . for a day of the month before or after), the day, the moon (● new,
// ○ full), the holiday, 節気 or 雑節 in brackets, the 六曜 and the 旧暦 day.
std::string Rendered(const DayCell& cell)
{
    const char* colours = cell.dimmed ? "r.b" : "R-B";
    std::string text(1, colours[cell.colour == DayColour::Red ? 0 : cell.colour == DayColour::Plain ? 1 : 2]);
    text += cell.number;
    text += cell.moon == MoonMark::New ? "●" : cell.moon == MoonMark::Full ? "○" : "";
    if (!cell.label.empty())
        text += "[" + cell.label + "]";
    text += cell.rokuyo;
    if (!cell.lunarDay.empty())
        text += "/" + cell.lunarDay;
    return text;
}

// The cells as painted, where the notes behind them are those of each date
// (checked below): a month over six weeks (a holiday on a 節気 too), the
// 旧暦's first days; single cells whose label or 旧暦 day is written apart.
TEST(MonthCalendarTest, CellsOfMonthsWithEdges)
{
    struct Case {
        std::int32_t year, month;
        std::vector<std::string> weeks;
    };
    const Case cases[] = {
        // 憲法記念日 on a Sunday: 振替休日 moves to the 6th, after two holidays.
        {2026,
         5,
         {"r26赤口/10 .27先勝/11 .28友引/12 r29[昭和の日]先負/13 .30仏滅/14 -1大安/15 B2○[八十八夜]赤口/16",
          "R3[憲法記念日]先勝/17 R4[みどりの日]友引/18 R5[こどもの日]先負/19 R6[振替休日]仏滅/20 -7大安/21 "
          "-8赤口/22 B9先勝/23",
          "R10友引/24 -11先負/25 -12仏滅/26 -13大安/27 -14赤口/28 -15先勝/29 B16友引/30",
          "R17●仏滅/4/1 -18大安/2 -19赤口/3 -20先勝/4 -21[小満]友引/5 -22先負/6 B23仏滅/7",
          "R24大安/8 -25赤口/9 -26先勝/10 -27友引/11 -28先負/12 -29仏滅/13 B30大安/14",
          "R31○赤口/15 .1先勝/16 .2友引/17 .3先負/18 .4仏滅/19 .5大安/20 b6[芒種]赤口/21"}},
        // Across 1872/1873 without a seam: 明治5年12月 had two days before the
        // solar calendar began on its 3rd (1873-01-01); the old calendar's 1st
        // days are its new moons.
        {1873,
         1,
         {"r29先負/29 .30●赤口/12/1 .31先勝/2 -1友引/3 -2先負/4 -3仏滅/5 B4大安/6",
          "R5[小寒]赤口/7 -6先勝/8 -7友引/9 -8先負/10 -9仏滅/11 -10大安/12 B11赤口/13",
          "R12先勝/14 -13友引/15 -14○先負/16 -15仏滅/17 -16大安/18 -17[土用入り]赤口/19 B18先勝/20",
          "R19友引/21 -20[大寒]先負/22 -21仏滅/23 -22大安/24 -23赤口/25 -24先勝/26 B25[土用の丑の日]友引/27",
          "R26先負/28 -27仏滅/29 -28大安/30 -29●先勝/1/1 -30友引/2 -31先負/3 b1仏滅/4",
          "r2大安/5 .3[節分]赤口/6 .4[立春]先勝/7 .5友引/8 .6先負/9 .7仏滅/10 b8大安/11"}},
        {1872,
         12,
         {"R1●大安/11/1 -2赤口/2 -3先勝/3 -4友引/4 -5先負/5 -6仏滅/6 B7[大雪]大安/7",
          "R8赤口/8 -9先勝/9 -10友引/10 -11先負/11 -12仏滅/12 -13大安/13 B14赤口/14",
          "R15先勝/15 -16友引/16 -17先負/17 -18仏滅/18 -19大安/19 -20赤口/20 B21[冬至]先勝/21",
          "R22友引/22 -23先負/23 -24仏滅/24 -25大安/25 -26赤口/26 -27先勝/27 B28友引/28",
          "R29先負/29 -30●赤口/12/1 -31先勝/2 .1友引/3 .2先負/4 .3仏滅/5 b4大安/6",
          "r5[小寒]赤口/7 .6先勝/8 .7友引/9 .8先負/10 .9仏滅/11 .10大安/12 b11赤口/13"}},
    };
    for (const Case& c : cases) {
        MonthCalendar calendar({c.year, c.month, 1}, {2000, 1, 1});
        const MonthCells cells = calendar.Cells();
        for (int week = 0; week < kWeeksShown; ++week) {
            std::string line;
            for (int day = 0; day < 7; ++day) {
                // Appended in steps: GCC 12 at -O3 warns (-Wrestrict) on "" + a temporary.
                if (day)
                    line += ' ';
                line += Rendered(cells[static_cast<std::size_t>(week * 7 + day)]);
            }
            EXPECT_EQ(line, c.weeks[static_cast<std::size_t>(week)]) << c.year << "-" << c.month << " week " << week;
        }
    }

    // The first of two 雑節, a leap month's 1st.
    for (const auto& [date, text] :
         {std::pair<Date, std::string>{{2025, 7, 19}, "B19[土用入り]赤口/25"}, {{2033, 12, 22}, "-22●大安/閏11/1"}}) {
        const MonthCells shown = MonthCalendar(date, {2000, 1, 1}).Cells();
        const auto cell = std::find_if(shown.begin(), shown.end(), [&](const DayCell& c) { return c.date == date; });
        EXPECT_EQ(Rendered(*cell), text);
    }
}

// The notes the calendar keeps by month, day by day against the core's notes
// of each date: the first year, the years where the 旧暦 begins and ends,
// a leap 11th month, the first year whose 31 December holds the next 小寒, the last.
TEST(MonthCalendarTest, MonthNotesAgreeWithTheNotesOfEachDate)
{
    for (const std::int32_t year : {445, 1582, 1583, 1872, 1873, 1884, 2033, 2100, 2101, 9236, 9237, 9999}) {
        NotesCache cache;
        // The full moons' dates, every lunation near the year solved.
        std::set<std::int64_t> fullMoons;
        if (year >= kFirstLunisolarYear && year <= kLastLunisolarYear) {
            const double daysTT = static_cast<double>(DayNumber({year, 1, 1})) + 2440587.5 - 2451545.0;
            for (std::int64_t k = NearestLunation(daysTT) - 2; k <= NearestLunation(daysTT + 366); ++k) {
                const JstDateTime full = AlmanacLocalTime(FullMoonInstant(k).julianDateUT, 60);
                fullMoons.insert(DayNumber({full.year, full.month, full.day}));
            }
        }
        for (std::int64_t n = DayNumber({year, 1, 1}); n <= DayNumber({year, 12, 31}); ++n) {
            const Date date = DateOfDayNumber(n);
            const DayNotes& notes = cache.Of(date);
            const auto expected = DayNotesOf(date);
            ASSERT_TRUE(expected);
            std::string lunisolar, rokuyo, zassetsu;
            if (notes.lunisolar) {
                const LunisolarDate& l = *notes.lunisolar;
                lunisolar = std::to_string(l.year) + "年" + (l.leap ? "閏" : "") + std::to_string(l.month) + "月" +
                            std::to_string(l.day) + "日";
                rokuyo = RokuyoName(l);
            }
            for (const std::string_view name : notes.zassetsu)
                zassetsu += (zassetsu.empty() ? "" : "・") + std::string(name);
            const std::string where =
                std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
            EXPECT_EQ(lunisolar, (*expected)[0].value) << where;
            EXPECT_EQ(rokuyo, (*expected)[1].value) << where;
            EXPECT_EQ(notes.holiday, (*expected)[2].value) << where;
            EXPECT_EQ(notes.solarTerm, (*expected)[3].value) << where;
            EXPECT_EQ(zassetsu, (*expected)[4].value) << where;
            // A new moon's date is the first of a 旧暦 month.
            EXPECT_EQ(notes.moon == MoonMark::New, notes.lunisolar && notes.lunisolar->day == 1) << where;
            EXPECT_EQ(notes.moon == MoonMark::Full, fullMoons.contains(n)) << where;
        }
    }
}

TEST(MonthCalendarTest, Lines)
{
    MonthCalendar calendar({2026, 5, 6}, {2026, 5, 6});
    EXPECT_EQ(calendar.Title(), "カレンダー 2026年5月");
    EXPECT_EQ(calendar.StatusLine(), "2026年5月6日（水）　令和8年5月6日　振替休日　旧暦3月20日　仏滅　月齢18.6");
    // 秋分の日 with its 節気; two 雑節 on one day; before 1873 the 和暦 is the
    // 旧暦, and before 1582-10-15 the Julian date stands beside; two eras.
    EXPECT_EQ(calendar.DayLine({2015, 9, 23}),
              "2015年9月23日（水）　平成27年9月23日　秋分の日　秋分　旧暦8月11日　赤口　月齢9.8");
    EXPECT_EQ(calendar.DayLine({2025, 7, 19}),
              "2025年7月19日（土）　令和7年7月19日　土用入り・土用の丑の日　旧暦6月25日　赤口　月齢23.7");
    EXPECT_EQ(calendar.DayLine({1600, 2, 4}), "1600年2月4日（金）　慶長4年12月20日　立春　先勝");
    EXPECT_EQ(calendar.DayLine({1703, 1, 30}), "1703年1月30日（火）　元禄15年12月14日　先勝");
    EXPECT_EQ(calendar.DayLine({1582, 7, 1}), "1582年7月1日（木）（ユリウス暦1582年6月21日）　天正10年6月2日　先勝");
    EXPECT_EQ(calendar.DayLine({1868, 10, 22}), "1868年10月22日（木）　慶応4年9月7日・明治元年9月7日　先負");

    struct Case {
        Date first, second;
        const char* line;
    };
    const Case cases[] = {
        // The days after the first up to the second: 4/29, 5/3 to 5/6 are
        // holidays, 5/2 and 5/3 the weekend.
        {{2026, 4, 28}, {2026, 5, 7}, "2026年4月28日〜5月7日：9日（両端を含めて10日）（営業日3日、土日祝を除く）"},
        {{2026, 12, 25},
         {2027, 1, 5},
         "2026年12月25日〜2027年1月5日：11日（両端を含めて12日）（営業日6日、土日祝を除く。年末年始も除くと3日）"},
        // 28 December itself is not counted; 29 December is.
        {{2026, 12, 28},
         {2026, 12, 29},
         "2026年12月28日〜12月29日：1日（両端を含めて2日）（営業日1日、土日祝を除く。年末年始も除くと0日）"},
        {{2027, 1, 3}, {2027, 1, 8}, "2027年1月3日〜1月8日：5日（両端を含めて6日）（営業日5日、土日祝を除く）"},
        // A month or more in years, months and days too; the month-end rule
        // of PeriodBetween.
        {{2017, 1, 1},
         {2026, 5, 8},
         "2017年1月1日〜2026年5月8日：3,414日（9年4か月7日）（両端を含めて3,415日）（営業日2,301日、土日祝を除く。"
         "年末年始も除くと2,269日）"},
        {{2024, 1, 31},
         {2024, 2, 29},
         "2024年1月31日〜2月29日：29日（1か月）（両端を含めて30日）（営業日19日、土日祝を除く）"},
        {{2024, 1, 31}, {2024, 2, 28}, "2024年1月31日〜2月28日：28日（両端を含めて29日）（営業日18日、土日祝を除く）"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RangeLine(c.first, c.second), c.line);
}

TEST(MonthCalendarTest, MovesWithinItsYears)
{
    MonthCalendar calendar({2024, 1, 31}, {2026, 5, 6});
    EXPECT_TRUE(calendar.MoveMonths(1, false));
    EXPECT_EQ(calendar.Selected(), (Date{2024, 2, 29}));
    EXPECT_TRUE(calendar.MoveMonths(12, false));
    EXPECT_EQ(calendar.Selected(), (Date{2025, 2, 28}));

    // A range stretches from the day selected before the first extending
    // move; a plain move ends it.
    EXPECT_TRUE(calendar.MoveDays(-3, true));
    EXPECT_TRUE(calendar.MoveMonths(-1, true));
    EXPECT_EQ(calendar.Anchor(), (Date{2025, 2, 28}));
    EXPECT_EQ(calendar.StatusLine(),
              "2025年1月25日〜2月28日：34日（1か月3日）（両端を含めて35日）（営業日23日、土日祝を除く）");
    EXPECT_TRUE(calendar.GoToToday());
    EXPECT_FALSE(calendar.Anchor());
    EXPECT_EQ(calendar.Selected(), (Date{2026, 5, 6}));

    // The ends: nothing moves past them.
    MonthCalendar first({445, 1, 1}, {2026, 5, 6});
    EXPECT_FALSE(first.MoveDays(-1, false));
    EXPECT_FALSE(first.MoveMonths(-1, true));
    EXPECT_FALSE(first.Anchor());
    EXPECT_EQ(first.Selected(), kFirstShownDate);
    EXPECT_EQ(first.Cells()[0].date, kFirstShownDate);  // a Sunday, the grid begins on it
    MonthCalendar last({9999, 12, 25}, {2026, 5, 6});
    EXPECT_FALSE(last.MoveDays(7, false));
    EXPECT_FALSE(last.MoveMonths(1, false));
    EXPECT_TRUE(last.MoveDays(6, false));
    EXPECT_EQ(last.Selected(), kLastShownDate);
    // The months the next step could show are worked out ahead once (ten
    // at most), and none drops another: then nothing is left to do.
    int prepared = 0;
    while (calendar.PrepareNearby() && prepared < 100)
        ++prepared;
    EXPECT_LE(prepared, 10);
    EXPECT_FALSE(calendar.PrepareNearby());

    // A date outside them opens today.
    EXPECT_EQ(MonthCalendar({444, 12, 31}, {2026, 5, 6}).Selected(), (Date{2026, 5, 6}));

    // The go-to field's text: a day moves there; a text that names none
    // moves nothing and says why.
    EXPECT_EQ(calendar.GoToText("元禄十五年十二月十四日"), "");
    EXPECT_EQ(calendar.Selected(), (Date{1703, 1, 30}));
    EXPECT_EQ(calendar.GoToText("明治5年12月3日"), "明治5年12月は2日までです。");
    EXPECT_EQ(calendar.GoToText("0444-12-31"), "カレンダーは西暦445年から9999年までです。");
    EXPECT_EQ(calendar.Selected(), (Date{1703, 1, 30}));
}

}  // namespace
}  // namespace vadelon
