// The constant-time core against the literal walks, on random inputs that the
// walks finish quickly: years near 0, near 1582, in the era table, and at both
// ends of the 32-bit range; months and days inside and outside their ranges.
#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/era.h"
#include "calendar/rules/calculation_rules.h"

#include "reference_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vadelon {
namespace {

#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
constexpr int kRounds = 250'000;  // sanitizer and debug builds are many times slower
#else
constexpr int kRounds = 1'000'000;
#endif

class Inputs {
public:
    explicit Inputs(std::uint64_t seed)
        : engine_(seed)
    { }

    std::int64_t Between(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    static std::int32_t Clamp(std::int64_t v)
    {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    }

    std::int32_t Year()
    {
        switch (Between(0, 5)) {
        case 0: return Clamp(Between(-60, 60));
        case 1: return Clamp(Between(1500, 1700));
        case 2: return Clamp(Between(1380, 2130));
        case 3: return Clamp(Between(INT32_MIN, std::int64_t{INT32_MIN} + 200));
        case 4: return Clamp(Between(std::int64_t{INT32_MAX} - 200, INT32_MAX));
        default: return Clamp(Between(INT32_MIN, INT32_MAX));
        }
    }
    std::int32_t Month()
    {
        if (Chance(75))
            return Clamp(Between(1, 12));
        return Clamp(Between(-20, 30));
    }
    std::int32_t Day()
    {
        const int pick = static_cast<int>(Between(1, 100));
        if (pick <= 70)
            return Clamp(Between(1, 31));
        if (pick <= 92)
            return Clamp(Between(-45, 75));
        return Clamp(Between(INT32_MIN, INT32_MAX));  // an offset costs the day sum nothing
    }

private:
    std::mt19937_64 engine_;
};

TEST(DifferentialTest, DaysBetweenMatchesTheYearWalk)
{
    Inputs in(20261207);
    for (int i = 0; i < kRounds; ++i) {
        const std::int32_t y1 = in.Year();
        std::int64_t span = in.Chance(40) ? 0 : in.Between(-3, 40);
        if (i % 2000 == 0)
            span = in.Between(0, 20000);
        const std::int32_t y2 = Inputs::Clamp(y1 + span);
        const std::int32_t m1 = in.Month(), d1 = in.Day();
        std::int32_t m2 = in.Chance(30) ? m1 : in.Month();
        const std::int32_t d2 = in.Day();
        const auto expected = reference::DaysBetween(y1, m1, d1, y2, m2, d2);
        const DayCount actual = DaysBetween({y1, m1, d1}, {y2, m2, d2});
        ASSERT_EQ(actual.inOrder, expected.has_value())
            << y1 << "-" << m1 << "-" << d1 << " " << y2 << "-" << m2 << "-" << d2;
        ASSERT_EQ(actual.days, expected.value_or(0))
            << y1 << "-" << m1 << "-" << d1 << " " << y2 << "-" << m2 << "-" << d2;
        if (actual.inOrder) {
            ASSERT_EQ(actual.days, DayNumber({y2, m2, d2}) - DayNumber({y1, m1, d1}));
        }
    }
}

TEST(DifferentialTest, ShiftDateMatchesTheCarryLoops)
{
    Inputs in(7);
    for (int i = 0; i < kRounds; ++i) {
        const std::int32_t y = in.Year();
        const std::int32_t m = in.Chance(92) ? Inputs::Clamp(in.Between(1, 12)) : in.Month();
        std::int32_t d;
        std::int32_t count;
        const int pick = static_cast<int>(in.Between(1, 1000));
        if (pick <= 600) {
            d = Inputs::Clamp(in.Between(1, 31));
            count = Inputs::Clamp(in.Between(-100, 100));
        } else if (pick <= 900) {
            d = Inputs::Clamp(in.Between(-60, 90));
            count = Inputs::Clamp(in.Between(-5000, 5000));
        } else if (pick <= 990) {
            // Day and count near opposite ends of the range: their 32-bit
            // sum would overflow on the way, the result lies close by.
            const bool high = in.Chance(50);
            d = Inputs::Clamp(high ? std::int64_t{INT32_MAX} - in.Between(0, 3000)
                                   : std::int64_t{INT32_MIN} + in.Between(0, 3000));
            count = Inputs::Clamp(high ? std::int64_t{INT32_MIN} + in.Between(0, 6000)
                                       : std::int64_t{INT32_MAX} - in.Between(0, 6000));
        } else {
            d = Inputs::Clamp(in.Between(1, 31));
            count = Inputs::Clamp(in.Between(-2'000'000, 2'000'000));
        }
        const ShiftedDate shifted = ShiftDate({y, m, d}, count);
        if (m < 1 || m > 12) {
            ASSERT_EQ(shifted.status, ShiftStatus::MonthOutOfRange);
            continue;
        }
        const reference::WalkedDate walked = reference::ShiftDate(y, m, d, count);
        if (walked.year < INT32_MIN || walked.year > INT32_MAX) {
            ASSERT_EQ(shifted.status, ShiftStatus::YearOutOfRange) << y << "-" << m << "-" << d << " " << count;
            continue;
        }
        ASSERT_EQ(shifted.status, ShiftStatus::Ok) << y << "-" << m << "-" << d << " " << count;
        ASSERT_EQ(shifted.date.year, walked.year) << y << "-" << m << "-" << d << " " << count;
        ASSERT_EQ(shifted.date.month, walked.month) << y << "-" << m << "-" << d << " " << count;
        ASSERT_EQ(shifted.date.day, walked.day) << y << "-" << m << "-" << d << " " << count;
    }
}

TEST(DifferentialTest, WeekdayLabelMatchesTheWalk)
{
    Inputs in(1582);
    for (int i = 0; i < kRounds; ++i) {
        std::int32_t y;
        const int pick = static_cast<int>(in.Between(1, 100));
        if (pick <= 50) {
            y = 1582;
        } else if (pick <= 90) {
            y = Inputs::Clamp(in.Between(1570, 1700));
        } else if (pick <= 99) {
            y = Inputs::Clamp(in.Between(1700, 2400));
        } else {
            y = in.Year() < 0 ? Inputs::Clamp(in.Between(INT32_MIN, 1582)) : Inputs::Clamp(in.Between(1582, 12000));
        }
        const std::int32_t m = in.Chance(50) ? Inputs::Clamp(in.Between(9, 13)) : in.Month();
        const std::int32_t d = in.Chance(10) ? in.Day() : Inputs::Clamp(in.Between(-60, 60));
        ASSERT_EQ(WeekdayLabel({y, m, d}), reference::WeekdayLabel(y, m, d)) << y << "-" << m << "-" << d;
    }
}

TEST(DifferentialTest, EraTextMatchesTheRowVisit)
{
    Inputs in(1989);
    const auto table = EraTable();
    for (int i = 0; i < kRounds; ++i) {
        std::int32_t y;
        if (in.Chance(40)) {
            // A year of change, so the month and day decide.
            y = table[static_cast<std::size_t>(in.Between(1, static_cast<std::int64_t>(table.size()) - 1))]
                    .startYearValue;
        } else if (in.Chance(90)) {
            y = Inputs::Clamp(in.Between(-5, 2200));
        } else {
            y = in.Year();
        }
        const std::int32_t m = in.Chance(20) ? 0 : Inputs::Clamp(in.Between(-2, 14));
        const std::int32_t d = in.Chance(20) ? 0 : Inputs::Clamp(in.Between(-2, 33));
        const reference::EraResult expected = reference::EraTextForYear(y, m, d);
        const EraLookup lookup = LookUpEra(y, m, d);
        ASSERT_EQ(lookup.question.has_value(), expected.asked) << y << "-" << m << "-" << d;
        if (!expected.asked) {
            ASSERT_EQ(lookup.settled, (EraText{expected.name, expected.year})) << y << "-" << m << "-" << d;
            continue;
        }
        const EraQuestion& q = *lookup.question;
        ASSERT_EQ(q.earlier, (EraText{expected.earlierName, expected.earlierYear})) << y;
        ASSERT_EQ(q.later, (EraText{expected.laterName, expected.laterYear})) << y;
        ASSERT_EQ(q.earlierName, expected.earlierName);
        ASSERT_EQ(q.laterName, expected.laterName);
        ASSERT_EQ(q.startYear, expected.startYear);
        ASSERT_EQ(q.startMonth, expected.startMonth);
        ASSERT_EQ(q.startDay, expected.startDay);
    }
}

TEST(DifferentialTest, AlmanacMatchesTheLiteralSteps)
{
    Inputs in(2451545);
    for (int i = 0; i < kRounds / 4; ++i) {
        const std::int32_t y = Inputs::Clamp(in.Chance(30) ? in.Between(1582, 1584) : in.Between(1582, 2100));
        const std::int32_t m = in.Chance(80) ? Inputs::Clamp(in.Between(1, 12)) : Inputs::Clamp(in.Between(-25, 25));
        const std::int32_t d = in.Day();
        if (!AlmanacAcceptsDate({y, m, d}))
            continue;
        const reference::Almanac e = reference::ComputeAlmanac(y, m, d);
        const AlmanacValues a = ComputeAlmanac({y, m, d});
        const auto where = ::testing::Message() << y << "-" << m << "-" << d;
        ASSERT_EQ(a.julianDay, e.julianDay) << where;
        ASSERT_EQ(a.adopted, e.adopted) << where;
        ASSERT_EQ(a.dayStem + a.dayBranch, e.dayStem + e.dayBranch) << where;
        ASSERT_EQ(a.yearStem + a.yearBranch + a.yearStar, e.yearStem + e.yearBranch + e.yearStar) << where;
        ASSERT_EQ(a.prevYearStem + a.prevYearBranch + a.prevYearStar,
                  e.prevYearStem + e.prevYearBranch + e.prevYearStar)
            << where;
        ASSERT_EQ(a.monthStem, e.monthStem) << where;
        ASSERT_EQ(a.monthBranch, e.monthBranch) << where;
        ASSERT_EQ(a.prevMonthStem, e.prevMonthStem) << where;
        ASSERT_EQ(a.prevMonthBranch, e.prevMonthBranch) << where;
        ASSERT_EQ(a.solarTerm, e.solarTerm) << where;
    }
}

}  // namespace
}  // namespace vadelon
