#pragma once
// A deliberately literal calendar: the year-by-year and month-by-month walks,
// carried in 64-bit sums so nothing wraps. Slow on long spans; tests use it
// only as the yardstick for the constant-time core.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vadelon::reference {

std::int64_t DaysInMonth(std::int64_t year, std::int64_t month);
std::int64_t DaysInYear(std::int64_t year);

// nullopt when the first date is not strictly before the second.
std::optional<std::int64_t> DaysBetween(std::int64_t y1, std::int64_t m1, std::int64_t d1, std::int64_t y2,
                                        std::int64_t m2, std::int64_t d2);

struct WalkedDate {
    std::int64_t year, month, day;
};
// The carry loops; only for months 1 to 12 (others would not end).
WalkedDate ShiftDate(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t count);

std::string WeekdayLabel(std::int64_t year, std::int64_t month, std::int64_t day);

// Era text by visiting the rows, or the question's two answers when the date
// leaves the era open; `asked` tells which.
struct EraResult {
    bool asked = false;
    std::string name, year;                // when settled
    std::string earlierName, earlierYear;  // when asked
    std::string laterName, laterYear;
    std::string startYear, startMonth, startDay;
};
EraResult EraTextForYear(std::int64_t year, std::int64_t month, std::int64_t day);

// The era rows as they are written down, one per era.
extern const char* const kEraRows[];
extern const int kEraRowCount;

struct Almanac {
    std::int64_t julianDay;
    bool adopted;
    std::string yearStem, yearBranch, yearStar;
    std::string prevYearStem, prevYearBranch, prevYearStar;
    std::string monthStem, monthBranch, prevMonthStem, prevMonthBranch, solarTerm;
    std::string dayStem, dayBranch;
};
// For dates not before 1582-10-15, field by field.
Almanac ComputeAlmanac(std::int64_t year, std::int64_t month, std::int64_t day);

}  // namespace vadelon::reference
