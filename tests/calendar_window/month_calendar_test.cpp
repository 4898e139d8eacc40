// The month calendar's model: the cells of months with edges as the window
// paints them, its notes against the core's date-by-date answers over whole
// years, the lines under the grid and the moves to the ends of its range.
#include "calendar/day_notes.h"
#include "calendar/moon_phases.h"
#include "calendar/solar_terms.h"
#include "calendar_window/month_calendar.h"

#include <gtest/gtest.h>

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

// The 旧暦 and 六曜, 節気 and 雑節 from the core's notes of each date (the
// 旧暦 checked against PyEphem in the core's tests), the full moons from
// PyEphem; the holidays by the law.
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
        // A 国民の休日 between 敬老の日 and 秋分の日, which outranks 彼岸 and 社日 nowhere.
        {2015,
         9,
         {"r30○大安/17 .31赤口/18 -1[二百十日]先勝/19 -2友引/20 -3先負/21 -4仏滅/22 B5大安/23",
          "R6赤口/24 -7先勝/25 -8[白露]友引/26 -9先負/27 -10仏滅/28 -11[二百二十日]大安/29 B12赤口/30",
          "R13●友引/8/1 -14先負/2 -15仏滅/3 -16大安/4 -17赤口/5 -18先勝/6 B19[社日]友引/7",
          "R20[彼岸入り]先負/8 R21[敬老の日]仏滅/9 R22[国民の休日]大安/10 R23[秋分の日]赤口/11 -24先勝/12 "
          "-25友引/13 B26[彼岸明け]先負/14",
          "R27仏滅/15 -28○大安/16 -29赤口/17 -30先勝/18 .1友引/19 .2先負/20 b3仏滅/21",
          "r4大安/22 .5赤口/23 .6先勝/24 .7友引/25 .8[寒露]先負/26 .9仏滅/27 b10大安/28"}},
        // The leap 11th month begins on the 22nd; the next year's 元日 on a Sunday.
        {2033,
         12,
         {"r27仏滅/6 .28大安/7 .29赤口/8 .30先勝/9 -1友引/10 -2先負/11 B3仏滅/12",
          "R4大安/13 -5赤口/14 -6○先勝/15 -7[大雪]友引/16 -8先負/17 -9仏滅/18 B10大安/19",
          "R11赤口/20 -12先勝/21 -13友引/22 -14先負/23 -15仏滅/24 -16大安/25 B17赤口/26",
          "R18先勝/27 -19友引/28 -20先負/29 -21[冬至]仏滅/30 -22●大安/閏11/1 -23赤口/2 B24先勝/3",
          "R25友引/4 -26先負/5 -27仏滅/6 -28大安/7 -29赤口/8 -30先勝/9 B31友引/10",
          "r1[元日]先負/11 r2[振替休日]仏滅/12 .3大安/13 .4赤口/14 .5○[小寒]先勝/15 .6友引/16 b7先負/17"}},
        // The 旧暦 begins on 1873-01-01 (明治5年12月3日): none for the days before.
        {1873,
         1,
         {"r29 .30 .31 -1友引/3 -2先負/4 -3仏滅/5 B4大安/6",
          "R5[小寒]赤口/7 -6先勝/8 -7友引/9 -8先負/10 -9仏滅/11 -10大安/12 B11赤口/13",
          "R12先勝/14 -13友引/15 -14○先負/16 -15仏滅/17 -16大安/18 -17[土用入り]赤口/19 B18先勝/20",
          "R19友引/21 -20[大寒]先負/22 -21仏滅/23 -22大安/24 -23赤口/25 -24先勝/26 B25[土用の丑の日]友引/27",
          "R26先負/28 -27仏滅/29 -28大安/30 -29●先勝/1/1 -30友引/2 -31先負/3 b1仏滅/4",
          "r2大安/5 .3[節分]赤口/6 .4[立春]先勝/7 .5友引/8 .6先負/9 .7仏滅/10 b8大安/11"}},
        // Before it: the solar terms only, and no moons.
        {1872,
         12,
         {"R1 -2 -3 -4 -5 -6 B7[大雪]", "R8 -9 -10 -11 -12 -13 B14", "R15 -16 -17 -18 -19 -20 B21[冬至]",
          "R22 -23 -24 -25 -26 -27 B28", "R29 -30 -31 .1友引/3 .2先負/4 .3仏滅/5 b4大安/6",
          "r5[小寒]赤口/7 .6先勝/8 .7友引/9 .8先負/10 .9仏滅/11 .10大安/12 b11赤口/13"}},
    };
    for (const Case& c : cases) {
        MonthCalendar calendar({c.year, c.month, 1}, {2000, 1, 1});
        const MonthCells cells = calendar.Cells();
        for (int week = 0; week < kWeeksShown; ++week) {
            std::string line;
            for (int day = 0; day < 7; ++day)
                line += (day ? " " : "") + Rendered(cells[static_cast<std::size_t>(week * 7 + day)]);
            EXPECT_EQ(line, c.weeks[static_cast<std::size_t>(week)]) << c.year << "-" << c.month << " week " << week;
        }
    }
}

// The notes the calendar keeps by month, day by day against the core's notes
// of each date: the first year, the years where the 旧暦 begins and ends,
// a leap 11th month, the first year whose 31 December holds the next 小寒, the last.
TEST(MonthCalendarTest, MonthNotesAgreeWithTheNotesOfEachDate)
{
    for (const std::int32_t year : {1583, 1872, 1873, 2033, 2100, 2101, 9236, 9237, 9999}) {
        NotesCache cache;
        // The full moons' dates, every lunation near the year solved.
        std::set<std::int64_t> fullMoons;
        if (year >= kFirstLunisolarYear && year <= kLastLunisolarYear) {
            const double daysTT = static_cast<double>(DayNumber({year, 1, 1})) + 2440587.5 - 2451545.0;
            for (std::int64_t k = NearestLunation(daysTT) - 2; k <= NearestLunation(daysTT + 366); ++k) {
                const JstDateTime full = JstFromJulianDate(FullMoonInstant(k).julianDateUT, 60);
                fullMoons.insert(DayNumber({full.year, full.month, full.day}));
            }
        }
        for (std::int64_t n = DayNumber({year, 1, 1}); n <= DayNumber({year, 12, 31}); ++n) {
            const Date date = DateOfDayNumber(n);
            const DayNotes& notes = cache.Of(date);
            const auto expected = DayNotesOf(date.year, date.month, date.day);
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
    EXPECT_EQ(calendar.StatusLine(), "2026年5月6日（水）振替休日　旧暦3月20日　仏滅　月齢18.6");
    // 秋分の日 with its 節気; two 雑節 on one day; before the 旧暦, only what there is.
    EXPECT_EQ(calendar.DayLine({2015, 9, 23}), "2015年9月23日（水）秋分の日　秋分　旧暦8月11日　赤口　月齢9.8");
    EXPECT_EQ(calendar.DayLine({2025, 7, 19}),
              "2025年7月19日（土）土用入り・土用の丑の日　旧暦6月25日　赤口　月齢23.7");
    EXPECT_EQ(calendar.DayLine({1600, 2, 4}), "1600年2月4日（金）立春");

    struct Case {
        Date first, second;
        const char* line;
    };
    const Case cases[] = {
        // The days after the first up to the second: 4/29, 5/3 to 5/6 are
        // holidays, 5/2 and 5/3 the weekend.
        {{2026, 4, 28}, {2026, 5, 7}, "2026年4月28日〜5月7日：9日（営業日3日、土日祝を除く）"},
        {{2026, 12, 25},
         {2027, 1, 5},
         "2026年12月25日〜2027年1月5日：11日（営業日6日、土日祝を除く。年末年始も除くと3日）"},
        // 28 December itself is not counted; 29 December is.
        {{2026, 12, 28},
         {2026, 12, 29},
         "2026年12月28日〜12月29日：1日（営業日1日、土日祝を除く。年末年始も除くと0日）"},
        {{2027, 1, 3}, {2027, 1, 8}, "2027年1月3日〜1月8日：5日（営業日5日、土日祝を除く）"},
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
    EXPECT_EQ(calendar.StatusLine(), "2025年1月25日〜2月28日：34日（営業日23日、土日祝を除く）");
    EXPECT_TRUE(calendar.GoToToday());
    EXPECT_FALSE(calendar.Anchor());
    EXPECT_EQ(calendar.Selected(), (Date{2026, 5, 6}));

    // The ends: nothing moves past them.
    MonthCalendar first({1583, 1, 1}, {2026, 5, 6});
    EXPECT_FALSE(first.MoveDays(-1, false));
    EXPECT_FALSE(first.MoveMonths(-1, true));
    EXPECT_FALSE(first.Anchor());
    EXPECT_EQ(first.Selected(), kFirstShownDate);
    EXPECT_FALSE(first.Cells()[5].selectable);  // 1582-12-31, a Friday
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
    EXPECT_EQ(MonthCalendar({1582, 12, 31}, {2026, 5, 6}).Selected(), (Date{2026, 5, 6}));
}

}  // namespace
}  // namespace vadelon
