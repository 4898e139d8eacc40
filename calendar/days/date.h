#pragma once
// A date as the year, month and day fields hold it.
#include <compare>
#include <cstdint>

namespace vadelon {

// Any three 32-bit integers, as typed: the day counts take every value, in the
// Gregorian calendar carried backwards without limit with a year 0 (a leap
// year), a month outside 1 to 12 as a month of 0 days and a day outside the
// month as an offset within it (day 0 is the day before the 1st). The shifts
// take any year and day but only a month of 1 to 12, and give a real date: a
// month of 1 to 12 and a day of 1 to the month's length.
struct Date {
    std::int32_t year = 0, month = 0, day = 0;
    // Field by field as raw integers, the way every order check compares:
    // years first, then months, then days, nothing normalised.
    auto operator<=>(const Date&) const = default;
};

// 1582-10-15, the first day of the Gregorian calendar: the weekday labels and
// the almanac start there.
constexpr Date kFirstGregorianDay{1582, 10, 15};

}  // namespace vadelon
