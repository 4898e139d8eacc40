#pragma once
// The 24 solar terms (二十四節気): the instants at which the Sun's apparent
// geocentric ecliptic longitude, referred to the true equinox and ecliptic of
// date, reaches a multiple of 15°, given in Japan Standard Time (UTC+9).
#include "calendar/days/date.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vadelon {

constexpr std::int32_t kFirstSolarTermYear = 1583;
constexpr std::int32_t kLastSolarTermYear = 9999;
constexpr int kSolarTermsPerYear = 24;

// In calendar order from 小寒 (285°) to 冬至 (270°); the even indices are the
// 節 that open a month (index 2·(month − 1)), the odd ones the 中気.
extern const std::array<std::string_view, kSolarTermsPerYear> SolarTermShortNames;

// The ecliptic longitude in degrees that term index reaches: 285, 300, ... 270.
int SolarTermLongitude(int index);

struct JstDateTime {
    std::int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    Date date() const { return {year, month, day}; }
};

// Japan Standard Time rounded to the nearest minute (second is 0), with the
// unrounded instant as Julian dates, in Terrestrial Time and in Universal
// Time, and ΔT = TT − UT in seconds.
struct SolarTermTime : JstDateTime {
    double julianDateTT = 0, julianDateUT = 0, deltaT = 0;
};

// The Japan Standard Time of a Julian date in UT, rounded to the nearest
// multiple of unitSeconds (60: the nearest minute; 1: the nearest second).
JstDateTime JstFromJulianDate(double julianDateUT, int unitSeconds);

// Year in kFirstSolarTermYear..kLastSolarTermYear, index in 0..23.
SolarTermTime SolarTermInstant(std::int32_t year, int index);

std::array<SolarTermTime, kSolarTermsPerYear> SolarTermsOfYear(std::int32_t year);

// The Sun at any apparent longitude (0 <= degrees < 360): the crossing in
// year near its usual date (the 雑節 入梅 at 80°, 土用 at 27°, ...).
SolarTermTime SunAtLongitude(std::int32_t year, double degrees);

// The same crossing as days of TT from J2000.0 by the low-precision solar
// theory that starts the search: within about a quarter of an hour near the
// present, and no ephemeris evaluated.
double EstimateSunAtLongitude(std::int32_t year, double degrees);

}  // namespace vadelon
