#pragma once
// 和暦 day by day: the era dates of a day and the day of an era date, from
// 大化 (645) on. Until 明治5年12月2日 (1872-12-31) an era date counts the
// lunisolar calendar's years, months and days; from 1873-01-01 the solar
// calendar's. Days are Julian day numbers (calendar/days/julian_days.h).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vadelon {

// The first and last days the era dates answer: the old calendar's first day
// (445-01-25, Julian 445-01-21) and 9999-12-31.
constexpr std::int64_t kFirstWarekiJdn = 1883618;
constexpr std::int64_t kLastWarekiJdn = 5373484;

struct EraDate {
    std::string_view era;   // today's kanji; empty for a day without an era
    std::int32_t year = 0;  // the era's year, 1 for 元年; without an era the lunisolar year
    std::int32_t month = 0, day = 0;
    bool leap = false;
    std::string_view court;  // 南朝 or 北朝 where the two courts count apart, else empty
    bool operator==(const EraDate&) const = default;
};

// Every reading of a day, in the order of the eras' first days: one most
// days; two in the 南北朝 where the courts' eras differ and from 慶応4年1月1日
// to 9月7日 (慶応4年 and 明治元年, 明治 being counted from 1月1日). A day before
// 大化 or in the gaps of 654–686 and 686–701 gets one reading without an
// era. None outside kFirstWarekiJdn to kLastWarekiJdn.
std::vector<EraDate> EraDatesOf(std::int64_t jdn);

// "元禄15年12月14日", "明治元年9月8日", "慶応4年閏4月11日", "正平7年1月1日（南朝）", and
// without an era the 干支 of the lunisolar year: "甲子年4月3日".
std::string EraDateText(const EraDate& date);

// The era of a name in today's or old kanji (應永 = 応永, 元祿 = 元禄), as
// EraDatesOf writes it; nothing for no era.
std::optional<std::string_view> EraNameOf(std::string_view name);

// The day of an era date. An era year is counted from its 元年's 1月1日 and
// may run to the end of the year in which the era changed, as history books
// write the change (慶応4年9月8日, the day 明治 was proclaimed; 明治元年1月1日).
// A month or day that year does not have (a 閏月 in a year without one, the
// 30th of a month of 29 days, 明治5年12月3日) or a year the era does not
// reach gives the message that says which.
std::variant<std::int64_t, std::string> DayOfEraDate(std::string_view era, std::int32_t year, std::int32_t month,
                                                     bool leap, std::int32_t day);

}  // namespace vadelon
