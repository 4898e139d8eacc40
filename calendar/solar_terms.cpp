#include "calendar/solar_terms.h"

#include "calendar/civil_days.h"
#include "calendar/day_arithmetic.h"
#include "calendar/delta_t.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace vadelon {

const std::array<std::string_view, kSolarTermsPerYear> SolarTermShortNames = {
    "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至",
    "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

namespace {

constexpr double kDegree = ERFA_D2PI / 360.0;
constexpr double kJstOffsetDays = 9.0 / 24.0;
// 2000-01-01 in the day numbers of civil_days (1970-01-01 is 0).
constexpr std::int64_t kDayNumberOf2000 = 10957;
constexpr double kMeanDaysPerDegree = 365.2422 / 360.0;
constexpr double kPrecessionPerDay = 5028.796195 * ERFA_DAS2R / ERFA_DJC;

struct Longitude {
    double radians;  // 0 to 2π
    double rate;     // radians a day
};

// The Sun's apparent geocentric ecliptic longitude at t, days of TT from
// J2000.0 (TT stands in for TDB: they differ by under 2 ms), with Δψ, the
// nutation in longitude, given by the caller.
Longitude ApparentSolarLongitude(double t, double dpsi)
{
    double pvh[2][3], pvb[2][3];
    // Outside 1900-2100 the status warns that the series lose accuracy; the
    // callers know the range and state it, so the warning is not an error.
    (void)eraEpv00(ERFA_DJ00, t, pvh, pvb);

    // The Sun where it was when the light left it: its barycentric motion over
    // the light time (about 8.3 minutes) moves it some kilometres.
    const double distance = eraPm(pvh[0]);
    const double lightDays = distance * ERFA_AULT / ERFA_DAYSEC;
    double toSun[3], sunMotion[3];
    for (int i = 0; i < 3; ++i) {
        const double sunVelocity = pvb[1][i] - pvh[1][i];
        toSun[i] = -pvh[0][i] - lightDays * sunVelocity;
        sunMotion[i] = -pvh[1][i];
    }
    double direction[3], unused;
    eraPn(toSun, &unused, direction);

    // Annual aberration from the Earth's barycentric velocity in units of c.
    double velocity[3];
    for (int i = 0; i < 3; ++i)
        velocity[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double speed = eraPm(velocity);
    double apparent[3];
    eraAb(direction, velocity, distance, std::sqrt(1.0 - speed * speed), apparent);

    // Mean ecliptic and equinox of date (IAU 2006 precession); nutation moves
    // the equinox along that ecliptic by Δψ.
    double rm[3][3];
    eraEcm06(ERFA_DJ00, t, rm);
    double ecliptic[3], position[3], motion[3];
    eraRxp(rm, apparent, ecliptic);
    eraRxp(rm, toSun, position);
    eraRxp(rm, sunMotion, motion);
    // Newton's rate: the geometric motion plus the general precession in
    // longitude (50.3" a year); aberration changes by less than 10^-5 of it.
    const double rate =
        (position[0] * motion[1] - position[1] * motion[0]) / (position[0] * position[0] + position[1] * position[1]) +
        kPrecessionPerDay;
    return {eraAnp(std::atan2(ecliptic[1], ecliptic[0]) + dpsi), rate};
}

// A first guess within minutes near the present (hours in the far future,
// where the formulas drift, and a step or two more): the low-precision solar
// theory of Meeus's "Astronomical Algorithms" (mean longitude, equation of
// the centre, aberration and the chief nutation term), solved by
// fixed-point steps from the term's usual date (about the 6th for a 節, the
// 21st for a 中気).
double FirstGuess(std::int32_t year, int index, double target)
{
    const std::int32_t month = index / 2 + 1;
    const std::int32_t day = index % 2 == 0 ? 6 : 21;
    double t = static_cast<double>(DayNumber(year, month, day) - kDayNumberOf2000) - 0.5;
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
    double dpsi, deps;
    eraNut00b(ERFA_DJ00, t, &dpsi, &deps);
    for (int step = 0; step < 8; ++step) {
        const Longitude l = ApparentSolarLongitude(t, dpsi);
        const double correction = eraAnpm(l.radians - targetRadians) / l.rate;
        t -= correction;
        // Δψ moves with the step (up to 0.2" a day): the root moves with it.
        double dpsiThere;
        eraNut00b(ERFA_DJ00, t, &dpsiThere, &deps);
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

SolarTermTime SolarTermInstant(std::int32_t year, int index)
{
    const double target = SolarTermLongitude(index);
    const double t = SolveForLongitude(FirstGuess(year, index, target), target);

    SolarTermTime r;
    r.deltaT = DeltaTSeconds(2000.0 + t / 365.2425);
    const double tUT = t - r.deltaT / ERFA_DAYSEC;
    r.julianDateTT = ERFA_DJ00 + t;
    r.julianDateUT = ERFA_DJ00 + tUT;

    const JstDateTime jst = JstFromJulianDate(r.julianDateUT, 60);
    r.year = jst.year;
    r.month = jst.month;
    r.day = jst.day;
    r.hour = jst.hour;
    r.minute = jst.minute;
    return r;
}

std::array<SolarTermTime, kSolarTermsPerYear> SolarTermsOfYear(std::int32_t year)
{
    std::array<SolarTermTime, kSolarTermsPerYear> terms;
    for (int i = 0; i < kSolarTermsPerYear; ++i)
        terms[static_cast<std::size_t>(i)] = SolarTermInstant(year, i);
    return terms;
}

}  // namespace vadelon
