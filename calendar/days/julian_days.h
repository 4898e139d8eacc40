#pragma once
// Julian day numbers (the integer JD of a civil day: 2451545 is 2000-01-01)
// and the two calendars Western dates are written in. The program's own
// dates are proleptic Gregorian; history writes the days before 1582-10-15
// in the Julian calendar.
#include "calendar/days/civil_days.h"
#include "calendar/days/date.h"
#include "calendar/days/day_arithmetic.h"

#include <cstdint>

namespace vadelon {

// Day number 0 of the arithmetic, 1970-01-01.
constexpr std::int64_t kJdnOf1970 = 2440588;
// 1582-10-15, the first Gregorian day; the day before it is Julian 1582-10-04.
constexpr std::int64_t kFirstGregorianJdn = 2299161;

// Of a real Gregorian date.
inline std::int64_t JdnOfGregorian(const Date& date)
{
    return DayNumber(date) + kJdnOf1970;
}

inline Date GregorianOfJdn(std::int64_t jdn)
{
    const CivilDate civil = CivilFromDays(jdn - kJdnOf1970);
    return {static_cast<std::int32_t>(civil.year), civil.month, civil.day};
}

inline bool IsJulianLeapYear(std::int32_t year)
{
    return year % 4 == 0;
}

inline std::int32_t DaysInJulianMonth(std::int32_t year, std::int32_t month)
{
    static constexpr std::int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsJulianLeapYear(year) ? 29 : kDays[month - 1];
}

// Of a real Julian-calendar date of a year from 1 on.
inline std::int64_t JdnOfJulian(const Date& date)
{
    // Counted from March, so that the leap day ends the counted year.
    const std::int64_t a = date.month <= 2 ? 1 : 0;
    const std::int64_t y = std::int64_t{date.year} + 4800 - a;
    const std::int64_t m = date.month + 12 * a - 3;
    return date.day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

// For a day number from the Julian year 1 on.
inline Date JulianOfJdn(std::int64_t jdn)
{
    const std::int64_t c = jdn + 32082;
    const std::int64_t d = (4 * c + 3) / 1461;
    const std::int64_t e = c - 1461 * d / 4;
    const std::int64_t m = (5 * e + 2) / 153;
    const auto day = static_cast<std::int32_t>(e - (153 * m + 2) / 5 + 1);
    const auto month = static_cast<std::int32_t>(m + 3 - 12 * (m / 10));
    return {static_cast<std::int32_t>(d - 4800 + m / 10), month, day};
}

// The date as history writes the day: Julian before 1582-10-15.
inline bool IsWrittenJulian(std::int64_t jdn)
{
    return jdn < kFirstGregorianJdn;
}
inline Date HistoricalDateOfJdn(std::int64_t jdn)
{
    return IsWrittenJulian(jdn) ? JulianOfJdn(jdn) : GregorianOfJdn(jdn);
}

}  // namespace vadelon
