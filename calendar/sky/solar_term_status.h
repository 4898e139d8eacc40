#pragma once
// What the almanac window's status bar says beside a report: where the date
// lies against its month's 節入り (and, in January and February, against
// 立春), and so which of the report's two stem-branches and stars applies.
#include <cstdint>
#include <string>

namespace vadelon {

struct Date;

struct SolarTermStatus {
    std::string text;     // one short line, UTF-8
    std::string tooltip;  // the long form, lines joined by "\n"
};

// Both texts are empty for a month outside 1 to 12, a day the month does not
// have, or a year outside the years of the solar terms.
SolarTermStatus ComposeSolarTermStatus(const Date& date);

}  // namespace vadelon
