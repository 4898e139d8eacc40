#include "calendar/sky/moon_phases.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/sky/apparent_longitudes.h"
#include "calendar/sky/delta_t.h"
#include "calendar/sky/jst_days.h"
#include "calendar/sky/solar_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace vadelon {

namespace {

constexpr double kDegree = ERFA_D2PI / 360.0;
// Lunation 0's mean new moon, days of TT from J2000.0.
constexpr double kMeanNewMoon0 = 5.09766;
constexpr std::int64_t kMinutesPerDay = 1440;
// Nearer to noon than this, the estimate of a new moon cannot tell its side.
constexpr double kEstimateDoubt = 0.01;

struct Term {
    double coefficient;
    int e, mPrime, m, f;  // powers of E, multiples of M', M and F
};

// The new moon's periodic terms in days: the Moon's mean anomaly M', the
// Sun's M, the Moon's argument of latitude F; E shrinks the terms in M with
// the Earth's orbital eccentricity.
constexpr Term kNewMoonTerms[] = {
    {-0.40720, 0, 1, 0, 0}, {0.17241, 1, 0, 1, 0},    {0.01608, 0, 2, 0, 0},  {0.01039, 0, 0, 0, 2},
    {0.00739, 1, 1, -1, 0}, {-0.00514, 1, 1, 1, 0},   {0.00208, 2, 0, 2, 0},  {-0.00111, 0, 1, 0, -2},
    {-0.00057, 0, 1, 0, 2}, {0.00056, 1, 2, 1, 0},    {-0.00042, 0, 3, 0, 0}, {0.00042, 1, 0, 1, 2},
    {0.00038, 1, 0, 1, -2}, {-0.00024, 1, 2, -1, 0},  {-0.00007, 0, 1, 2, 0}, {0.00004, 0, 2, 0, -2},
    {0.00004, 0, 0, 3, 0},  {0.00003, 0, 1, 1, -2},   {0.00003, 0, 2, 0, 2},  {-0.00003, 0, 1, 1, 2},
    {0.00003, 0, 1, -1, 2}, {-0.00002, 0, 1, -1, -2}, {-0.00002, 0, 3, 1, 0}, {0.00002, 0, 4, 0, 0},
};

// The planetary arguments: (amplitude in days, phase and degrees a lunation).
struct PlanetaryTerm {
    double coefficient, phase, perLunation;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
    {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
    {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
    {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
    {0.000023, 331.55, 3.592518},
};

// Days of TT from J2000.0 to 12:00 JST of a day number.
double NoonJstTT(std::int64_t dayNumber)
{
    const double julianDateUT = kJulianDate1970 + static_cast<double>(dayNumber) + 0.125;
    const double year = 2000.0 + (julianDateUT - ERFA_DJ00) / 365.2425;
    return julianDateUT - ERFA_DJ00 + DeltaTSeconds(year) / ERFA_DAYSEC;
}

// Minutes from 1970-01-01 00:00 JST of a new moon's time rounded to the
// minute, as the almanac prints it.
std::int64_t JstMinute(const NewMoonTime& t)
{
    const JstDateTime jst = JstFromJulianDate(t.julianDateUT, 60);
    return DayNumber(jst.date()) * kMinutesPerDay + jst.hour * 60 + jst.minute;
}

double DeltaTDays(double daysTT)
{
    return DeltaTSeconds(2000.0 + daysTT / 365.2425) / ERFA_DAYSEC;
}

// The instant near t (days of TT from J2000.0) at which the Moon stands
// elongation radians east of the Sun, by Newton's steps on the difference of
// the two longitudes. The Sun moves a thirteenth as fast as the Moon and
// smoothly: evaluated once (the costly part, the Earth's ephemeris), then
// carried along its rate, it stays within 10^-3" of the full reckoning for an
// hour. Nutation moves both alike and drops out.
NewMoonTime SolveElongation(double t, double elongation)
{
    double sunAt = t;
    EclipticLongitude sun = ApparentSolarLongitude(t, 0.0);
    for (int step = 0; step < 10; ++step) {
        if (std::fabs(t - sunAt) > 0.04) {
            sunAt = t;
            sun = ApparentSolarLongitude(t, 0.0);
        }
        const EclipticLongitude moon = ApparentLunarLongitude(t, 0.0);
        const double gap = eraAnpm(moon.radians - (sun.radians + sun.rate * (t - sunAt)) - elongation);
        const double correction = gap / (moon.rate - sun.rate);
        t -= correction;
        if (std::fabs(correction) < 1e-7)
            break;
    }
    return {ERFA_DJ00 + t, ERFA_DJ00 + t - DeltaTDays(t)};
}

// The mean phase and its periodic terms at k lunations from lunation 0's
// new moon. The terms are the new moon's; at k + 0.5 they put the full moon
// within a few minutes (its own terms differ by under a thousandth of a day),
// close enough for Newton's steps to settle it as fast.
double EstimatePhase(double k)
{
    const double t = k / 1236.85;  // Julian centuries from J2000.0
    const double t2 = t * t;
    const double mean =
        kMeanNewMoon0 + kSynodicMonthDays * k + t2 * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));
    const double e = 1.0 - t * (0.002516 + t * 0.0000074);
    const double m = (2.5534 + 29.10535670 * k - t2 * (0.0000014 + t * 0.00000011)) * kDegree;
    const double mPrime =
        (201.5643 + 385.81693528 * k + t2 * (0.0107582 + t * (0.00001238 - t * 0.000000058))) * kDegree;
    const double f = (160.7108 + 390.67050284 * k - t2 * (0.0016118 + t * (0.00000227 - t * 0.000000011))) * kDegree;
    const double node = (124.7746 - 1.56375588 * k + t2 * (0.0020672 + t * 0.00000215)) * kDegree;

    double sum = -0.00017 * std::sin(node);
    for (const Term& term : kNewMoonTerms) {
        const double factor = term.e == 0 ? 1.0 : term.e == 1 ? e : e * e;
        sum += term.coefficient * factor * std::sin(term.mPrime * mPrime + term.m * m + term.f * f);
    }
    sum += 0.000325 * std::sin((299.77 + 0.107408 * k - 0.009173 * t2) * kDegree);
    for (const PlanetaryTerm& term : kPlanetaryTerms)
        sum += term.coefficient * std::sin((term.phase + term.perLunation * k) * kDegree);
    return mean + sum;
}

}  // namespace

double EstimateNewMoon(std::int64_t lunation)
{
    return EstimatePhase(static_cast<double>(lunation));
}

std::int64_t NearestLunation(double daysTT)
{
    return static_cast<std::int64_t>(std::floor((daysTT - kMeanNewMoon0) / kSynodicMonthDays + 0.5));
}

NewMoonTime NewMoonInstant(std::int64_t lunation)
{
    return SolveElongation(EstimateNewMoon(lunation), 0.0);
}

NewMoonTime FullMoonInstant(std::int64_t lunation)
{
    return SolveElongation(EstimatePhase(static_cast<double>(lunation) + 0.5), ERFA_DPI);
}

std::optional<std::int32_t> NoonMoonAgeTenths(const Date& date)
{
    if (!IsRealDateIn(date, kFirstLunisolarYear, kLastLunisolarYear))
        return std::nullopt;
    const std::int64_t dayNumber = DayNumber(date);
    const std::int64_t noonMinute = dayNumber * kMinutesPerDay + kMinutesPerDay / 2;
    const double noon = NoonJstTT(dayNumber);
    std::int64_t lunation = NearestLunation(noon);
    if (EstimateNewMoon(lunation) > noon)
        --lunation;
    // The estimate settles the side of noon but for a new moon that near it.
    std::int64_t minute = JstMinute(NewMoonInstant(lunation));
    if (minute > noonMinute) {
        minute = JstMinute(NewMoonInstant(--lunation));
    } else if (EstimateNewMoon(lunation + 1) - noon < kEstimateDoubt) {
        const std::int64_t next = JstMinute(NewMoonInstant(lunation + 1));
        if (next <= noonMinute)
            minute = next;
    }
    // Tenths of a day are 144 minutes; half of one rounds up.
    return static_cast<std::int32_t>((noonMinute - minute + 72) / 144);
}

}  // namespace vadelon
