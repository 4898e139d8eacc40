#pragma once
// The notes (暦注) a calendar prints beside one date: 旧暦, 六曜, 祝日, 節気,
// 雑節 and 月齢, one record of a day (what calendar/month_notes keeps for
// every day of a month) and its texts, written here once for koyomi and the
// month calendar.
#include "calendar/notes/lunisolar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vadelon {

struct Date;

enum class MoonMark { None, New, Full };

struct DayNotes {
    std::string_view holiday;    // the national holiday's name
    std::string_view solarTerm;  // the 二十四節気 of the date
    std::vector<std::string_view> zassetsu;
    std::optional<LunisolarDate> lunisolar;  // 445-01-25 to 2100 only
    // The local date of a new or full moon, 1873 to 2100; before, the 1st of
    // each month of the old calendar as its new moon.
    MoonMark moon = MoonMark::None;
};

// "3月20日", "閏11月1日"; with the year "2026年3月20日".
std::string LunisolarMonthDayText(const LunisolarDate& date);
std::string LunisolarDateText(const LunisolarDate& date);
// The 雑節 joined by "・".
std::string ZassetsuText(const std::vector<std::string_view>& names);
// 正午月齢 from tenths of a day: "18.6".
std::string MoonAgeText(std::int32_t tenths);

struct DayNote {
    std::string_view key;  // 旧暦, 六曜, 祝日, 節気, 雑節, 月齢
    std::string value;     // empty where none applies
};

// In that order: 旧暦 as "2026年3月20日" or "2033年閏11月1日", 六曜, the
// national holiday's name, the 二十四節気 of the date, the 雑節 joined by
// "・", and 正午月齢 as "18.6". 旧暦 and 六曜 exist from 445-01-25 (the old
// calendar's first day) to 2100-12-31, 月齢 from 1873, 節気 and 雑節 from 1583,
// holidays from 1948-07-20. Nothing for a date that does not exist or lies
// outside the years 445 to 9999.
std::optional<std::array<DayNote, 6>> DayNotesOf(const Date& date);

// The six notes of a day's record and its 正午月齢.
std::array<DayNote, 6> DayNoteTexts(const DayNotes& notes, std::optional<std::int32_t> moonAgeTenths);

}  // namespace vadelon
