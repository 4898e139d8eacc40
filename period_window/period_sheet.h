#pragma once
// What the window 年齢と期間 shows, from the texts of its fields: a person's
// ages on a day with the school years, 長寿祝い and 厄年 of the birth, and
// the last day of a period. Plain C++ over the calendar core, so that the
// window only shows and reads fields.
#include "calendar/rules/ages.h"
#include "calendar/rules/calculation_rules.h"
#include "calendar/rules/periods.h"

#include <string>
#include <string_view>
#include <vector>

namespace vadelon {

// A row of one of the tables; passed rows lie before the day asked about and
// are shown faded, the current one stands out.
struct SheetRow {
    std::vector<std::string> cells;
    bool passed = false;
    bool current = false;
};

struct AgeSheet {
    // Set when the fields do not give an answer: why. Empty fields give
    // neither a message nor results.
    std::string message;
    bool ok = false;
    std::string fullAge;         // "25歳"
    std::string countedAge;      // "26歳"
    std::string lived;           // "25年3か月4日（9,224日）"
    std::string nextBirthday;    // "2027年2月1日（月）　あと87日で26歳"
    std::string birthYearSigns;  // "辛巳　二黒土星", and on a line of its own the 立春 note
    std::vector<SheetRow> school, longevity, unlucky;
    std::string spoken;  // the summary a screen reader speaks
};

// The birth date's fields and those of the day asked about, each read as the
// calculator reads a field; sex chooses the 厄年.
AgeSheet ComposeAgeSheet(const DateTexts& birth, const DateTexts& day, Sex sex);

struct DeadlineSheet {
    std::string message;
    bool ok = false;
    std::string lastDay;  // "2026年5月8日（金）　令和8年5月8日"
    std::string note;     // the move past a day off, or the counting used
    std::string spoken;
};

DeadlineSheet ComposeDeadline(const DateTexts& start, std::string_view count, PeriodUnit unit, bool firstDayCounted,
                              bool nextBusinessDay);

// "2026年5月8日"; "令和8年5月8日" (元年 for the first year), or the empty text
// outside the era table.
std::string WesternDateText(const Date& date);
std::string JapaneseDateText(const Date& date);
// "日" to "土".
std::string_view WeekdayName(const Date& date);

}  // namespace vadelon
