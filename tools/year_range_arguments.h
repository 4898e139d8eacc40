#pragma once
// The arguments "[--seconds] YEAR [LASTYEAR]" of the commands that list
// instants over a range of years (setsuiri, kyureki).
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vadelon::tools {

struct YearRange {
    bool seconds = false;
    std::int32_t first = 0, last = 0;
};

struct YearLimits {
    std::int32_t first, last;
    std::string_view message;  // when a year lies outside them
};

// args as RunCalc has them, the command name first. On a fault the message
// (and the usage line for wrong arguments) goes to err and the exit code
// comes back instead of the range.
std::variant<YearRange, int> ReadYearRange(const std::vector<std::string>& args, std::string_view usage,
                                           const YearLimits& limits, std::ostream& err);

// "YYYY-MM-DD HH:MM" in JST of a Julian date in UT, to the nearest minute, or
// "YYYY-MM-DD HH:MM:SS" to the nearest second.
std::string JstText(double julianDateUT, bool seconds);

}  // namespace vadelon::tools
