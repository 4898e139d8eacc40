#include "calendar_window/year_notes.h"

#include "calendar/holidays.h"
#include "calendar/moon_phases.h"
#include "calendar/solar_terms.h"
#include "calendar/zassetsu.h"

#include <cstdlib>

namespace vadelon {

namespace {

constexpr double kJulianDate1970 = 2440587.5;  // 1970-01-01 00:00
constexpr double kJ2000 = 2451545.0;
// The years around the one last asked for that stay known: those shown and
// those prepared for the next step (two either side), and a few the user
// may step back into.
constexpr std::int32_t kKeptYears = 5;

// The JST date of an instant in UT, by its time rounded to the minute as the
// almanac prints it.
Date JstDateOf(double julianDateUT)
{
    const JstDateTime jst = JstFromJulianDate(julianDateUT, 60);
    return {jst.year, jst.month, jst.day};
}

bool HasLunisolar(std::int32_t year)
{
    return year >= kFirstLunisolarYear && year <= kLastLunisolarYear;
}

}  // namespace

YearNotes::YearNotes(std::int32_t year)
    : year_(year)
    , firstDay_(DayNumber(year, 1, 1))
    , days_(static_cast<std::size_t>(DaysInYear(year)))
{
    for (const Holiday& holiday : HolidaysOfYear(year))
        days_[Index(holiday.month, holiday.day)].holiday = holiday.name;
    // 小寒 of the next year falls on 31 December far in the future; 小寒 of
    // this one then belongs to the year before.
    const auto terms = SolarTermsOfYear(year);
    for (int i = 0; i <= kSolarTermsPerYear; ++i) {
        const SolarTermTime& term =
            i < kSolarTermsPerYear ? terms[static_cast<std::size_t>(i)] : SolarTermInstant(year + 1, 0);
        if (term.year == year)
            days_[Index(term.month, term.day)].solarTerm = SolarTermShortNames[static_cast<std::size_t>(i % 24)];
    }
    for (const DatedZassetsu& zassetsu : ZassetsuOfYear(year))
        days_[Index(zassetsu.month, zassetsu.day)].zassetsu.push_back(zassetsu.name);
    if (HasLunisolar(year)) {
        AddLunisolar();
        AddFullMoons();
    }
}

void YearNotes::AddLunisolar()
{
    // From 1 January's date the days count on, and each month that begins in
    // the year starts again at 1 on the date of its new moon.
    std::optional<LunisolarDate> current = LunisolarDateOf(year_, 1, 1);
    std::vector<std::optional<LunisolarMonth>> starting(days_.size());
    for (const LunisolarMonth& month : LunisolarMonthsBeginningIn(year_, year_)) {
        const Date first = JstDateOf(month.newMoonUT);
        if (first.year == year_)
            starting[Index(first.month, first.day)] = month;
    }
    for (std::size_t i = 0; i < days_.size(); ++i) {
        if (const auto& month = starting[i]) {
            current = LunisolarDate{month->year, month->month, 1, month->leap};
            days_[i].moon = MoonMark::New;
        } else if (i > 0 && current) {
            ++current->day;
        }
        days_[i].lunisolar = current;
    }
}

void YearNotes::AddFullMoons()
{
    auto lunationNear = [](std::int64_t dayNumber) {
        return NearestLunation(static_cast<double>(dayNumber) + kJulianDate1970 - kJ2000);
    };
    const std::int64_t lastDay = firstDay_ + static_cast<std::int64_t>(days_.size()) - 1;
    // One lunation either side: a full moon follows its new moon by half a month.
    for (std::int64_t lunation = lunationNear(firstDay_) - 1; lunation <= lunationNear(lastDay); ++lunation) {
        const Date full = JstDateOf(FullMoonInstant(lunation).julianDateUT);
        if (full.year == year_)
            days_[Index(full.month, full.day)].moon = MoonMark::Full;
    }
}

std::size_t YearNotes::Index(std::int32_t month, std::int32_t day) const
{
    return static_cast<std::size_t>(DayNumber(year_, month, day) - firstDay_);
}

const DayNotes& YearNotes::Of(std::int32_t month, std::int32_t day) const
{
    return days_[Index(month, day)];
}

const YearNotes& NotesCache::Year(std::int32_t year)
{
    auto found = years_.find(year);
    if (found == years_.end()) {
        std::erase_if(years_, [year](const auto& kept) { return std::abs(kept.first - year) > kKeptYears; });
        found = years_.try_emplace(year, year).first;
    }
    return found->second;
}

const DayNotes& NotesCache::Of(const Date& date)
{
    static const DayNotes kNone;
    if (!IsShownDate(date))
        return kNone;
    return Year(date.year).Of(date.month, date.day);
}

bool NotesCache::Prepare(std::int32_t year)
{
    if (year < kFirstShownDate.year || year > kLastShownDate.year || years_.contains(year))
        return false;
    Year(year);
    return true;
}

}  // namespace vadelon
