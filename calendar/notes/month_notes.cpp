#include "calendar/notes/month_notes.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/sky/jst_days.h"

#include "calendar/days/julian_days.h"
#include "calendar/notes/holidays.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_terms.h"

#include <algorithm>
#include <cstdlib>

namespace vadelon {

namespace {

// A full moon follows its new moon by 13.9 to 15.6 days; the estimate of a
// new moon is within a minute.
constexpr double kFullMoonSpread = 1.0;
// The months around the one last asked for that stay known: those shown and
// those prepared for the next step (a year and a month either side, 13
// months), and as many again the user may step back into; the 雑節 of the
// years they lie in. Wider than twice the prepared span, so that preparing
// one month never drops another that is prepared.
constexpr std::int64_t kKeptMonths = 30;
constexpr std::int32_t kKeptYears = 3;

// The almanac's local date of an instant in UT (Tokyo mean time before
// 1888), by its time rounded to the minute as the almanac prints it.
Date JstDateOf(double julianDateUT)
{
    return AlmanacLocalTime(julianDateUT, 60).date();
}

// Days of TT from J2000.0 at the start of a day number, near enough to pick lunations.
double DaysTT(std::int64_t dayNumber)
{
    return static_cast<double>(dayNumber) + kJulianDate1970 - kJulianDate2000;
}

}  // namespace

MonthNotes::MonthNotes(std::int32_t year, std::int32_t month, const std::vector<DatedZassetsu>& zassetsuOfYear)
    : year_(year)
    , month_(month)
    , days_(static_cast<std::size_t>(DaysInMonth(year, month)))
{
    for (const Holiday& holiday : HolidaysOfYear(year)) {
        if (holiday.month == month)
            days_[static_cast<std::size_t>(holiday.day - 1)].holiday = holiday.name;
    }
    if (year >= kFirstSolarTermYear)
        AddSolarTerms();
    for (const DatedZassetsu& zassetsu : zassetsuOfYear) {
        if (zassetsu.month == month)
            days_[static_cast<std::size_t>(zassetsu.day - 1)].zassetsu.push_back(zassetsu.name);
    }
    if (year < kFirstLunisolarYear) {
        AddOldCalendar();
    } else if (year <= kLastLunisolarYear) {
        AddLunisolar();
        AddFullMoons();
    }
}

void MonthNotes::AddOldCalendar()
{
    // The table's days, each a look-up; the 1st of a month was the new
    // moon's day of the calendar then kept.
    const std::int64_t first = JdnOfGregorian({year_, month_, 1});
    for (std::size_t i = 0; i < days_.size(); ++i) {
        days_[i].lunisolar = LunisolarDateOfJdn(first + static_cast<std::int64_t>(i));
        if (days_[i].lunisolar && days_[i].lunisolar->day == 1)
            days_[i].moon = MoonMark::New;
    }
}

void MonthNotes::AddSolarTerms()
{
    // The month's 節 and 中気 and the next month's 節, which the slow drift
    // of the dates brings into the month in the far future (清明 into March
    // by 9999); 小寒 of the next year reaches back into 31 December.
    auto place = [this](const SolarTermTime& term, int index) {
        if (term.year == year_ && term.month == month_)
            days_[static_cast<std::size_t>(term.day - 1)].solarTerm =
                SolarTermShortNames[static_cast<std::size_t>(index)];
    };
    const int own = 2 * (month_ - 1);
    for (int index = std::max(own - 1, 0); index <= std::min(own + 3, kSolarTermsPerYear - 1); ++index)
        place(SolarTermInstant(year_, index), index);
    if (month_ == 12)
        place(SolarTermInstant(year_ + 1, 0), 0);
}

void MonthNotes::AddLunisolar()
{
    // The 旧暦 of the 1st counts on, and starts again at each new moon's
    // date, which begins a 旧暦 month.
    const std::int64_t first = DayNumber({year_, month_, 1});
    const std::int64_t last = first + static_cast<std::int64_t>(days_.size()) - 1;
    std::vector<bool> starts(days_.size());
    for (std::int64_t lunation = NearestLunation(DaysTT(first)) - 1; lunation <= NearestLunation(DaysTT(last)) + 1;
         ++lunation) {
        const double estimate = EstimateNewMoon(lunation);
        if (estimate < DaysTT(first) - 1 || estimate > DaysTT(last) + 2)
            continue;
        const Date begins = JstDateOf(NewMoonInstant(lunation).julianDateUT);
        if (begins.year == year_ && begins.month == month_)
            starts[static_cast<std::size_t>(begins.day - 1)] = true;
    }
    std::optional<LunisolarDate> current;
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const auto day = static_cast<std::int32_t>(i + 1);
        if (i == 0 || starts[i])
            current = LunisolarDateOf({year_, month_, day});
        else if (current)
            ++current->day;
        days_[i].lunisolar = current;
        if (starts[i])
            days_[i].moon = MoonMark::New;
    }
}

void MonthNotes::AddFullMoons()
{
    const std::int64_t first = DayNumber({year_, month_, 1});
    const std::int64_t last = first + static_cast<std::int64_t>(days_.size()) - 1;
    for (std::int64_t lunation = NearestLunation(DaysTT(first)) - 2; lunation <= NearestLunation(DaysTT(last));
         ++lunation) {
        const double estimate = EstimateNewMoon(lunation) + kSynodicMonthDays / 2;
        if (estimate < DaysTT(first) - kFullMoonSpread - 1 || estimate > DaysTT(last) + kFullMoonSpread + 2)
            continue;
        const Date full = JstDateOf(FullMoonInstant(lunation).julianDateUT);
        if (full.year == year_ && full.month == month_)
            days_[static_cast<std::size_t>(full.day - 1)].moon = MoonMark::Full;
    }
}

const MonthNotes& NotesCache::Month(std::int32_t year, std::int32_t month)
{
    const std::int64_t index = std::int64_t{year} * 12 + month - 1;
    auto found = months_.find(index);
    if (found != months_.end())
        return found->second;
    std::erase_if(months_, [index](const auto& kept) { return std::abs(kept.first - index) > kKeptMonths; });
    std::erase_if(zassetsu_, [year](const auto& kept) { return std::abs(kept.first - year) > kKeptYears; });
    auto zassetsu = zassetsu_.find(year);
    if (zassetsu == zassetsu_.end())
        zassetsu = zassetsu_.emplace(year, ZassetsuOfYear(year)).first;
    return months_.try_emplace(index, year, month, zassetsu->second).first->second;
}

const DayNotes& NotesCache::Of(const Date& date)
{
    static const DayNotes kNone;
    if (!IsRealDateIn(date, kFirstOldCalendarYear, kLastSolarTermYear))
        return kNone;
    return Month(date.year, date.month).Of(date.day);
}

bool NotesCache::Prepare(std::int32_t year, std::int32_t month)
{
    if (!IsRealDateIn({year, month, 1}, kFirstOldCalendarYear, kLastSolarTermYear) ||
        months_.contains(std::int64_t{year} * 12 + month - 1))
        return false;
    Month(year, month);
    return true;
}

}  // namespace vadelon
