#pragma once
// Day numbers of real Gregorian dates on 64-bit integers, with a year 0 and
// no limit backwards; day 0 is 1970-01-01.
#include <cstdint>

namespace vadelon {

struct CivilDate {
    std::int64_t year;
    std::int32_t month;  // 1 to 12
    std::int32_t day;    // 1 to the month's length
};

// month 1 to 12, day 1 to the month's length; the year may be any 64-bit value
// whose day number fits.
std::int64_t DaysFromCivil(std::int64_t year, std::int32_t month, std::int32_t day);
CivilDate CivilFromDays(std::int64_t days);

}  // namespace vadelon
