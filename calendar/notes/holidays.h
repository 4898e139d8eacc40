#pragma once
// Japan's national holidays (国民の祝日 and the days the holiday law makes
// holidays besides them) by the law of 1948-07-20 and its amendments, each
// year by the law in force that year; years after the last amendment by
// today's law. 春分の日 and 秋分の日 fall on the JST date of the exact
// equinox as the solar terms reckon it.
#include <cstdint>
#include <string_view>
#include <vector>

namespace vadelon {

struct Date;

// Holidays exist from 1948-07-20, when the law came into force, to the last
// year of the solar terms.
constexpr std::int32_t kFirstHolidayYear = 1948;
constexpr std::int32_t kLastHolidayYear = 9999;

struct Holiday {
    std::int32_t month = 0, day = 0;
    std::string_view name;
    bool operator==(const Holiday&) const = default;
};

// The national holiday's name on a Gregorian date as in force that year
// ("振替休日", "国民の休日" included), or an empty view.
std::string_view HolidayName(const Date& date);

// The holidays of a year in date order; none outside kFirstHolidayYear to
// kLastHolidayYear.
std::vector<Holiday> HolidaysOfYear(std::int32_t year);

}  // namespace vadelon
