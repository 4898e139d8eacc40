#pragma once
// vadelon-calc setsuiri: the 24 solar terms of a year or a range of years.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

inline constexpr const char* kSetsuiriUsage = "vadelon-calc setsuiri [--seconds] YEAR [LASTYEAR]";

// args as RunCalc has them, the command name first. Writes one line
// "NAME<TAB>YYYY-MM-DD HH:MM" (JST; ":SS" added with --seconds) per term;
// returns the exit code.
int Setsuiri(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
