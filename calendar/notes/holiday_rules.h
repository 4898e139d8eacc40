#pragma once
// The holiday law as rules over the days of one year. A year's holidays
// depend on the law of that year and on the year's shape alone: the weekday
// of 1 January, whether it is a leap year, and its two equinox days. From
// kFirstYearOfTodaysLaw on the law no longer changes, so years of one shape
// have the same holidays (the business-day count relies on it).
#include <array>
#include <cstdint>
#include <string_view>

namespace vadelon::holiday_detail {

struct YearShape {
    std::int32_t year = 0;  // whose law applies
    int firstWeekday = 0;   // of 1 January: 0 Monday ... 6 Sunday
    bool leap = false;
    int marchEquinox = 0, septemberEquinox = 0;  // days of the month
};

struct DayHoliday {
    int dayOfYear = 0;  // 0 = 1 January
    std::string_view name;
};

struct YearHolidays {
    // Some 16 holidays a year, each at most one substitute or day between.
    static constexpr int kCapacity = 48;
    std::array<DayHoliday, kCapacity> days{};
    int count = 0;  // in date order
};

// The first year after the last one with a rule or an exception of its own.
extern const std::int32_t kFirstYearOfTodaysLaw;

// For a year from kFirstHolidayYear to kLastHolidayYear.
YearShape ShapeOfYear(std::int32_t year);
YearHolidays HolidaysOfShape(const YearShape& shape);

// Month 1 to 12, day 1 to the month's length.
int DayOfYear(bool leap, int month, int day);
// Monday 0 ... Sunday 6 of a day number of civil_days (1970-01-01, a Thursday, is 0).
int WeekdayOfDayNumber(std::int64_t dayNumber);

}  // namespace vadelon::holiday_detail
