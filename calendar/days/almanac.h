#pragma once
// Almanac values of a date (Julian day, stem-branches, nine-star) and the
// report text, reckoned by the calendar alone.
#include "calendar/days/date.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vadelon {

extern const std::array<std::string_view, 10> StemNames;
extern const std::array<std::string_view, 12> BranchNames;
extern const std::array<std::string_view, 9> StarNames;        // star number 1 to 9 at index 0 to 8
extern const std::array<std::string_view, 12> SolarTermNames;  // month 1 to 12 at index 0 to 11

struct AlmanacValues {
    std::int64_t julianDay = 0;
    bool adopted = false;
    std::string yearStem, yearBranch, yearStar;
    std::string prevYearStem, prevYearBranch, prevYearStar;
    std::string monthStem, monthBranch;
    std::string prevMonthStem, prevMonthBranch;
    std::string dayStem, dayBranch;
    std::string solarTerm;
};

// For a date the almanac takes; months outside 1 to 12 give empty month texts
// as the report expects.
AlmanacValues ComputeAlmanac(const Date& date);

// True when the almanac takes the date: not before kFirstGregorianDay, field
// by field.
bool AlmanacAcceptsDate(const Date& date);

// The six texts of the upper panel exactly as the window shows them.
struct AlmanacPanelTexts {
    std::string westernYear;  // Edit1
    std::string eraName;      // ComboBox1
    std::string eraYear;      // Edit2
    std::string month;        // Edit3
    std::string day;          // Edit4
    std::string weekday;      // Label8
};

struct AlmanacReport {
    std::vector<std::string> lines;
    std::string caption;
};

AlmanacReport ComposeAlmanacReport(const Date& date, const AlmanacPanelTexts& texts);

}  // namespace vadelon
