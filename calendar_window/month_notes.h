#pragma once
// What the month calendar prints beside each day, from the calendar core,
// worked out a Gregorian month at a time: only the crossings and moons that
// can fall in the month are solved (the 雑節 once for the whole year), each
// once instead of once for every day near it, and kept for the months around
// the one shown, so that turning a month costs no astronomy once it is known.
#include "calendar/lunisolar.h"
#include "calendar/zassetsu.h"
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
    std::optional<LunisolarDate> lunisolar;  // 445-01-25 to 2100 only
    // The local date of a new or full moon, 1873 to 2100; before, the 1st of
    // each month of the old calendar as its new moon.
    MoonMark moon = MoonMark::None;
};

// The notes of every day of one month of the years 445 to 9999 (節気 and 雑節
// from 1583).
class MonthNotes {
public:
    MonthNotes(std::int32_t year, std::int32_t month, const std::vector<DatedZassetsu>& zassetsuOfYear);

    const DayNotes& Of(std::int32_t day) const { return days_[static_cast<std::size_t>(day - 1)]; }

private:
    void AddSolarTerms();
    void AddLunisolar();
    void AddOldCalendar();
    void AddFullMoons();

    std::int32_t year_, month_;
    std::vector<DayNotes> days_;
};

// The months asked for, kept while they are near the one last asked for.
class NotesCache {
public:
    // No notes for a date outside 445-01-01 to 9999-12-31.
    const DayNotes& Of(const Date& date);
    // Works a month out ahead of need; true when it was not known yet.
    bool Prepare(std::int32_t year, std::int32_t month);

private:
    const MonthNotes& Month(std::int32_t year, std::int32_t month);

    std::map<std::int64_t, MonthNotes> months_;  // by year · 12 + month − 1
    std::map<std::int32_t, std::vector<DatedZassetsu>> zassetsu_;
};

}  // namespace vadelon
