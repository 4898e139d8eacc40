#pragma once
// vadelon-calc holidays: the national holidays of a year or a range of years.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

inline constexpr const char* kHolidaysUsage = "vadelon-calc holidays YEAR [LASTYEAR]";

// values: the one or two years as typed. Writes one line "YYYY-MM-DD<TAB>NAME"
// per holiday in date order; returns the exit code.
int ListHolidays(const std::vector<std::string>& values, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
