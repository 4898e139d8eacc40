#pragma once
// The rules of the calculator, from the texts of its fields to the texts to
// write or the message to show. The window and vadelon-calc both ask here, so
// that a rule, a limit or a message exists once. Plain C++, no toolkit.
#include "calendar/days/date.h"
#include "calendar/days/era.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vadelon {

// The Western year, month and day fields of a date panel, as typed.
struct DateTexts {
    std::string year;
    std::string month;
    std::string day;
};

// What a run gives: the message to show (after the beep when beep is set),
// then the texts to write into the mode's result fields, in their order.
// A refused input gives a message and no texts; the order failure of the day
// count gives its message and "0".
struct RunResult {
    std::vector<std::string> texts;
    std::string message;
    bool beep = false;
    bool operator==(const RunResult&) const = default;
};

// The messages of a run whose field does not read: of the runs on dates, of
// the runs on years and ages.
const std::string& DateInputMessage();
const std::string& NumberInputMessage();
// The almanac's message for a date before the first Gregorian day: two lines
// joined by "\n".
const std::string& AlmanacDateMessage();
// The day counts' message for dates not strictly in order:
// "日付の前後関係を確認して下さい。"
const std::string& OrderMessage();
// vadelon-calc's message for a range whose last year lies before its first:
// "年の前後関係を確認して下さい。"
const std::string& YearOrderMessage();

// "（金曜日）" and so on; the blank label "（　曜日）" before the first
// Gregorian day; the empty text for the negative remainders that odd days can
// give.
std::string WeekdayLabel(const Date& date);
// "（　曜日）"
const std::string& BlankWeekdayLabel();

// The day count from the upper to the lower date: one text, the number, or a
// word in its place from the limit on.
RunResult RunDayCount(const DateTexts& from, const DateTexts& to);
// The date count days after (forward) or before it: year, month and day.
RunResult RunDateShift(const DateTexts& date, std::string_view count, bool forward);
// The business days (営業日) from the upper to the lower date, counted as the
// day count counts, with or without the year-end closure: the number.
RunResult RunBusinessDayCount(const DateTexts& from, const DateTexts& to, bool yearEndClosure);
// The date of the count-th business day after the date (before it when
// negative): year, month and day.
RunResult RunBusinessDayShift(const DateTexts& date, std::string_view count, bool yearEndClosure);
// The full age in the current year of a person born in the birth year.
RunResult RunAgeCalc(std::string_view birthYear, std::string_view currentYear);
// The birth year of a person of the given full age in the current year.
RunResult RunBirthYearCalc(std::string_view currentYear, std::string_view age);

// The date the almanac is made for, or, with accepted false, the refusal.
struct AlmanacRun {
    bool accepted = false;
    Date date;
    std::string message;
    bool beep = false;
};
AlmanacRun RunAlmanac(const DateTexts& date);

// The weekday label of a panel: blank while the year does not read or the
// month or day is 0 or does not read.
std::string PanelWeekdayLabel(const DateTexts& date);

// The era fields of a panel for its Western year: "－－" and "--" while the
// year does not read; a month or day that does not read counts as 0. ask is
// called only in a year of change that the month and day leave open.
EraText PanelEraTexts(const DateTexts& date, const AskEraChoiceFn& ask);

// The Western year field after an era pick or a key in the era year: the
// empty text when the era year does not read; nothing (leave the field) when
// no era row is picked or the year leaves the 32-bit range.
std::optional<std::string> WesternYearText(std::optional<std::int32_t> eraRow, std::string_view eraYear);

}  // namespace vadelon
