#pragma once
// Where the day numbers stand on the Julian date scale and how far JST runs
// ahead of UT: what turns an instant into its JST day.

namespace vadelon {

// 1970-01-01 00:00 UT, the start of day number 0, as a Julian date.
constexpr double kJulianDate1970 = 2440587.5;
// JST is UT+9 hours, in days.
constexpr double kJstOffsetDays = 9.0 / 24.0;

}  // namespace vadelon
