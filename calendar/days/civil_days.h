#pragma once
// Day numbers of Gregorian dates on 64-bit integers, with a year 0 and no
// limit backwards; day 0 is 1970-01-01. Years are taken within ±6·10^9, far
// more than any 32-bit field and any shift of it can reach.
#include <cstdint>

namespace vadelon {

struct CivilDate {
    std::int64_t year;
    std::int32_t month;  // 1 to 12
    std::int32_t day;    // 1 to the month's length
};

namespace civil_detail {

// Every year is moved up by a whole number of 400-year cycles so that the
// arithmetic runs on non-negative values: plain unsigned division by
// constants, no floor corrections, and the leap pattern is unchanged.
constexpr std::uint64_t kShiftCycles = std::uint64_t{1} << 24;
constexpr std::uint64_t kShiftYears = kShiftCycles * 400;
constexpr std::uint64_t kDaysPerCycle = 146097;

// Days from 1 January of shifted year 0 to 1 January of shifted year y.
constexpr std::uint64_t DaysToShiftedYear(std::uint64_t y)
{
    return 365 * y + (y + 3) / 4 - (y + 99) / 100 + (y + 399) / 400;
}
constexpr std::uint64_t kEpochShifted = DaysToShiftedYear(kShiftYears + 1970);

// From 1 March of shifted year 0, where cycles of the civil-from-days
// reckoning begin, to 1970-01-01.
constexpr std::uint64_t kMarchEpochShifted = kShiftCycles * kDaysPerCycle + 719468;

}  // namespace civil_detail

inline bool IsLeapYear(std::int64_t year)
{
    const std::uint64_t y = static_cast<std::uint64_t>(year) + civil_detail::kShiftYears;
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

inline std::int64_t DaysBeforeYear(std::int64_t year)
{
    const std::uint64_t y = static_cast<std::uint64_t>(year) + civil_detail::kShiftYears;
    return static_cast<std::int64_t>(civil_detail::DaysToShiftedYear(y) - civil_detail::kEpochShifted);
}

// Counted from March, the leap day falls at the end of each counted year and
// every 400-year cycle has the same shape.
inline CivilDate CivilFromDays(std::int64_t days)
{
    const std::uint64_t z = static_cast<std::uint64_t>(days) + civil_detail::kMarchEpochShifted;
    const std::uint64_t cycle = z / civil_detail::kDaysPerCycle;
    const std::uint64_t dayOfCycle = z - cycle * civil_detail::kDaysPerCycle;  // 0 to 146096
    const std::uint64_t yearOfCycle = (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
    const std::uint64_t dayOfYear = dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);  // 0 to 365
    const std::uint64_t marchMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
    const auto day = static_cast<std::int32_t>(dayOfYear - (153 * marchMonth + 2) / 5 + 1);
    const auto month = static_cast<std::int32_t>(marchMonth < 10 ? marchMonth + 3 : marchMonth - 9);
    const std::uint64_t shiftedYear = cycle * 400 + yearOfCycle + (month <= 2 ? 1 : 0);
    return CivilDate{static_cast<std::int64_t>(shiftedYear - civil_detail::kShiftYears), month, day};
}

}  // namespace vadelon
