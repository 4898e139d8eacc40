#pragma once
// Dates as the month calendar handles them: real (proleptic) Gregorian dates
// from 445-01-01 (the year the old calendar's table begins) to 9999-12-31,
// their day numbers and weekdays.
#include "calendar/days/civil_days.h"
#include "calendar/days/day_arithmetic.h"

#include <cstdint>

namespace vadelon {

constexpr Date kFirstShownDate{445, 1, 1};
constexpr Date kLastShownDate{9999, 12, 31};

inline bool IsShownDate(const Date& date)
{
    return date >= kFirstShownDate && date <= kLastShownDate && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

// Day numbers of shown dates and of the weeks around them: the years stay
// far inside 32 bits.
inline Date DateOfDayNumber(std::int64_t dayNumber)
{
    const CivilDate civil = CivilFromDays(dayNumber);
    return {static_cast<std::int32_t>(civil.year), civil.month, civil.day};
}

// 0 for Sunday to 6 for Saturday; 1970-01-01, day 0, was a Thursday.
inline int WeekdayOf(const Date& date)
{
    const std::int64_t remainder = (DayNumber(date) + 4) % 7;
    return static_cast<int>(remainder < 0 ? remainder + 7 : remainder);
}

}  // namespace vadelon
