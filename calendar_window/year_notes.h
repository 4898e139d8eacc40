#pragma once
// What the month calendar prints beside each day of one Gregorian year, from
// the calendar core, worked out once for the whole year: each of its
// crossings and moons is solved once instead of once for every day near it,
// so that turning a month costs no astronomy once the year is known.
#include "calendar/lunisolar.h"
#include "calendar_window/shown_dates.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace vadelon {

enum class MoonMark { None, New, Full };

struct DayNotes {
    std::string_view holiday;    // the national holiday's name
    std::string_view solarTerm;  // the 二十四節気 of the date
    std::vector<std::string_view> zassetsu;
    std::optional<LunisolarDate> lunisolar;  // 1873 to 2100 only
    MoonMark moon = MoonMark::None;          // the JST date of a new or full moon, 1873 to 2100
};

class YearNotes {
public:
    // The notes of every day of a year of the solar terms (1583 to 9999).
    explicit YearNotes(std::int32_t year);

    const DayNotes& Of(std::int32_t month, std::int32_t day) const;

private:
    void AddLunisolar();
    void AddFullMoons();
    std::size_t Index(std::int32_t month, std::int32_t day) const;

    std::int32_t year_;
    std::int64_t firstDay_;
    std::vector<DayNotes> days_;
};

// The years asked for, kept while they are near the one last asked for.
class NotesCache {
public:
    // No notes for a date outside 1583-01-01 to 9999-12-31.
    const DayNotes& Of(const Date& date);
    // Works a year out ahead of need; true when it was not known yet.
    bool Prepare(std::int32_t year);

private:
    const YearNotes& Year(std::int32_t year);

    std::map<std::int32_t, YearNotes> years_;
};

}  // namespace vadelon
