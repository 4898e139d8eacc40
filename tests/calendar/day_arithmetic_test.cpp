#include "calendar/days/day_arithmetic.h"

#include <gtest/gtest.h>

namespace vadelon {
namespace {

struct MonthCase {
    std::int32_t year, month, days;
};
class DaysInMonthTest : public ::testing::TestWithParam<MonthCase> { };
TEST_P(DaysInMonthTest, Length)
{
    EXPECT_EQ(DaysInMonth(GetParam().year, GetParam().month), GetParam().days);
}
INSTANTIATE_TEST_SUITE_P(Lengths, DaysInMonthTest,
                         ::testing::Values(MonthCase{2000, 2, 29}, MonthCase{1900, 2, 28}, MonthCase{2004, 2, 29},
                                           MonthCase{0, 2, 29}, MonthCase{-4, 2, 29}, MonthCase{-1, 2, 28},
                                           MonthCase{-100, 2, 28}, MonthCase{-400, 2, 29}, MonthCase{2001, 2, 28},
                                           MonthCase{2000, 1, 31}, MonthCase{2000, 4, 30}, MonthCase{2000, 7, 31},
                                           MonthCase{2000, 8, 31}, MonthCase{2000, 9, 30}, MonthCase{2000, 11, 30},
                                           MonthCase{2000, 12, 31}, MonthCase{2000, 0, 0}, MonthCase{2000, 13, 0},
                                           MonthCase{2000, -1, 0}, MonthCase{2000, INT32_MIN, 0},
                                           MonthCase{2000, INT32_MAX, 0}, MonthCase{INT32_MIN, 2, 29},
                                           MonthCase{INT32_MAX, 2, 28}));

TEST(DaysInYearTest, LeapRuleForEverySign)
{
    EXPECT_EQ(DaysInYear(0), 366);
    EXPECT_EQ(DaysInYear(-100), 365);
    EXPECT_EQ(DaysInYear(-400), 366);
    EXPECT_EQ(DaysInYear(1900), 365);
    EXPECT_EQ(DaysInYear(2000), 366);
    EXPECT_EQ(DaysInYear(2023), 365);
    EXPECT_EQ(DaysInYear(-1), 365);
    EXPECT_EQ(DaysInYear(-4), 366);
}

struct SpanCase {
    Date from, to;
    std::int64_t days;
};
class DaysBetweenTest : public ::testing::TestWithParam<SpanCase> { };
TEST_P(DaysBetweenTest, Counts)
{
    const SpanCase& c = GetParam();
    const DayCount n = DaysBetween(c.from, c.to);
    EXPECT_TRUE(n.inOrder);
    EXPECT_EQ(n.days, c.days);
}
INSTANTIATE_TEST_SUITE_P(
    Spans, DaysBetweenTest,
    ::testing::Values(SpanCase{{2000, 1, 1}, {2000, 1, 2}, 1}, SpanCase{{1999, 12, 31}, {2000, 1, 1}, 1},
                      SpanCase{{2000, 2, 28}, {2000, 3, 1}, 2}, SpanCase{{1900, 2, 28}, {1900, 3, 1}, 1},
                      SpanCase{{1582, 10, 15}, {2000, 1, 1}, 152384}, SpanCase{{1582, 10, 4}, {1582, 10, 15}, 11},
                      SpanCase{{1, 1, 1}, {27379, 1, 1}, 9999609}, SpanCase{{-1, 12, 31}, {0, 1, 1}, 1},
                      SpanCase{{0, 1, 1}, {1, 1, 1}, 366}, SpanCase{{-400, 1, 1}, {0, 1, 1}, 146097},
                      // An out-of-range month has no days; a day is an offset in its month.
                      SpanCase{{2000, 13, 5}, {2001, 1, 1}, -4}, SpanCase{{2000, 0, 1}, {2000, 1, 1}, 0},
                      SpanCase{{2000, 1, 32}, {2000, 2, 5}, 4}, SpanCase{{2000, 1, 0}, {2000, 1, 1}, 1},
                      SpanCase{{2000, 2, 10}, {2000, 14, 0}, 325}, SpanCase{{2000, -3, 5}, {2000, 2, 1}, 27},
                      SpanCase{{2000, 1, -5}, {2000, 1, 5}, 10},
                      // Far beyond 32 bits: the exact count, never wrapped.
                      SpanCase{{INT32_MIN, 1, 1}, {INT32_MAX, 12, 31}, 1568704592609},
                      SpanCase{{0, 1, 1}, {4000000000 / 2, 1, 1}, 730485000000}));

TEST(DaysBetweenTest, EqualOrReversedDatesAreOutOfOrder)
{
    for (const auto& [a, b] :
         {std::pair<Date, Date>{{2000, 1, 1}, {2000, 1, 1}}, std::pair<Date, Date>{{2000, 1, 2}, {2000, 1, 1}},
          std::pair<Date, Date>{{2001, 1, 1}, {2000, 12, 31}}, std::pair<Date, Date>{{2000, 2, 1}, {2000, 1, 31}},
          // Raw fields decide, not the dates they stand for.
          std::pair<Date, Date>{{2000, 1, 40}, {2000, 1, 35}}}) {
        const DayCount n = DaysBetween(a, b);
        EXPECT_FALSE(n.inOrder);
        EXPECT_EQ(n.days, 0);
    }
}

TEST(DaysBetweenTest, FieldOrderNotDateOrder)
{
    // 2000-01-40 lies after 2000-02-05 as a date but before it field by field.
    const DayCount n = DaysBetween({2000, 1, 40}, {2000, 2, 5});
    EXPECT_TRUE(n.inOrder);
    EXPECT_EQ(n.days, -4);
}

TEST(DayNumberTest, EpochAndDifferences)
{
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(DayNumber({1970, 1, 2}), 1);
    EXPECT_EQ(DayNumber({1969, 12, 31}), -1);
    EXPECT_EQ(DayNumber({2000, 3, 1}) - DayNumber({2000, 2, 28}), 2);
}

struct ShiftCase {
    Date date;
    std::int32_t count;
    Date expected;
};
class ShiftDateTest : public ::testing::TestWithParam<ShiftCase> { };
TEST_P(ShiftDateTest, Moves)
{
    const ShiftCase& c = GetParam();
    const ShiftedDate shifted = ShiftDate(c.date, c.count);
    ASSERT_EQ(shifted.status, ShiftStatus::Ok);
    EXPECT_EQ(shifted.date, c.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Shifts, ShiftDateTest,
    ::testing::Values(
        ShiftCase{{1999, 12, 31}, 1, {2000, 1, 1}}, ShiftCase{{2000, 1, 1}, -1, {1999, 12, 31}},
        ShiftCase{{2000, 3, 1}, -1, {2000, 2, 29}}, ShiftCase{{1, 1, 1}, -1, {0, 12, 31}},
        ShiftCase{{2000, 1, 1}, 10000000, {29379, 1, 26}}, ShiftCase{{2000, 1, 1}, -10000000, {-25380, 12, 6}},
        ShiftCase{{2000, 2, 31}, 0, {2000, 3, 2}}, ShiftCase{{2000, 3, 0}, 0, {2000, 2, 29}},
        ShiftCase{{1999, 12, 31}, -1, {1999, 12, 30}}, ShiftCase{{2000, 1, INT32_MAX}, INT32_MAX, {11761221, 1, 17}},
        ShiftCase{{2000, 1, INT32_MIN}, INT32_MIN, {-11757222, 12, 11}},
        ShiftCase{{2000, 1, 1}, INT32_MAX, {5881610, 7, 11}}, ShiftCase{{1970, 1, 1}, INT32_MIN, {-5877641, 6, 23}},
        ShiftCase{{INT32_MAX, 12, 31}, 0, {INT32_MAX, 12, 31}}, ShiftCase{{INT32_MIN, 1, 1}, 0, {INT32_MIN, 1, 1}}));

TEST(ShiftDateTest, MonthOutsideTheYearIsRefused)
{
    for (std::int32_t month : {0, 13, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(ShiftDate({2000, month, 5}, 1).status, ShiftStatus::MonthOutOfRange) << month;
    }
}

TEST(ShiftDateTest, YearBeyondRangeIsRefused)
{
    EXPECT_EQ(ShiftDate({INT32_MAX, 12, 31}, 1).status, ShiftStatus::YearOutOfRange);
    EXPECT_EQ(ShiftDate({INT32_MIN, 1, 1}, -1).status, ShiftStatus::YearOutOfRange);
}

}  // namespace
}  // namespace vadelon
