#include "calendar/days/almanac.h"

#include "calendar/days/day_arithmetic.h"

namespace vadelon {

const std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const std::array<std::string_view, 12> BranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                      "午", "未", "申", "酉", "戌", "亥"};
const std::array<std::string_view, 9> StarNames = {"一白水星", "二黒土星", "三碧木星", "四緑木星", "五黄土星",
                                                   "六白金星", "七赤金星", "八白土星", "九紫火星"};
const std::array<std::string_view, 12> SolarTermNames = {
    "小寒（１月６日頃）", "立春（２月４日頃）",   "啓蟄（３月６日頃）",   "清明（４月５日頃）",
    "立夏（５月６日頃）", "芒種（６月６日頃）",   "小暑（７月７日頃）",   "立秋（８月８日頃）",
    "白露（９月８日頃）", "寒露（１０月９日頃）", "立冬（１１月８日頃）", "大雪（１２月７日頃）"};

namespace {

constexpr std::int64_t kJulianDayOfFirstGregorianDay = 2299161;

// Never negative, so a date before the reform cannot index outside a table.
std::size_t Remainder(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t r = value % divisor;
    return static_cast<std::size_t>(r < 0 ? r + divisor : r);
}

std::string StarOfYear(std::int64_t year)
{
    std::int64_t number = 11 - static_cast<std::int64_t>(Remainder(year, 9));
    if (number > 9)
        number -= 9;
    return std::string(StarNames[static_cast<std::size_t>(number - 1)]);
}

}  // namespace

bool AlmanacAcceptsDate(const Date& date)
{
    return !(date < kFirstGregorianDay);
}

AlmanacValues ComputeAlmanac(const Date& date)
{
    AlmanacValues v;
    const std::int64_t y = date.year;
    const std::int32_t month = date.month;
    v.julianDay = kJulianDayOfFirstGregorianDay + DayNumber(date) - DayNumber(kFirstGregorianDay);
    v.adopted = y >= 1873;

    v.dayStem = StemNames[Remainder(v.julianDay + 9, 10)];
    v.dayBranch = BranchNames[Remainder(v.julianDay + 1, 12)];

    v.yearStem = StemNames[Remainder(y + 6, 10)];
    v.yearBranch = BranchNames[Remainder(y + 8, 12)];
    v.yearStar = StarOfYear(y);

    v.prevYearStem = StemNames[Remainder(y + 5, 10)];
    v.prevYearBranch = BranchNames[Remainder(y + 7, 12)];
    v.prevYearStar = StarOfYear(y - 1);

    // The month stem keeps the sign of its dividend: a month far below 1 has
    // no stem at all.
    const std::int64_t base = (2 * static_cast<std::int64_t>(Remainder(y, 10)) + 2) % 10;
    const std::int64_t s = (base + month) % 10;
    if (s >= 0) {
        v.monthStem = StemNames[static_cast<std::size_t>(s)];
        v.prevMonthStem = StemNames[static_cast<std::size_t>((s + 9) % 10)];
    }
    if (month >= 1 && month <= 12) {
        v.monthBranch = BranchNames[static_cast<std::size_t>(month % 12)];
        v.prevMonthBranch = BranchNames[static_cast<std::size_t>((month + 11) % 12)];
        v.solarTerm = SolarTermNames[static_cast<std::size_t>(month - 1)];
    }
    return v;
}

}  // namespace vadelon
