#pragma once
// 雑節, the seasonal days of the Japanese almanac, and the 二十四節気 of a
// date, on JST dates (the dates of the times rounded to the minute, as the
// almanac prints them). Years kFirstSolarTermYear to kLastSolarTermYear.
#include <cstdint>
#include <string_view>
#include <vector>

namespace vadelon {

struct Date;

// The 雑節 of a date, in this order where several fall on it: 節分 (the day
// before 立春), 彼岸入り and 彼岸明け (three days before and after 春分 and
// 秋分), 社日, 八十八夜 (立春 + 87 days), 入梅 (the Sun at 80°), 半夏生 (100°),
// 土用入り (297°, 27°, 117°, 207°), 土用の丑の日 (a 丑 day from 土用入り up to
// the day before the next 立春, 立夏, 立秋 or 立冬), 二百十日 and 二百二十日
// (立春 + 209 and + 219 days).
//
// 社日 is the 戊 day nearest 春分 or 秋分. When the equinox falls on a 癸 day
// two 戊 days lie five days away: the earlier is taken when the equinox comes
// before 12:00 JST, the later from noon on (the 戊 day whose middle lies
// nearer the instant).
//
// Nothing for a date that does not exist or lies outside the years.
std::vector<std::string_view> ZassetsuOf(const Date& date);

struct DatedZassetsu {
    std::int32_t month = 0, day = 0;
    std::string_view name;
    bool operator==(const DatedZassetsu&) const = default;
};

// The 雑節 of a whole year in date order (several on one date in ZassetsuOf's
// order), each crossing solved once: what ZassetsuOf gives day by day, for
// about a twelfth of the cost of asking it for every day.
std::vector<DatedZassetsu> ZassetsuOfYear(std::int32_t year);

// The 二十四節気 whose JST date is the date (far in the future 小寒 of the
// next year can fall on 31 December), or the empty view.
std::string_view SolarTermOn(const Date& date);

}  // namespace vadelon
