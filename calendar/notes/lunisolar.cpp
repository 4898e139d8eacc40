#include "calendar/notes/lunisolar.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/old_calendar_table.h"
#include "calendar/sky/delta_t.h"
#include "calendar/sky/jst_days.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_terms.h"

#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace vadelon {

namespace {

constexpr double kSecond = 1.0 / 86400.0;
// Most dates are settled by the estimates of new moons and solar terms, which
// cost no ephemeris; only an instant that near the change of its rounded date
// (23:59:30 JST) is solved. Over 1872-2101 the estimates stay within 26 s and
// 15 minutes of the solved instants (the tests hold them to half the margins).
constexpr double kNewMoonDoubt = 120 * kSecond;
constexpr double kSolarTermDoubt = 1800 * kSecond;
constexpr int kWinterSolstice = 23;  // index among the solar terms
constexpr int kWinterMonth = 11;
// Until 1888 the almanac kept the mean time of Tokyo (139°44′41″ E).
constexpr double kTokyoMeanTimeDays = (9 * 3600 + 18 * 60 + 59) * kSecond;
// 1888-01-01 00:00 JST as a Julian date in UT.
constexpr double kJstBegins = 2410638 - 0.5 - kJstOffsetDays;

double LocalOffsetDays(double julianDateUT)
{
    return julianDateUT < kJstBegins ? kTokyoMeanTimeDays : kJstOffsetDays;
}

std::int64_t DayOfInstant(double julianDateUT)
{
    return DayNumber(AlmanacLocalTime(julianDateUT, 60).date());
}

// The local day number of an instant given as days of TT from J2000.0, by its
// time rounded to the minute; nothing within doubt of 23:59:30.
std::optional<std::int64_t> SettledDay(double daysTT, double doubt)
{
    const double deltaT = DeltaTSeconds(2000.0 + daysTT / 365.2425) * kSecond;
    const double ut = daysTT - deltaT + ERFA_DJ00;
    const double local = ut - kJulianDate1970 + LocalOffsetDays(ut) + 30 * kSecond;
    const double day = std::floor(local);
    if (local - day < doubt || local - day > 1.0 - doubt)
        return std::nullopt;
    return static_cast<std::int64_t>(day);
}

// The months from one 冬至's month up to the next one's.
struct Span {
    std::int32_t winterYear = 0;
    std::int64_t firstLunation = 0;
    int length = 0;  // 12 or 13
    int leap = 0;    // index of the leap month in a span of 13
};

// One reckoning's new-moon and 中気 dates, each found once.
class Reckoning {
public:
    std::int64_t NewMoonDay(std::int64_t lunation)
    {
        const auto found = newMoonDays_.find(lunation);
        if (found != newMoonDays_.end())
            return found->second;
        const std::optional<std::int64_t> settled = SettledDay(EstimateNewMoon(lunation), kNewMoonDoubt);
        const std::int64_t day = settled ? *settled : DayOfInstant(NewMoonInstant(lunation).julianDateUT);
        newMoonDays_.emplace(lunation, day);
        return day;
    }

    // The lunation whose month holds a day: the last new moon on or before it.
    std::int64_t MonthHolding(std::int64_t day)
    {
        const double daysTT = static_cast<double>(day) + kJulianDate1970 - ERFA_DJ00 + 0.5;
        std::int64_t lunation = NearestLunation(daysTT);
        if (NewMoonDay(lunation) > day)
            --lunation;
        else if (NewMoonDay(lunation + 1) <= day)
            ++lunation;
        return lunation;
    }

    // The lunation of the 11th month: the one that holds 冬至.
    std::int64_t WinterMonth(std::int32_t year) { return MonthHolding(TermDay(year, kWinterSolstice)); }

    Span SpanFrom(std::int32_t winterYear)
    {
        Span span;
        span.winterYear = winterYear;
        span.firstLunation = WinterMonth(winterYear);
        span.length = static_cast<int>(WinterMonth(winterYear + 1) - span.firstLunation);
        if (span.length != 13)
            return span;
        // The 中気 of the span: 冬至 and 大寒 to 小雪 of the next year.
        std::array<std::int64_t, 12> terms{};
        terms[0] = TermDay(winterYear, kWinterSolstice);
        for (int i = 1; i < 12; ++i)
            terms[static_cast<std::size_t>(i)] = TermDay(winterYear + 1, 2 * i - 1);
        for (int i = 1; i < span.length; ++i) {
            const std::int64_t first = NewMoonDay(span.firstLunation + i);
            const std::int64_t next = NewMoonDay(span.firstLunation + i + 1);
            const bool holdsTerm =
                std::any_of(terms.begin(), terms.end(), [&](std::int64_t d) { return d >= first && d < next; });
            if (!holdsTerm) {
                span.leap = i;
                break;
            }
        }
        return span;
    }

private:
    std::int64_t TermDay(std::int32_t year, int index)
    {
        const std::optional<std::int64_t> settled =
            SettledDay(EstimateSunAtLongitude(year, SolarTermLongitude(index)), kSolarTermDoubt);
        return settled ? *settled : DayOfInstant(SolarTermInstant(year, index).julianDateUT);
    }

    std::map<std::int64_t, std::int64_t> newMoonDays_;
};

// The number, leap and year of the month at index in its span.
LunisolarMonth MonthAt(const Span& span, int index)
{
    LunisolarMonth month;
    int count = index;
    if (span.leap > 0 && index >= span.leap) {
        count = index - 1;
        month.leap = index == span.leap;
    }
    month.month = (kWinterMonth - 1 + count) % 12 + 1;
    // 11月 and 12月 open the span, in the year whose 1月 began that winter's year.
    month.year = month.month >= kWinterMonth ? span.winterYear : span.winterYear + 1;
    return month;
}

// The table's month that holds a day, or the month after it.
const old_calendar::TableMonth* TableMonthHolding(std::int64_t jdn)
{
    const auto months = old_calendar::Months();
    const auto after =
        std::upper_bound(months.begin(), months.end(), jdn,
                         [](std::int64_t day, const old_calendar::TableMonth& m) { return day < m.firstJdn; });
    return after == months.begin() ? nullptr : &*(after - 1);
}

std::int64_t NextFirstJdn(const old_calendar::TableMonth& month)
{
    const auto months = old_calendar::Months();
    const auto index = static_cast<std::size_t>(&month - months.data());
    return index + 1 < months.size() ? months[index + 1].firstJdn : old_calendar::kSolarCalendarJdn;
}

std::optional<LunisolarDate> ReckonedDateOf(const Date& date)
{
    const std::int64_t dayNumber = DayNumber(date);
    Reckoning reckoning;
    const std::int64_t lunation = reckoning.MonthHolding(dayNumber);
    const Span span = reckoning.SpanFrom(reckoning.WinterMonth(date.year) <= lunation ? date.year : date.year - 1);
    const LunisolarMonth m = MonthAt(span, static_cast<int>(lunation - span.firstLunation));
    const auto dayOfMonth = static_cast<std::int32_t>(dayNumber - reckoning.NewMoonDay(lunation) + 1);
    return LunisolarDate{m.year, m.month, dayOfMonth, m.leap};
}

}  // namespace

std::optional<LunisolarDate> LunisolarDateOfJdn(std::int64_t jdn)
{
    if (jdn < old_calendar::kSolarCalendarJdn) {
        const old_calendar::TableMonth* month = TableMonthHolding(jdn);
        if (month == nullptr)
            return std::nullopt;
        return LunisolarDate{month->year, month->month, static_cast<std::int32_t>(jdn - month->firstJdn + 1),
                             month->leap};
    }
    if (jdn > JdnOfGregorian({kLastLunisolarYear, 12, 31}))
        return std::nullopt;
    return ReckonedDateOf(GregorianOfJdn(jdn));
}

std::optional<LunisolarDate> LunisolarDateOf(const Date& date)
{
    if (!IsRealDateIn(date, kFirstOldCalendarYear, kLastLunisolarYear))
        return std::nullopt;
    return LunisolarDateOfJdn(JdnOfGregorian(date));
}

std::optional<OldCalendarMonth> OldCalendarMonthOf(std::int32_t year, std::int32_t month, bool leap)
{
    const auto months = old_calendar::Months();
    const auto key = std::make_tuple(year, month, leap);
    const auto found = std::lower_bound(months.begin(), months.end(), key, [](const auto& m, const auto& k) {
        return std::make_tuple(std::int32_t{m.year}, std::int32_t{m.month}, m.leap) < k;
    });
    if (found == months.end() || found->year != year || found->month != month || found->leap != leap)
        return std::nullopt;
    return OldCalendarMonth{found->firstJdn, static_cast<std::int32_t>(NextFirstJdn(*found) - found->firstJdn)};
}

JstDateTime AlmanacLocalTime(double julianDateUT, int unitSeconds)
{
    return JstFromJulianDate(julianDateUT + LocalOffsetDays(julianDateUT) - kJstOffsetDays, unitSeconds);
}

std::vector<LunisolarMonth> LunisolarMonthsBeginningIn(std::int32_t firstYear, std::int32_t lastYear)
{
    firstYear = std::max(firstYear, kFirstOldCalendarYear);
    lastYear = std::min(lastYear, kLastLunisolarYear);
    std::vector<LunisolarMonth> months;
    if (lastYear < firstYear)
        return months;
    if (firstYear < kFirstLunisolarYear) {
        for (const old_calendar::TableMonth& m : old_calendar::Months()) {
            const std::int32_t year = HistoricalDateOfJdn(m.firstJdn).year;
            if (year > lastYear)
                break;
            if (year >= firstYear)
                months.push_back({m.year, m.month, m.leap, m.firstJdn, 0});
        }
        firstYear = kFirstLunisolarYear;
    }
    if (lastYear < firstYear)
        return months;
    const std::int64_t firstDay = DayNumber({firstYear, 1, 1});
    const std::int64_t lastDay = DayNumber({lastYear, 12, 31});
    Reckoning reckoning;
    for (std::int32_t winterYear = firstYear - 1; winterYear <= lastYear; ++winterYear) {
        const Span span = reckoning.SpanFrom(winterYear);
        for (int i = 0; i < span.length; ++i) {
            const std::int64_t lunation = span.firstLunation + i;
            const std::int64_t begins = reckoning.NewMoonDay(lunation);
            if (begins < firstDay || begins > lastDay)
                continue;
            LunisolarMonth m = MonthAt(span, i);
            m.firstJdn = begins + kJdnOf1970;
            m.newMoonUT = NewMoonInstant(lunation).julianDateUT;
            months.push_back(m);
        }
    }
    return months;
}

std::string_view RokuyoName(const LunisolarDate& date)
{
    static constexpr std::array<std::string_view, 6> kNames = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
    return kNames[static_cast<std::size_t>((date.month + date.day) % 6)];
}

}  // namespace vadelon
