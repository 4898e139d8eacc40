#pragma once
// The notes (暦注) of the days of a month as one model with a view of each
// day: what the month calendar prints beside each day and, formatted by the
// same texts (calendar/notes/day_notes.h), what koyomi prints of a date. Worked out
// a Gregorian month at a time: only the crossings and moons that
// can fall in the month are solved (the 雑節 once for the whole year), each
// once instead of once for every day near it, and kept for the months around
// the one shown, so that turning a month costs no astronomy once it is known.
#include "calendar/notes/day_notes.h"
#include "calendar/notes/zassetsu.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace vadelon {

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
