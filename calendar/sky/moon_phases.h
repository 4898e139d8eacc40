#pragma once
// New moons (朔): the instants at which the apparent geocentric ecliptic
// longitudes of the Moon and the Sun are equal, and the moon's age. A
// lunation number counts new moons from that of 2000-01-06 (lunation 0).
#include <cstdint>
#include <optional>

namespace vadelon {

struct Date;

// The years of the lunisolar calendar and the moon's age: from the first year
// of the Gregorian calendar in Japan to the last in which ΔT still leaves the
// date of a new moon in little doubt.
constexpr std::int32_t kFirstLunisolarYear = 1873;
constexpr std::int32_t kLastLunisolarYear = 2100;

// The mean synodic month in days, and J2000.0 (2000-01-01 12:00 TT) as a
// Julian date: where lunations are counted from.
constexpr double kSynodicMonthDays = 29.530588861;
constexpr double kJulianDate2000 = 2451545.0;

// Lunation's new moon as days of TT from J2000.0 by the mean phase and its
// periodic terms (Meeus, "Astronomical Algorithms", ch. 49): within a minute
// over 1873-2100, and no ephemeris evaluated.
double EstimateNewMoon(std::int64_t lunation);

// The lunation whose new moon lies nearest an instant (days of TT from
// J2000.0), by the mean synodic month: one off at most within 15 hours of a
// new moon.
std::int64_t NearestLunation(double daysTT);

struct NewMoonTime {
    double julianDateTT = 0, julianDateUT = 0;
};

// Lunation's new moon solved to a few milliseconds of the ephemeris, in TT and
// in UT (by the ΔT of the solar terms).
NewMoonTime NewMoonInstant(std::int64_t lunation);

// The full moon (望) that follows lunation's new moon: the Moon 180° from the
// Sun in apparent longitude, solved as the new moon is.
NewMoonTime FullMoonInstant(std::int64_t lunation);

// 正午月齢 in tenths of a day as the almanac prints it: from the last new
// moon, its time rounded to the minute, to 12:00 JST of the date, rounded
// half up. Nothing for a date that does not exist or lies outside
// kFirstLunisolarYear to kLastLunisolarYear.
std::optional<std::int32_t> NoonMoonAgeTenths(const Date& date);

}  // namespace vadelon
