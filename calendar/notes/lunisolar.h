#pragma once
// 旧暦, the lunisolar calendar, one calendar from 445 to 2100:
// - to 明治5年12月2日 (1872-12-31) as the old calendar was kept, from the
//   table of data/wareki (calendar/notes/old_calendar_table.h);
// - from 1873 as printed calendars reckon it today (the common modern reading
//   of the 天保暦's rules, which differs from the 天保暦 itself in 2033-2034),
//   with modern astronomy: a month begins on the local date of a new moon; a
//   中気 belongs to the month that holds its local date; the month that holds
//   冬至 is the 11th; where 13 months run from one 冬至's month to the next,
//   the first of them without a 中気 is the leap month and takes the number
//   of the month before it. Dates are those of the times rounded to the
//   minute, as the almanac prints them, in the almanac's local time: Tokyo
//   mean time (UT+9:18:59) until 1887, Japan Standard Time from 1888.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vadelon {

struct Date;
struct JstDateTime;  // calendar/sky/solar_terms.h

// The years of the one 旧暦: from the old calendar's first month (1月1日 =
// 445-01-25, Julian 445-01-21) to the end of 2100.
constexpr std::int32_t kFirstOldCalendarYear = 445;

struct LunisolarDate {
    // The year is the Western year in which that year's 1月1日 falls.
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = false;
    bool operator==(const LunisolarDate&) const = default;
};

// Nothing for a date that does not exist or lies outside 445-01-25 to
// 2100-12-31 (proleptic Gregorian).
std::optional<LunisolarDate> LunisolarDateOf(const Date& date);
// The same of a Julian day number.
std::optional<LunisolarDate> LunisolarDateOfJdn(std::int64_t jdn);

struct LunisolarMonth {
    std::int32_t year = 0, month = 0;
    bool leap = false;
    std::int64_t firstJdn = 0;  // the month's 1st day
    // From 1873: the new moon that begins it, as a Julian date in UT; 0 for
    // the old calendar's months, which no reckoned instant begins.
    double newMoonUT = 0;
};

// The months whose 1st day falls in firstYear to lastYear (Western years as
// history writes them: Julian before 1582-10-15), in order; the years are
// clamped to kFirstOldCalendarYear..kLastLunisolarYear.
std::vector<LunisolarMonth> LunisolarMonthsBeginningIn(std::int32_t firstYear, std::int32_t lastYear);

// A month of the old calendar (to 明治5年12月): its first day and length.
struct OldCalendarMonth {
    std::int64_t firstJdn = 0;
    std::int32_t days = 0;
};
std::optional<OldCalendarMonth> OldCalendarMonthOf(std::int32_t year, std::int32_t month, bool leap);

// The almanac's local time of an instant (a Julian date in UT), rounded to
// unitSeconds: Tokyo mean time before 1888-01-01 00:00 JST, then JST.
JstDateTime AlmanacLocalTime(double julianDateUT, int unitSeconds);

// 六曜 of a date: (month + day) mod 6 gives 大安, 赤口, 先勝, 友引, 先負, 仏滅; a
// leap month counts as its number.
std::string_view RokuyoName(const LunisolarDate& date);

}  // namespace vadelon
