#pragma once
// Business days (営業日): days that are no Saturday, no Sunday, no national
// holiday and, on request, none of the year-end closure of public offices
// (29 December to 3 January). Holidays exist from 1948-07-20 to 9999; before
// and after, only weekends and the closure are days off. Every count and
// shift takes the same few microseconds whatever the span.
#include "calendar/days/day_arithmetic.h"

#include <cstdint>

namespace vadelon {

// The business days after the first date up to and including the second, for
// exactly the pairs DaysBetween takes and with its order check; odd months
// and days count as they count there (so the result can be negative).
DayCount BusinessDaysBetween(const Date& from, const Date& to, bool yearEndClosure);

// The count-th business day after the date (before it when the count is
// negative; for 0 the date itself, normalised). Odd days are offsets within
// the month as for ShiftDate; a month outside 1 to 12 and a result beyond the
// 32-bit years are refused.
ShiftedDate ShiftBusinessDays(const Date& date, std::int32_t count, bool yearEndClosure);

}  // namespace vadelon
