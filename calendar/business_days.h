#pragma once
// Business days (営業日): days that are no Saturday, no Sunday, no national
// holiday and, on request, none of the year-end closure of public offices
// (29 December to 3 January). Holidays exist from 1948-07-20 to 9999; before
// and after, only weekends and the closure are days off. Every count and
// shift takes the same few microseconds whatever the span.
#include "calendar/day_arithmetic.h"

#include <cstdint>

namespace vadelon {

// For a real date (a month outside 1 to 12 or a day outside the month is no
// business day).
bool IsBusinessDay(std::int32_t year, std::int32_t month, std::int32_t day, bool yearEndClosure);

// The business days after the first date up to and including the second, for
// exactly the pairs DaysBetween takes and with its order check; odd months
// and days count as they count there (so the result can be negative).
DayCount BusinessDaysBetween(std::int32_t year1, std::int32_t month1, std::int32_t day1, std::int32_t year2,
                             std::int32_t month2, std::int32_t day2, bool yearEndClosure);

// Moves the date to the count-th business day after it (before it when the
// count is negative; for 0 the date itself, normalised). Odd days are offsets
// within the month as for ShiftDate; a month outside 1 to 12 and a result
// beyond the 32-bit years are refused and leave the date as it was.
ShiftStatus ShiftBusinessDays(std::int32_t& year, std::int32_t& month, std::int32_t& day, std::int32_t count,
                              bool yearEndClosure);

}  // namespace vadelon
