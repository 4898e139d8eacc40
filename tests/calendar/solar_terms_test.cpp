#include "calendar/sky/delta_t.h"
#include "calendar/sky/solar_term_status.h"
#include "calendar/sky/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace vadelon {
namespace {

std::string MinuteText(const SolarTermTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", static_cast<int>(t.year), static_cast<int>(t.month),
                  static_cast<int>(t.day), static_cast<int>(t.hour), static_cast<int>(t.minute));
    return text;
}

TEST(SolarTermsTest, Instants)
{
    struct Case {
        std::int32_t year;
        int index;
        const char* jst;
    };
    const Case cases[] = {
        {2021, 2, "2021-02-03 23:59"},   // 立春 as the national almanac published it (節分 on 2 February)
        {2021, 23, "2021-12-22 00:59"},  // 冬至: 21 December in UT, the 22nd in Japan
        {2022, 0, "2022-01-05 18:14"},   // 小寒 across the New Year from the 冬至 above
        {2000, 0, "2000-01-06 10:01"},
        // The ends of the range, as this program reckons them. By 9999 ΔT
        // is an extrapolation of some 2.5 days and 小寒 reaches the year before.
        {1583, 0, "1583-01-06 03:57"},
        {1583, 5, "1583-03-21 14:50"},
        {9999, 0, "9998-12-31 12:56"},
        {9999, 23, "9999-12-16 05:37"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MinuteText(SolarTermInstant(c.year, c.index)), c.jst)
            << c.year << " " << SolarTermShortNames[static_cast<std::size_t>(c.index)];
    }
}

// Across the whole range (every 29th year and both ends): 24 instants in
// order, each 14.5 to 16 days after the one before, 小寒 about New Year and
// 冬至 in December; a solver that settles on the wrong crossing breaks this.
TEST(SolarTermsTest, EveryYearInOrder)
{
    for (std::int32_t year = kFirstSolarTermYear; year <= kLastSolarTermYear + 28; year += 29) {
        const std::int32_t y = year > kLastSolarTermYear ? kLastSolarTermYear : year;
        const auto terms = SolarTermsOfYear(y);
        for (std::size_t i = 1; i < terms.size(); ++i) {
            const double gap = terms[i].julianDateTT - terms[i - 1].julianDateTT;
            ASSERT_TRUE(gap > 14.5 && gap < 16.0) << y << " term " << i << ": " << gap;
        }
        const bool newYear = (terms[0].year == y && terms[0].month == 1) ||
                             (terms[0].year == y - 1 && terms[0].month == 12 && terms[0].day == 31);
        EXPECT_TRUE(newYear) << y << " 小寒 " << MinuteText(terms[0]);
        EXPECT_EQ(terms[23].year * 100 + terms[23].month, y * 100 + 12) << y;
    }
}

// ΔT has no jump: neither where two of the Espenak & Meeus pieces meet (a
// mistyped coefficient shows as a jump) nor where the observed values begin
// and end; and it is the observed value where there is one.
TEST(SolarTermsTest, DeltaT)
{
    for (double year :
         {500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1950.0, 1955.0, 2026.0, 2050.0, 2150.0}) {
        EXPECT_NEAR(DeltaTSeconds(year - 1e-9), DeltaTSeconds(year), 0.5) << year;
    }
    struct Case {
        double year, seconds, tolerance;
    };
    const Case cases[] = {
        {1650.0, 50.2, 0.1},                              // before the observations: the polynomial
        {1955.0, 31.07, 0.005},                           // the first and the last observed value
        {2026.0, 69.11, 0.005}, {2008.72, 65.69, 0.005},  // the 2008 秋分, between two observed values
        {2024.0, 69.18, 0.005},                           // where the 2006 polynomial had 73.9
    };
    for (const Case& c : cases)
        EXPECT_NEAR(DeltaTSeconds(c.year), c.seconds, c.tolerance) << c.year;
}

// Columns of a line in the status bar's font: kanji, kana and full-width
// signs take two, ASCII one.
double FullWidthColumns(const std::string& text)
{
    double columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        columns += length == 1 ? 0.5 : 1.0;
        i += length;
    }
    return columns;
}

TEST(SolarTermStatusTest, Table)
{
    struct Case {
        std::int32_t year, month, day;
        const char* text;
        const char* inTooltip;
    };
    const Case cases[] = {
        {2000, 1, 1, "小寒（1/6 10:01）前　月：丙子　立春前　年：己卯　九星：一白水星",
         "立春は2000年2月4日 21時40分（日本時間）です。\nこの日は立春前のため"},
        {2000, 1, 6, "当日10:01 小寒　月：丙子→丁丑　立春前　年：己卯　九星：一白水星",
         "この日の10時01分までは月干支【丙子】、それ以後は【丁丑】です。"},
        {2000, 1, 7, "小寒（1/6 10:01）以後　月：丁丑　立春前　年：己卯　九星：一白水星", "年九星は【一白水星】"},
        {2021, 2, 1, "立春（2/3 23:59）前　月：己丑　年：庚子　九星：七赤金星",
         "2021年2月の節入り：立春 2021年2月3日 23時59分"},
        // 節分, the day before 立春 (in 2021 the 2nd).
        {2021, 2, 2, "節分（立春は翌日23:59）　月：己丑　年：庚子　九星：七赤金星",
         "この日は節分（立春の前日）で立春前のため、月干支は前月の【己丑】、年干支は前年の【庚子】"},
        {2024, 2, 4, "当日17:27 立春　月：乙丑→丙寅　年：癸卯→甲辰　九星：四緑木星→三碧木星",
         "それ以後は月干支【丙寅】・年干支【甲辰】・年九星【三碧木星】です。"},
        {2021, 2, 4, "立春（2/3 23:59）以後　月：庚寅　年：辛丑　九星：六白金星", "この日は立春後のため"},
        {2000, 12, 31, "大雪（12/7 04:37）以後　月：戊子", "この日は節入り後のため、月干支は【戊子】です。"},
        // Far in the future ΔT moves the next month's 節 into the month.
        {9999, 10, 31, "立冬（10/30 11:03）以後　月：乙亥", "9999年11月の節入り：立冬 9999年10月30日 11時03分"},
        {9999, 11, 30, "当日15:34 大雪　月：乙亥→丙子", "それ以後は【丙子】です。"},
        {9236, 12, 31, "当日23:31 小寒　月：庚子→辛丑", "9237年1月の節入り：小寒 9236年12月31日 23時31分"},
        {2000, 13, 1, "", ""},
        {2000, 0, 1, "", ""},
        {2000, 2, 30, "", ""},
        {2000, 1, 0, "", ""},
        {1582, 12, 1, "", ""},
        {10000, 1, 1, "", ""},
    };
    for (const Case& c : cases) {
        const SolarTermStatus status = ComposeSolarTermStatus({c.year, c.month, c.day});
        EXPECT_EQ(status.text, c.text) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_NE(status.tooltip.find(c.inTooltip), std::string::npos) << status.tooltip;
        EXPECT_EQ(status.tooltip.empty(), status.text.empty());
        // The status bar gives the note 444 pixels of the window's 470; its
        // 12-pixel font makes a column 12 pixels wide: 37 columns.
        EXPECT_LE(FullWidthColumns(status.text), 36.0) << status.text;
    }
}

}  // namespace
}  // namespace vadelon
