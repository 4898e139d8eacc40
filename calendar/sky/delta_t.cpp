#include "calendar/sky/delta_t.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vadelon {

namespace {

// ΔT in seconds on 1 January of each year from 1955, when atomic time began
// and ΔT became a measured quantity rather than one inferred from the Moon:
// 1955-1972 from the table of ΔT in The Astronomical Almanac; from 1973
// ΔT = 32.184 s + (TAI − UTC) − (UT1 − UTC) with the IERS values of UT1 − UTC,
// as the U.S. Naval Observatory tabulates them (its "deltat.data") and, from
// 2020, the monthly means of the IERS Earth orientation series ("finals.all")
// on either side of 1 January. The sources agree to 0.01 s where they overlap.
constexpr int kFirstObservedYear = 1955;
constexpr std::array<double, 72> kObservedDeltaT = {
    31.07, 31.35, 31.68, 32.18, 32.68, 33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54,  // 1955
    37.43, 38.29, 39.20, 40.18, 41.17, 42.23, 43.37, 44.48, 45.48, 46.46, 47.52, 48.53,  // 1967
    49.59, 50.54, 51.38, 52.17, 52.96, 53.79, 54.34, 54.87, 55.32, 55.82, 56.30, 56.86,  // 1979
    57.57, 58.31, 59.12, 59.98, 60.79, 61.63, 62.30, 62.97, 63.47, 63.83, 64.09, 64.30,  // 1991
    64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32, 66.60, 66.91, 67.28,  // 2003
    67.64, 68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29, 69.20, 69.18, 69.14, 69.11,  // 2015
};
constexpr double kFirstObserved = kFirstObservedYear;
constexpr double kLastObserved = kFirstObservedYear + static_cast<double>(kObservedDeltaT.size()) - 1;

// Where the polynomials meet the table they differ from it: by 0.02 s in
// 1955, by 6 s in 2026 (the 2005-2050 expression was a forecast, and the
// Earth's rotation has since kept better time than it foresaw). The
// difference is added to the polynomials and fades out: over the five years
// before 1955, and after 2026 over the years until 2150, where the long-term
// parabola takes over alone. So ΔT has no jump at either end, and after the
// last observation it rises at the polynomial's rate from the observed value
// instead of catching up with the old forecast within a few years.
constexpr double kPastBlendYears = 5.0;
constexpr double kLongTermYear = 2150.0;

double LongTermParabola(double year)
{
    const double u = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

// Espenak & Meeus (2006), "Polynomial expressions for Delta T", NASA Eclipse
// Web Site; beyond 2150 their long-term parabola.
double PolynomialDeltaT(double y)
{
    if (y < -500.0)
        return LongTermParabola(y);
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 +
               u * (-1014.41 +
                    u * (33.78311 + u * (-5.952053 + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 + u * (-556.01 + u * (71.23472 +
                                            u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 + t * (-0.332447 +
                            t * (0.0068612 +
                                 t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 +
                                                                          t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    if (y < kLongTermYear)
        return LongTermParabola(y) - 0.5628 * (kLongTermYear - y);
    return LongTermParabola(y);
}

}  // namespace

double DeltaTSeconds(double y)
{
    if (y < kFirstObserved) {
        const double offset = kObservedDeltaT.front() - PolynomialDeltaT(kFirstObserved);
        const double weight = std::clamp((y - (kFirstObserved - kPastBlendYears)) / kPastBlendYears, 0.0, 1.0);
        return PolynomialDeltaT(y) + weight * offset;
    }
    // A NaN takes this branch and comes out as NaN.
    if (!(y < kLastObserved)) {
        const double offset = kObservedDeltaT.back() - PolynomialDeltaT(kLastObserved);
        const double weight = std::clamp((kLongTermYear - y) / (kLongTermYear - kLastObserved), 0.0, 1.0);
        return PolynomialDeltaT(y) + weight * offset;
    }
    const double position = y - kFirstObserved;
    const auto index = static_cast<std::size_t>(position);
    const double fraction = position - static_cast<double>(index);
    return kObservedDeltaT[index] + fraction * (kObservedDeltaT[index + 1] - kObservedDeltaT[index]);
}

}  // namespace vadelon
