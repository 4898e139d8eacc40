#pragma once
// The old calendar as data: every lunisolar month from 445 to 明治5年12月 and
// the era rows from 大化 to 令和, written at build time from data/wareki by
// tools/wareki_table.cpp. Julian day numbers throughout.
#include <cstdint>
#include <span>
#include <string_view>

namespace vadelon::old_calendar {

struct TableMonth {
    std::int32_t firstJdn;
    std::int16_t year;  // the Western year of that year's 1月1日
    std::int8_t month;  // 1 to 12
    bool leap;
};

enum class Court : std::uint8_t { None, South, North };

struct TableEra {
    std::int32_t startJdn;
    std::int32_t endJdn;  // the first day after it; kOpenEnd while it lasts
    std::string_view name;
    std::int32_t firstYear;  // the lunisolar (from 1873 the Western) year of its 元年
    Court court;
};

constexpr std::int32_t kOpenEnd = INT32_MAX;

// Each month's length, the top bit set for a 閏月, as the table is packed.
constexpr std::uint8_t kLeapBit = 0x80;

// The months in order; their last day is the day before the next one's
// first, the last month's the day before kSolarCalendarJdn.
std::span<const TableMonth> Months();
// 1873-01-01, the first day of the solar calendar.
constexpr std::int32_t kSolarCalendarJdn = 2405160;

// In order of their first days (rows of the same day as the data lists them).
std::span<const TableEra> Eras();

// Unpacks the month lengths from the first month on, at compile time: a 閏月
// repeats the number before it, and 1月 begins a year.
template <std::size_t N>
constexpr auto UnpackMonths(const std::uint8_t (&packed)[N], std::int32_t firstJdn, std::int16_t firstYear)
{
    struct Unpacked {
        TableMonth months[N];
    } out{};
    std::int32_t jdn = firstJdn;
    std::int16_t year = firstYear;
    std::int8_t month = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const bool leap = (packed[i] & kLeapBit) != 0;
        if (!leap) {
            month = static_cast<std::int8_t>(month % 12 + 1);
            if (month == 1 && i > 0)
                ++year;
        }
        out.months[i] = TableMonth{jdn, year, month, leap};
        jdn += packed[i] & ~kLeapBit;
    }
    return out;
}

}  // namespace vadelon::old_calendar
