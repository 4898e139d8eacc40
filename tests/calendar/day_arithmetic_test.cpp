#include "calendar/day_arithmetic.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vadelon {
namespace {

struct MonthCase {
    std::int32_t year, month, days;
};
class DaysInMonthTest : public ::testing::TestWithParam<MonthCase> {};
TEST_P(DaysInMonthTest, Length) {
    EXPECT_EQ(DaysInMonth(GetParam().year, GetParam().month), GetParam().days);
}
INSTANTIATE_TEST_SUITE_P(
    Lengths, DaysInMonthTest,
    ::testing::Values(MonthCase{2000, 2, 29}, MonthCase{1900, 2, 28}, MonthCase{2004, 2, 29},
                      MonthCase{0, 2, 29}, MonthCase{-4, 2, 29}, MonthCase{-1, 2, 28},
                      MonthCase{-100, 2, 28}, MonthCase{-400, 2, 29}, MonthCase{2001, 2, 28},
                      MonthCase{2000, 1, 31}, MonthCase{2000, 4, 30}, MonthCase{2000, 7, 31},
                      MonthCase{2000, 8, 31}, MonthCase{2000, 9, 30}, MonthCase{2000, 11, 30},
                      MonthCase{2000, 12, 31}, MonthCase{2000, 0, 0}, MonthCase{2000, 13, 0},
                      MonthCase{2000, -1, 0}, MonthCase{2000, INT32_MIN, 0},
                      MonthCase{2000, INT32_MAX, 0}, MonthCase{INT32_MIN, 2, 29},
                      MonthCase{INT32_MAX, 2, 28}));

TEST(DaysInYearTest, LeapRuleForEverySign) {
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
    std::int32_t y1, m1, d1, y2, m2, d2;
    std::int64_t days;
};
class DaysBetweenTest : public ::testing::TestWithParam<SpanCase> {};
TEST_P(DaysBetweenTest, Counts) {
    const SpanCase& c = GetParam();
    const DayCount n = DaysBetween(c.y1, c.m1, c.d1, c.y2, c.m2, c.d2);
    EXPECT_TRUE(n.inOrder);
    EXPECT_EQ(n.days, c.days);
}
INSTANTIATE_TEST_SUITE_P(
    Spans, DaysBetweenTest,
    ::testing::Values(
        SpanCase{2000, 1, 1, 2000, 1, 2, 1}, SpanCase{1999, 12, 31, 2000, 1, 1, 1},
        SpanCase{2000, 2, 28, 2000, 3, 1, 2}, SpanCase{1900, 2, 28, 1900, 3, 1, 1},
        SpanCase{1582, 10, 15, 2000, 1, 1, 152384}, SpanCase{1582, 10, 4, 1582, 10, 15, 11},
        SpanCase{1, 1, 1, 27379, 1, 1, 9999609}, SpanCase{-1, 12, 31, 0, 1, 1, 1},
        SpanCase{0, 1, 1, 1, 1, 1, 366}, SpanCase{-400, 1, 1, 0, 1, 1, 146097},
        // An out-of-range month has no days; a day is an offset in its month.
        SpanCase{2000, 13, 5, 2001, 1, 1, -4}, SpanCase{2000, 0, 1, 2000, 1, 1, 0},
        SpanCase{2000, 1, 32, 2000, 2, 5, 4}, SpanCase{2000, 1, 0, 2000, 1, 1, 1},
        SpanCase{2000, 2, 10, 2000, 14, 0, 325}, SpanCase{2000, -3, 5, 2000, 2, 1, 27},
        SpanCase{2000, 1, -5, 2000, 1, 5, 10},
        // Far beyond 32 bits: the exact count, never wrapped.
        SpanCase{INT32_MIN, 1, 1, INT32_MAX, 12, 31, 1568704592609},
        SpanCase{0, 1, 1, 4000000000 / 2, 1, 1, 730485000000}));

TEST(DaysBetweenTest, EqualOrReversedDatesAreOutOfOrder) {
    for (const auto& [a, b] : {std::pair{std::tuple{2000, 1, 1}, std::tuple{2000, 1, 1}},
                               std::pair{std::tuple{2000, 1, 2}, std::tuple{2000, 1, 1}},
                               std::pair{std::tuple{2001, 1, 1}, std::tuple{2000, 12, 31}},
                               std::pair{std::tuple{2000, 2, 1}, std::tuple{2000, 1, 31}},
                               // Raw fields decide, not the dates they stand for.
                               std::pair{std::tuple{2000, 1, 40}, std::tuple{2000, 1, 35}}}) {
        const DayCount n = DaysBetween(std::get<0>(a), std::get<1>(a), std::get<2>(a),
                                       std::get<0>(b), std::get<1>(b), std::get<2>(b));
        EXPECT_FALSE(n.inOrder);
        EXPECT_EQ(n.days, 0);
    }
    EXPECT_EQ(OrderMessage(), "日付の前後関係を確認して下さい。");
}

TEST(DaysBetweenTest, FieldOrderNotDateOrder) {
    // 2000-01-40 lies after 2000-02-05 as a date but before it field by field.
    const DayCount n = DaysBetween(2000, 1, 40, 2000, 2, 5);
    EXPECT_TRUE(n.inOrder);
    EXPECT_EQ(n.days, -4);
}

TEST(DayNumberTest, EpochAndDifferences) {
    EXPECT_EQ(DayNumber(1970, 1, 1), 0);
    EXPECT_EQ(DayNumber(1970, 1, 2), 1);
    EXPECT_EQ(DayNumber(1969, 12, 31), -1);
    EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2);
}

struct ShiftCase {
    std::int32_t y, m, d, count, ey, em, ed;
};
class ShiftDateTest : public ::testing::TestWithParam<ShiftCase> {};
TEST_P(ShiftDateTest, Moves) {
    const ShiftCase& c = GetParam();
    std::int32_t y = c.y, m = c.m, d = c.d;
    ASSERT_EQ(ShiftDate(y, m, d, c.count), ShiftStatus::Ok);
    EXPECT_EQ(std::tie(y, m, d), std::tie(c.ey, c.em, c.ed));
}
INSTANTIATE_TEST_SUITE_P(
    Shifts, ShiftDateTest,
    ::testing::Values(ShiftCase{1999, 12, 31, 1, 2000, 1, 1}, ShiftCase{2000, 1, 1, -1, 1999, 12, 31},
                      ShiftCase{2000, 3, 1, -1, 2000, 2, 29}, ShiftCase{1, 1, 1, -1, 0, 12, 31},
                      ShiftCase{2000, 1, 1, 10000000, 29379, 1, 26},
                      ShiftCase{2000, 1, 1, -10000000, -25380, 12, 6},
                      ShiftCase{2000, 2, 31, 0, 2000, 3, 2}, ShiftCase{2000, 3, 0, 0, 2000, 2, 29},
                      ShiftCase{1999, 12, 31, -1, 1999, 12, 30},
                      ShiftCase{2000, 1, INT32_MAX, INT32_MAX, 11761221, 1, 17},
                      ShiftCase{2000, 1, INT32_MIN, INT32_MIN, -11757222, 12, 11},
                      ShiftCase{2000, 1, 1, INT32_MAX, 5881610, 7, 11},
                      ShiftCase{1970, 1, 1, INT32_MIN, -5877641, 6, 23},
                      ShiftCase{INT32_MAX, 12, 31, 0, INT32_MAX, 12, 31},
                      ShiftCase{INT32_MIN, 1, 1, 0, INT32_MIN, 1, 1}));

TEST(ShiftDateTest, MonthOutsideTheYearIsRefused) {
    for (std::int32_t month : {0, 13, -1, INT32_MIN, INT32_MAX}) {
        std::int32_t y = 2000, m = month, d = 5;
        EXPECT_EQ(ShiftDate(y, m, d, 1), ShiftStatus::MonthOutOfRange) << month;
        EXPECT_EQ(std::tie(y, m, d), std::make_tuple(2000, month, 5));
    }
}

TEST(ShiftDateTest, YearBeyondRangeIsRefusedAndLeavesTheDate) {
    std::int32_t y = INT32_MAX, m = 12, d = 31;
    EXPECT_EQ(ShiftDate(y, m, d, 1), ShiftStatus::YearOutOfRange);
    EXPECT_EQ(std::tie(y, m, d), std::make_tuple(INT32_MAX, 12, 31));
    y = INT32_MIN, m = 1, d = 1;
    EXPECT_EQ(ShiftDate(y, m, d, -1), ShiftStatus::YearOutOfRange);
    EXPECT_EQ(std::tie(y, m, d), std::make_tuple(INT32_MIN, 1, 1));
}

struct WeekdayCase {
    std::int32_t y, m, d;
    const char* label;
};
class WeekdayLabelTest : public ::testing::TestWithParam<WeekdayCase> {};
TEST_P(WeekdayLabelTest, Label) {
    EXPECT_EQ(WeekdayLabel(GetParam().y, GetParam().m, GetParam().d), GetParam().label);
}
INSTANTIATE_TEST_SUITE_P(
    Labels, WeekdayLabelTest,
    ::testing::Values(WeekdayCase{1582, 10, 15, "（金曜日）"}, WeekdayCase{1582, 10, 14, "（　曜日）"},
                      WeekdayCase{2000, 1, 1, "（土曜日）"}, WeekdayCase{1873, 1, 1, "（水曜日）"},
                      WeekdayCase{1582, 10, 16, "（土曜日）"}, WeekdayCase{1582, 10, 17, "（日曜日）"},
                      WeekdayCase{1582, 10, 18, "（月曜日）"}, WeekdayCase{1582, 10, 19, "（火曜日）"},
                      WeekdayCase{1582, 10, 20, "（水曜日）"}, WeekdayCase{1582, 10, 21, "（木曜日）"},
                      WeekdayCase{2026, 12, 7, "（月曜日）"}, WeekdayCase{1582, 9, 30, "（　曜日）"},
                      WeekdayCase{1581, 12, 31, "（　曜日）"}, WeekdayCase{-5, 1, 1, "（　曜日）"},
                      // Field order passes, the count is negative: no label at all.
                      // (17 days from 10-14 to the end of October, then the offset.)
                      WeekdayCase{1582, 11, -20, ""}, WeekdayCase{1582, 11, -24, "（木曜日）"},
                      WeekdayCase{1582, 11, -17, "（木曜日）"}, WeekdayCase{1582, 11, -16, "（金曜日）"},
                      WeekdayCase{1582, 12, -50, ""}));

TEST(WeekdayLabelTest, BlankLabel) { EXPECT_EQ(BlankWeekdayLabel(), "（　曜日）"); }

}  // namespace
}  // namespace vadelon
