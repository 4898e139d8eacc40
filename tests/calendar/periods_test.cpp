// Months, periods and ages at the edges the law settles: month ends, 2月29日
// births, 4月1日 and 4月2日 births, 初日算入 and the move past holidays.
#include "calendar/rules/ages.h"
#include "calendar/rules/periods.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vadelon {
namespace {

TEST(PeriodsTest, AddMonthsKeepsTheDayOrTakesTheMonthsLast)
{
    struct Case {
        Date date;
        std::int64_t months;
        Date want;
    };
    for (const Case& c : {
             Case{{2000, 1, 31}, 1, {2000, 2, 29}},
             Case{{2001, 1, 31}, 1, {2001, 2, 28}},
             Case{{2000, 3, 31}, -1, {2000, 2, 29}},
             Case{{2001, 3, 31}, -1, {2001, 2, 28}},
             Case{{2000, 5, 31}, 1, {2000, 6, 30}},
             Case{{2000, 2, 29}, 12, {2001, 2, 28}},
             Case{{2000, 2, 29}, 48, {2004, 2, 29}},
             Case{{2000, 12, 15}, 1, {2001, 1, 15}},
             Case{{2000, 1, 15}, -13, {1998, 12, 15}},
             Case{{0, 1, 1}, -1, {-1, 12, 1}},
             Case{{-1, 12, 31}, 2, {0, 2, 29}},
         }) {
        const ShiftedDate got = AddMonths(c.date, c.months);
        EXPECT_EQ(got.status, ShiftStatus::Ok);
        EXPECT_EQ(got.date, c.want) << c.date.year << "-" << c.date.month << "-" << c.date.day << " " << c.months;
    }
    EXPECT_EQ(AddMonths({INT32_MAX, 12, 1}, 1).status, ShiftStatus::YearOutOfRange);
    EXPECT_EQ(AddYears({INT32_MIN, 1, 1}, -1).status, ShiftStatus::YearOutOfRange);
    EXPECT_EQ(AddYears({2000, 2, 29}, -1).date, (Date{1999, 2, 28}));
}

TEST(PeriodsTest, PeriodBetweenTakesWholeYearsThenMonthsThenDays)
{
    struct Case {
        Date from, to;
        YearsMonthsDays want;
    };
    for (const Case& c : {
             Case{{2000, 1, 31}, {2000, 2, 29}, {0, 1, 0}},
             Case{{2000, 1, 31}, {2000, 2, 28}, {0, 0, 28}},
             Case{{2001, 1, 31}, {2001, 2, 28}, {0, 1, 0}},
             Case{{2000, 1, 31}, {2000, 3, 30}, {0, 1, 30}},
             Case{{2000, 2, 29}, {2001, 2, 28}, {1, 0, 0}},
             Case{{2000, 1, 1}, {2000, 1, 1}, {0, 0, 0}},
             Case{{2016, 12, 31}, {2026, 5, 7}, {9, 4, 7}},
             Case{{1999, 12, 31}, {2000, 1, 1}, {0, 0, 1}},
             Case{{INT32_MIN, 1, 1}, {INT32_MAX, 12, 31}, {std::int64_t{UINT32_MAX}, 11, 30}},
         }) {
        EXPECT_EQ(PeriodBetween(c.from, c.to), c.want) << c.from.year << "-" << c.from.month << "-" << c.from.day;
    }
}

TEST(PeriodsTest, LastDayOfAPeriod)
{
    struct Case {
        Date start;
        std::int64_t count;
        PeriodUnit unit;
        bool firstDay, nextBusinessDay;
        Date want;
    };
    constexpr auto D = PeriodUnit::Days, W = PeriodUnit::Weeks, M = PeriodUnit::Months, Y = PeriodUnit::Years;
    for (const Case& c : {
             // 初日不算入: counting starts the next day.
             Case{{2026, 4, 28}, 10, D, false, false, {2026, 5, 8}},
             Case{{2026, 4, 28}, 10, D, true, false, {2026, 5, 7}},
             Case{{2026, 5, 1}, 2, W, false, false, {2026, 5, 15}},
             Case{{2026, 5, 1}, 2, W, true, false, {2026, 5, 14}},
             // The day before the corresponding day; the month's last day
             // where the final month has none (143②).
             Case{{2000, 1, 31}, 1, M, true, false, {2000, 2, 29}},
             Case{{2001, 1, 31}, 1, M, true, false, {2001, 2, 28}},
             Case{{2000, 1, 30}, 1, M, false, false, {2000, 2, 29}},
             Case{{2001, 1, 30}, 1, M, false, false, {2001, 2, 28}},
             Case{{2000, 1, 31}, 1, M, false, false, {2000, 2, 29}},
             Case{{2000, 3, 31}, 1, M, false, false, {2000, 4, 30}},
             Case{{2000, 3, 30}, 1, M, false, false, {2000, 4, 30}},
             Case{{2000, 3, 15}, 1, M, true, false, {2000, 4, 14}},
             Case{{2000, 2, 28}, 3, Y, false, false, {2003, 2, 28}},
             Case{{2000, 2, 29}, 1, Y, true, false, {2001, 2, 28}},
             Case{{2025, 12, 31}, 1, Y, false, false, {2026, 12, 31}},
             Case{{2026, 11, 30}, 1, M, false, false, {2026, 12, 31}},
             // 民法 142: a Sunday and the holidays of ゴールデンウィーク.
             Case{{2026, 4, 3}, 1, M, false, false, {2026, 5, 3}},
             Case{{2026, 4, 3}, 1, M, false, true, {2026, 5, 7}},
             // Across the year end: the closure days and 1月4日 a Monday.
             Case{{2026, 11, 29}, 1, M, false, true, {2027, 1, 4}},
             Case{{2026, 12, 1}, 30, D, true, true, {2027, 1, 4}},
             // A business day stays.
             Case{{2026, 4, 7}, 1, M, false, true, {2026, 5, 7}},
             Case{{2026, 6, 1}, 1, W, false, true, {2026, 6, 8}},
         }) {
        const PeriodEnd end = PeriodLastDay(c.start, c.count, c.unit, c.firstDay, c.nextBusinessDay);
        EXPECT_EQ(end.status, ShiftStatus::Ok);
        EXPECT_EQ(end.lastDay, c.want) << c.start.year << "-" << c.start.month << "-" << c.start.day << " " << c.count
                                       << PeriodUnitText(c.unit) << " " << c.firstDay << c.nextBusinessDay << " got "
                                       << end.lastDay.year << "-" << end.lastDay.month << "-" << end.lastDay.day;
        EXPECT_EQ(end.moved, !(end.lawLastDay == end.lastDay));
    }
    EXPECT_EQ(PeriodLastDay({INT32_MAX, 12, 31}, 1, PeriodUnit::Days, false, false).status,
              ShiftStatus::YearOutOfRange);
    EXPECT_EQ(PeriodLastDay({INT32_MAX, 1, 1}, 1, PeriodUnit::Years, true, false).status, ShiftStatus::YearOutOfRange);
}

TEST(PeriodsTest, UnitsAsTyped)
{
    for (const char* months : {"か月", "ヶ月", "カ月", "ケ月", "ヵ月", "箇月", "月", "months", "か月間"})
        EXPECT_EQ(ReadPeriodUnit(months), PeriodUnit::Months) << months;
    EXPECT_EQ(ReadPeriodUnit("2週間").has_value(), false);
    EXPECT_EQ(ReadPeriodUnit("週間"), PeriodUnit::Weeks);
    EXPECT_EQ(ReadPeriodUnit("日"), PeriodUnit::Days);
    EXPECT_EQ(ReadPeriodUnit("years"), PeriodUnit::Years);
    EXPECT_FALSE(ReadPeriodUnit("間").has_value());
    EXPECT_FALSE(ReadPeriodUnit("").has_value());
    EXPECT_FALSE(ReadPeriodUnit("時間").has_value());
}

TEST(AgesTest, FullAgeRisesAtTheEndOfTheDayBeforeTheBirthday)
{
    struct Case {
        Date birth, day;
        std::int64_t full, counted;
    };
    for (const Case& c : {
             Case{{2000, 2, 29}, {2000, 2, 29}, 0, 1},
             Case{{2000, 2, 29}, {2001, 2, 28}, 0, 2},
             Case{{2000, 2, 29}, {2001, 3, 1}, 1, 2},
             Case{{2000, 2, 29}, {2004, 2, 28}, 3, 5},
             Case{{2000, 2, 29}, {2004, 2, 29}, 4, 5},
             Case{{2000, 4, 1}, {2006, 3, 31}, 5, 7},
             Case{{2000, 4, 1}, {2006, 4, 1}, 6, 7},
             Case{{2000, 4, 2}, {2006, 4, 1}, 5, 7},
             Case{{2000, 4, 2}, {2006, 4, 2}, 6, 7},
             // 数え年 across 1月1日.
             Case{{2000, 12, 31}, {2000, 12, 31}, 0, 1},
             Case{{2000, 12, 31}, {2001, 1, 1}, 0, 2},
             Case{{2001, 1, 1}, {2001, 12, 31}, 0, 1},
             Case{{2001, 1, 1}, {2002, 1, 1}, 1, 2},
         }) {
        EXPECT_EQ(FullAge(c.birth, c.day), c.full) << c.birth.year << "-" << c.birth.month << "-" << c.birth.day
                                                   << " on " << c.day.year << "-" << c.day.month << "-" << c.day.day;
        EXPECT_EQ(CountedAge(c.birth, c.day), c.counted);
    }
}

TEST(AgesTest, TimeLivedAndTheNextBirthday)
{
    struct Case {
        Date birth, day;
        YearsMonthsDays lived;
        Date next;
        std::int64_t daysLeft;
    };
    for (const Case& c : {
             // The law's month: born on the 31st, a month is full on 3月1日.
             Case{{2000, 1, 31}, {2000, 2, 29}, {0, 0, 29}, {2001, 1, 31}, 337},
             Case{{2000, 1, 31}, {2000, 3, 1}, {0, 1, 0}, {2001, 1, 31}, 336},
             Case{{2000, 2, 29}, {2001, 2, 28}, {0, 11, 30}, {2001, 3, 1}, 1},
             Case{{2000, 2, 29}, {2001, 3, 1}, {1, 0, 0}, {2002, 3, 1}, 365},
             Case{{2000, 2, 29}, {2003, 3, 1}, {3, 0, 0}, {2004, 2, 29}, 365},
             Case{{2001, 2, 1}, {2026, 5, 5}, {25, 3, 4}, {2027, 2, 1}, 272},
             Case{{2000, 4, 1}, {2000, 4, 1}, {0, 0, 0}, {2001, 4, 1}, 365},
         }) {
        EXPECT_EQ(TimeSinceBirth(c.birth, c.day), c.lived) << c.day.year << "-" << c.day.month << "-" << c.day.day;
        const NextBirthday next = NextBirthdayAfter(c.birth, c.day);
        EXPECT_TRUE(next.ok);
        EXPECT_EQ(next.date, c.next);
        EXPECT_EQ(next.daysLeft, c.daysLeft);
    }
    EXPECT_FALSE(NextBirthdayAfter({INT32_MAX, 1, 1}, {INT32_MAX, 6, 1}).ok);
}

TEST(AgesTest, SchoolYearsTurnOnTheFirstOfApril)
{
    struct Case {
        Date birth;
        std::int64_t first;
    };
    for (const Case& c : {Case{{2000, 4, 1}, 2006}, Case{{2000, 4, 2}, 2007}, Case{{2000, 1, 1}, 2006},
                          Case{{2000, 2, 29}, 2006}, Case{{2000, 3, 31}, 2006}, Case{{2000, 12, 31}, 2007}}) {
        EXPECT_EQ(FirstSchoolYear(c.birth), c.first) << c.birth.month << "-" << c.birth.day;
    }
    const auto steps = SchoolSteps({2000, 4, 2});
    EXPECT_EQ(steps[0].name, "小学校入学");
    EXPECT_EQ(steps[1].year, 2013);
    EXPECT_EQ(steps[1].month, 3);
    EXPECT_EQ(steps[5].name, "高等学校卒業");
    EXPECT_EQ(steps[5].year, 2019);
    EXPECT_EQ(steps[7].name, "大学卒業");
    EXPECT_EQ(steps[7].year, 2023);
}

TEST(AgesTest, LongevityAndUnluckyYears)
{
    const auto longevity = LongevityYears(2000);
    ASSERT_EQ(longevity.size(), 11u);
    EXPECT_EQ(longevity[0].name, "還暦");
    EXPECT_EQ(longevity[0].byFullAge, 2060);
    EXPECT_EQ(longevity[0].byCountedAge, 2060);
    EXPECT_EQ(longevity[1].name, "古希");
    EXPECT_EQ(longevity[1].age, 70);
    EXPECT_EQ(longevity[1].byFullAge, 2070);
    EXPECT_EQ(longevity[1].byCountedAge, 2069);
    EXPECT_EQ(longevity[10].name, "大還暦");
    EXPECT_EQ(longevity[10].byCountedAge, 2120);

    const auto men = UnluckyYears(1983, Sex::Male);
    ASSERT_EQ(men.size(), 9u);
    EXPECT_EQ(men[3].year, 2023);
    EXPECT_EQ(men[3].countedAge, 41);
    EXPECT_EQ(men[3].label, "前厄");
    EXPECT_EQ(men[4].year, 2024);
    EXPECT_EQ(men[4].label, "本厄（大厄）");
    EXPECT_EQ(men[5].label, "後厄");
    const auto women = UnluckyYears(1990, Sex::Female);
    ASSERT_EQ(women.size(), 12u);
    EXPECT_EQ(women[0].year, 2007);
    EXPECT_EQ(women[0].countedAge, 18);
    EXPECT_EQ(women[7].label, "本厄");
    EXPECT_EQ(women[7].countedAge, 37);
    EXPECT_EQ(women[11].year, 2051);
}

}  // namespace
}  // namespace vadelon
