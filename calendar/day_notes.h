#pragma once
// The notes (暦注) a calendar prints beside one date: 旧暦, 六曜, 祝日, 節気,
// 雑節 and 月齢, as texts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vadelon {

struct Date;

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

}  // namespace vadelon
