#pragma once
// vadelon-calc kyureki: the months of the lunisolar calendar (旧暦) that
// begin in a year or a range of years, each with its new moon.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

inline constexpr const char* kKyurekiUsage = "vadelon-calc kyureki [--seconds] YEAR [LASTYEAR]";

// args as RunCalc has them, the command name first. Writes one line
// "YYYY年[閏]M月<TAB>YYYY-MM-DD HH:MM" (the new moon in JST; ":SS" added with
// --seconds) per month; returns the exit code.
int Kyureki(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
