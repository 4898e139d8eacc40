#include "calendar/sky/apparent_longitudes.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace vadelon {

namespace {

constexpr double kPrecessionPerDay = 5028.796195 * ERFA_DAS2R / ERFA_DJC;

// The rate of a longitude from a position and its motion in the mean ecliptic
// of date, plus the general precession in longitude (50.3" a year).
double LongitudeRate(const double (&position)[3], const double (&motion)[3])
{
    return (position[0] * motion[1] - position[1] * motion[0]) /
               (position[0] * position[0] + position[1] * position[1]) +
           kPrecessionPerDay;
}

}  // namespace

double NutationInLongitude(double daysTT)
{
    double dpsi, deps;
    eraNut00b(ERFA_DJ00, daysTT, &dpsi, &deps);
    return dpsi;
}

EclipticLongitude ApparentSolarLongitude(double t, double dpsi)
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
    // Newton's rate: the geometric motion; aberration changes by less than
    // 10^-5 of it.
    return {eraAnp(std::atan2(ecliptic[1], ecliptic[0]) + dpsi), LongitudeRate(position, motion)};
}

EclipticLongitude ApparentLunarLongitude(double t, double dpsi)
{
    // ERFA's Moon: Meeus's abridgement of ELP2000-82B fitted to the modern
    // lunar theory, geocentric, in the GCRS; within a few arcseconds near the
    // present.
    double pv[2][3];
    eraMoon98(ERFA_DJ00, t, pv);

    // Seen from the Earth the Moon's light is 1.3 s old. The Earth's own
    // barycentric motion over that time and the annual aberration it causes
    // cancel to first order (what remains is some 10^-8 of a radian), so the
    // apparent place is the geocentric one moved back along the Moon's
    // geocentric motion: about 0.7".
    const double lightDays = eraPm(pv[0]) * ERFA_AULT / ERFA_DAYSEC;
    double seen[3];
    for (int i = 0; i < 3; ++i)
        seen[i] = pv[0][i] - lightDays * pv[1][i];

    double rm[3][3];
    eraEcm06(ERFA_DJ00, t, rm);
    double position[3], motion[3];
    eraRxp(rm, seen, position);
    eraRxp(rm, pv[1], motion);
    return {eraAnp(std::atan2(position[1], position[0]) + dpsi), LongitudeRate(position, motion)};
}

}  // namespace vadelon
