#pragma once
// 旧暦, the lunisolar calendar as printed calendars reckon it today (the
// common modern reading of the 天保暦's rules, which differs from the 天保暦
// itself in 2033-2034), with modern astronomy: a month begins on the JST date of a
// new moon; a 中気 belongs to the month that holds its JST date; the month
// that holds 冬至 is the 11th; where 13 months run from one 冬至's month to the
// next, the first of them without a 中気 is the leap month and takes the
// number of the month before it. Dates are those of the times rounded to
// the minute, as the almanac prints them. Years kFirstLunisolarYear to
// kLastLunisolarYear (calendar/moon_phases.h).
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vadelon {

struct Date;

struct LunisolarDate {
    // The year is the Gregorian year in which that year's 1月1日 falls.
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = false;
    bool operator==(const LunisolarDate&) const = default;
};

// Nothing for a date that does not exist or lies outside 1873-01-01 to
// 2100-12-31.
std::optional<LunisolarDate> LunisolarDateOf(const Date& date);

struct LunisolarMonth {
    std::int32_t year = 0, month = 0;
    bool leap = false;
    // The new moon that begins it, as a Julian date in UT.
    double newMoonUT = 0;
};

// The months whose 1st day falls in firstYear to lastYear, in order; the
// years are clamped to kFirstLunisolarYear..kLastLunisolarYear.
std::vector<LunisolarMonth> LunisolarMonthsBeginningIn(std::int32_t firstYear, std::int32_t lastYear);

// 六曜 of a date: (month + day) mod 6 gives 大安, 赤口, 先勝, 友引, 先負, 仏滅; a
// leap month counts as its number.
std::string_view RokuyoName(const LunisolarDate& date);

}  // namespace vadelon
