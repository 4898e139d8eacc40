#include "calendar/notes/zassetsu.h"

#include "calendar/days/civil_days.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/sky/delta_t.h"
#include "calendar/sky/jst_days.h"
#include "calendar/sky/solar_terms.h"

#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace vadelon {

namespace {

// The Julian day number of 1970-01-01 (day number 0), for stems and branches.
constexpr std::int64_t kJulianDayOf1970 = 2440588;
// The first guess of a crossing lies within about ten hours of it over
// 1583-9999: two days either side holds every date it can take.
constexpr std::int64_t kGuessWindow = 2;

constexpr int kRisshun = 2, kShunbun = 5, kRikka = 8, kRisshu = 14, kShubun = 17, kRitto = 20;

bool IsTsuchinoe(std::int64_t dayNumber)  // 戊, the fifth stem
{
    return (dayNumber + kJulianDayOf1970) % 10 == 5;
}
bool IsUshi(std::int64_t dayNumber)  // 丑, the second branch
{
    return (dayNumber + kJulianDayOf1970) % 12 == 0;
}

std::int64_t DayOf(const SolarTermTime& t)
{
    return DayNumber(t.date());
}

// The JST day about which the Sun reaches a longitude, within a day.
std::int64_t GuessedDay(std::int32_t year, double degrees)
{
    const double daysTT = EstimateSunAtLongitude(year, degrees);
    const double deltaT = DeltaTSeconds(2000.0 + daysTT / 365.2425) / ERFA_DAYSEC;
    return static_cast<std::int64_t>(std::floor(daysTT - deltaT + ERFA_DJ00 - kJulianDate1970 + kJstOffsetDays));
}

bool Near(std::int64_t day, std::int64_t guess, std::int64_t from, std::int64_t to)
{
    return day >= guess + from - kGuessWindow && day <= guess + to + kGuessWindow;
}

// The 戊 day nearest an equinox.
std::int64_t Shanichi(const SolarTermTime& equinox)
{
    const std::int64_t day = DayOf(equinox);
    std::int64_t after = 0;
    while (!IsTsuchinoe(day + after))
        ++after;
    if (after < 5)
        return day + after;
    if (after > 5)
        return day + after - 10;
    return equinox.hour < 12 ? day - 5 : day + 5;
}

struct Doyo {
    double degrees;  // 土用入り
    int endTerm;     // the 節 that ends it
};
constexpr std::array<Doyo, 4> kDoyo = {{{297, kRisshun}, {27, kRikka}, {117, kRisshu}, {207, kRitto}}};

}  // namespace

std::vector<std::string_view> ZassetsuOf(const Date& date)
{
    std::vector<std::string_view> names;
    if (!IsRealDateIn(date, kFirstSolarTermYear, kLastSolarTermYear))
        return names;
    const std::int32_t year = date.year;
    const std::int64_t d = DayNumber(date);
    auto guess = [year](int term) { return GuessedDay(year, SolarTermLongitude(term)); };

    // Only the crossings that can reach the date are solved.
    const std::int64_t risshunGuess = guess(kRisshun);
    std::optional<std::int64_t> risshun;
    auto fromRisshun = [&](std::int64_t offset) {
        if (!Near(d, risshunGuess, offset, offset))
            return false;
        if (!risshun)
            risshun = DayOf(SolarTermInstant(year, kRisshun));
        return d == *risshun + offset;
    };
    std::array<std::optional<SolarTermTime>, 2> equinoxes;
    auto equinox = [&](std::size_t which) {
        if (!equinoxes[which])
            equinoxes[which] = SolarTermInstant(year, which == 0 ? kShunbun : kShubun);
        return *equinoxes[which];
    };
    const std::array<std::int64_t, 2> equinoxGuess = {guess(kShunbun), guess(kShubun)};
    auto equinoxDay = [&](std::size_t which, std::int64_t offset) {
        return Near(d, equinoxGuess[which], offset, offset) && d == DayOf(equinox(which)) + offset;
    };
    auto shanichi = [&](std::size_t which) {
        return Near(d, equinoxGuess[which], -5, 5) && d == Shanichi(equinox(which));
    };
    auto sunAt = [&](double degrees) {
        return Near(d, GuessedDay(year, degrees), 0, 0) && d == DayOf(SunAtLongitude(year, degrees));
    };

    if (fromRisshun(-1))
        names.push_back("節分");
    if (equinoxDay(0, -3) || equinoxDay(1, -3))
        names.push_back("彼岸入り");
    if (equinoxDay(0, 3) || equinoxDay(1, 3))
        names.push_back("彼岸明け");
    if (shanichi(0) || shanichi(1))
        names.push_back("社日");
    if (fromRisshun(87))
        names.push_back("八十八夜");
    if (sunAt(80))
        names.push_back("入梅");
    if (sunAt(100))
        names.push_back("半夏生");
    for (const Doyo& doyo : kDoyo) {
        const std::int64_t startGuess = GuessedDay(year, doyo.degrees);
        if (!Near(d, startGuess, 0, guess(doyo.endTerm) - startGuess))
            continue;
        const std::int64_t start = DayOf(SunAtLongitude(year, doyo.degrees));
        if (d == start)
            names.push_back("土用入り");
        if (d >= start && IsUshi(d) && d < DayOf(SolarTermInstant(year, doyo.endTerm)))
            names.push_back("土用の丑の日");
    }
    if (fromRisshun(209))
        names.push_back("二百十日");
    if (fromRisshun(219))
        names.push_back("二百二十日");
    return names;
}

std::vector<DatedZassetsu> ZassetsuOfYear(std::int32_t year)
{
    std::vector<DatedZassetsu> found;
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear)
        return found;
    // Each crossing solved once; the names go in in ZassetsuOf's order, which
    // the stable sort by date keeps within a day.
    std::vector<std::pair<std::int64_t, std::string_view>> days;
    const std::int64_t risshun = DayOf(SolarTermInstant(year, kRisshun));
    const std::array<SolarTermTime, 2> equinoxes = {SolarTermInstant(year, kShunbun), SolarTermInstant(year, kShubun)};
    days.emplace_back(risshun - 1, "節分");
    for (const SolarTermTime& equinox : equinoxes)
        days.emplace_back(DayOf(equinox) - 3, "彼岸入り");
    for (const SolarTermTime& equinox : equinoxes)
        days.emplace_back(DayOf(equinox) + 3, "彼岸明け");
    for (const SolarTermTime& equinox : equinoxes)
        days.emplace_back(Shanichi(equinox), "社日");
    days.emplace_back(risshun + 87, "八十八夜");
    days.emplace_back(DayOf(SunAtLongitude(year, 80)), "入梅");
    days.emplace_back(DayOf(SunAtLongitude(year, 100)), "半夏生");
    for (const Doyo& doyo : kDoyo) {
        const std::int64_t start = DayOf(SunAtLongitude(year, doyo.degrees));
        const std::int64_t end = DayOf(SolarTermInstant(year, doyo.endTerm));
        days.emplace_back(start, "土用入り");
        for (std::int64_t d = start; d < end; ++d) {
            if (IsUshi(d))
                days.emplace_back(d, "土用の丑の日");
        }
    }
    days.emplace_back(risshun + 209, "二百十日");
    days.emplace_back(risshun + 219, "二百二十日");
    std::stable_sort(days.begin(), days.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [day, name] : days) {
        const CivilDate date = CivilFromDays(day);
        if (date.year == year)
            found.push_back({date.month, date.day, name});
    }
    return found;
}

std::string_view SolarTermOn(const Date& date)
{
    if (!IsRealDateIn(date, kFirstSolarTermYear, kLastSolarTermYear))
        return {};
    const std::int32_t year = date.year, month = date.month;
    const std::int64_t d = DayNumber(date);
    // The month's 節 and 中気 and the next month's 節, which ΔT brings into
    // the month far in the future (小寒 of the next year into 31 December
    // from 9237 on); the Gregorian calendar keeps the others out of it.
    for (int i = 2 * month - 2; i <= 2 * month; ++i) {
        const std::int32_t termYear = i < kSolarTermsPerYear ? year : year + 1;
        const int index = i % kSolarTermsPerYear;
        if (Near(d, GuessedDay(termYear, SolarTermLongitude(index)), 0, 0) &&
            d == DayOf(SolarTermInstant(termYear, index)))
            return SolarTermShortNames[static_cast<std::size_t>(index)];
    }
    return {};
}

}  // namespace vadelon
