#include "calendar/sky/solar_terms.h"

#include "calendar/days/civil_days.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/sky/apparent_longitudes.h"
#include "calendar/sky/delta_t.h"
#include "calendar/sky/jst_days.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace vadelon {

const std::array<std::string_view, kSolarTermsPerYear> SolarTermShortNames = {
    "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至",
    "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

namespace {

constexpr double kDegree = ERFA_D2PI / 360.0;
// 2000-01-01 in the day numbers of civil_days (1970-01-01 is 0).
constexpr std::int64_t kDayNumberOf2000 = 10957;
constexpr double kMeanDaysPerDegree = 365.2422 / 360.0;

// A first guess within minutes near the present (hours in the far future,
// where the formulas drift, and a step or two more): the low-precision solar
// theory of Meeus's "Astronomical Algorithms" (mean longitude, equation of
// the centre, aberration and the chief nutation term), solved by
// fixed-point steps from a day near the crossing (for a term its usual date,
// about the 6th for a 節, the 21st for a 中気).
double FirstGuess(std::int64_t startDay, double target)
{
    double t = static_cast<double>(startDay - kDayNumberOf2000) - 0.5;
    for (int step = 0; step < 3; ++step) {
        const double c = t / ERFA_DJC;
        const double meanLongitude = 280.46646 + c * (36000.76983 + c * 0.0003032);
        const double m = (357.52911 + c * (35999.05029 - c * 0.0001537)) * kDegree;
        const double centre = (1.914602 - c * (0.004817 + c * 0.000014)) * std::sin(m) +
                              (0.019993 - c * 0.000101) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
        const double node = (125.04 - 1934.136 * c) * kDegree;
        const double longitude = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
        t -= eraAnpm((longitude - target) * kDegree) / kDegree * kMeanDaysPerDegree;
    }
    return t;
}

// Newton's steps from the first guess; one evaluation of the Earth's
// position is usually all it takes (every term of 1900-2100). IAU 2000B
// nutation keeps within about a milliarcsecond of the full series near the
// present, a few hundredths of a second of time.
double SolveForLongitude(double t, double target)
{
    const double targetRadians = target * kDegree;
    double dpsi = NutationInLongitude(t);
    for (int step = 0; step < 8; ++step) {
        const EclipticLongitude l = ApparentSolarLongitude(t, dpsi);
        const double correction = eraAnpm(l.radians - targetRadians) / l.rate;
        t -= correction;
        // Δψ moves with the step (up to 0.2" a day): the root moves with it.
        const double dpsiThere = NutationInLongitude(t);
        t -= (dpsiThere - dpsi) / l.rate;
        dpsi = dpsiThere;
        // What a step leaves is its square times 3·10^-4 a day (the rate's
        // change) and 10^-5 of it (aberration's slow change, left out of the
        // rate): after a step under 0.02 days, hundredths of a second. Over
        // 1583-9999 the results stay within 0.01 s of fully converged ones.
        if (std::fabs(correction) < 0.02)
            break;
    }
    return t;
}

std::int64_t FloorDivide(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

int SolarTermLongitude(int index)
{
    return (285 + 15 * index) % 360;
}

JstDateTime JstFromJulianDate(double julianDateUT, int unitSeconds)
{
    // Units from 1970-01-01 00:00 JST, rounded; the carry may reach the next
    // day, month or year.
    const double daysJst = (julianDateUT - ERFA_DJ00) + 0.5 + kJstOffsetDays + static_cast<double>(kDayNumberOf2000);
    const std::int64_t unitsPerDay = 86400 / unitSeconds;
    const auto units = static_cast<std::int64_t>(std::llround(daysJst * static_cast<double>(unitsPerDay)));
    const std::int64_t dayNumber = FloorDivide(units, unitsPerDay);
    const auto secondOfDay = static_cast<std::int32_t>((units - dayNumber * unitsPerDay) * unitSeconds);
    const CivilDate date = CivilFromDays(dayNumber);
    JstDateTime r;
    r.year = static_cast<std::int32_t>(date.year);
    r.month = date.month;
    r.day = date.day;
    r.hour = secondOfDay / 3600;
    r.minute = secondOfDay / 60 % 60;
    r.second = secondOfDay % 60;
    return r;
}

namespace {

// The usual date of a longitude's crossing in a year: 1 January is near 280.5°.
std::int64_t UsualDay(std::int32_t year, double degrees)
{
    const double daysAfterNewYear = std::fmod(degrees + 79.5, 360.0) * kMeanDaysPerDegree;
    return DayNumber({year, 1, 1}) + static_cast<std::int64_t>(daysAfterNewYear);
}

SolarTermTime TimeOfInstant(double t)
{
    SolarTermTime r;
    r.deltaT = DeltaTSeconds(2000.0 + t / 365.2425);
    const double tUT = t - r.deltaT / ERFA_DAYSEC;
    r.julianDateTT = ERFA_DJ00 + t;
    r.julianDateUT = ERFA_DJ00 + tUT;

    static_cast<JstDateTime&>(r) = JstFromJulianDate(r.julianDateUT, 60);
    return r;
}

}  // namespace

SolarTermTime SolarTermInstant(std::int32_t year, int index)
{
    const double target = SolarTermLongitude(index);
    const std::int32_t month = index / 2 + 1;
    const std::int32_t day = index % 2 == 0 ? 6 : 21;
    return TimeOfInstant(SolveForLongitude(FirstGuess(DayNumber({year, month, day}), target), target));
}

double EstimateSunAtLongitude(std::int32_t year, double degrees)
{
    return FirstGuess(UsualDay(year, degrees), degrees);
}

SolarTermTime SunAtLongitude(std::int32_t year, double degrees)
{
    return TimeOfInstant(SolveForLongitude(EstimateSunAtLongitude(year, degrees), degrees));
}

std::array<SolarTermTime, kSolarTermsPerYear> SolarTermsOfYear(std::int32_t year)
{
    std::array<SolarTermTime, kSolarTermsPerYear> terms;
    for (int i = 0; i < kSolarTermsPerYear; ++i)
        terms[static_cast<std::size_t>(i)] = SolarTermInstant(year, i);
    return terms;
}

}  // namespace vadelon
