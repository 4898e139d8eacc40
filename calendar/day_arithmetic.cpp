#include "calendar/day_arithmetic.h"

#include "calendar/civil_days.h"

#include <string_view>

namespace vadelon {

namespace {

// Days of the months 1 to month-1 of a year, by the month clamped to 1 to 13:
// months outside 1 to 12 have no days, so anything past 12 counts the whole
// year and anything below 2 counts nothing.
constexpr std::int32_t kDaysBefore[14] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

std::int64_t DaysBeforeMonth(std::int32_t year, std::int32_t month)
{
    const std::int32_t index = month < 1 ? 1 : (month > 13 ? 13 : month);
    const std::int64_t leapDay = (index > 2 && IsLeapYear(year)) ? 1 : 0;
    return kDaysBefore[index] + leapDay;
}

// By the remainder of the count from 1582-10-14, a Thursday.
constexpr std::string_view kWeekdayLabels[7] = {"（木曜日）", "（金曜日）", "（土曜日）", "（日曜日）",
                                                "（月曜日）", "（火曜日）", "（水曜日）"};

}  // namespace

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 0;
    }
}

std::int32_t DaysInYear(std::int32_t year)
{
    return IsLeapYear(year) ? 366 : 365;
}

std::int64_t DayNumber(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return DaysBeforeYear(year) + DaysBeforeMonth(year, month) + (std::int64_t{day} - 1);
}

bool DateFieldsBefore(std::int32_t y1, std::int32_t m1, std::int32_t d1, std::int32_t y2, std::int32_t m2,
                      std::int32_t d2)
{
    if (y1 != y2)
        return y1 < y2;
    if (m1 != m2)
        return m1 < m2;
    return d1 < d2;
}

DayCount DaysBetween(std::int32_t year1, std::int32_t month1, std::int32_t day1, std::int32_t year2,
                     std::int32_t month2, std::int32_t day2)
{
    if (!DateFieldsBefore(year1, month1, day1, year2, month2, day2))
        return DayCount{};
    // The month-by-month sums telescope into a difference of day numbers, for
    // out-of-range months and days as well.
    return DayCount{true, DayNumber(year2, month2, day2) - DayNumber(year1, month1, day1)};
}

const std::string& OrderMessage()
{
    static const std::string text = "日付の前後関係を確認して下さい。";
    return text;
}

ShiftStatus ShiftDate(std::int32_t& year, std::int32_t& month, std::int32_t& day, std::int32_t count)
{
    if (month < 1 || month > 12)
        return ShiftStatus::MonthOutOfRange;
    // With a real month the carries end on the real date this many days after
    // the 1st of the month.
    const std::int64_t target = DayNumber(year, month, 1) + std::int64_t{day} + std::int64_t{count} - 1;
    return StoreDayNumber(target, year, month, day);
}

ShiftStatus StoreDayNumber(std::int64_t dayNumber, std::int32_t& year, std::int32_t& month, std::int32_t& day)
{
    const CivilDate date = CivilFromDays(dayNumber);
    if (date.year < INT32_MIN || date.year > INT32_MAX)
        return ShiftStatus::YearOutOfRange;
    year = static_cast<std::int32_t>(date.year);
    month = date.month;
    day = date.day;
    return ShiftStatus::Ok;
}

std::string WeekdayLabel(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (DateFieldsBefore(year, month, day, 1582, 10, 15))
        return BlankWeekdayLabel();
    const std::int64_t n = DaysBetween(1582, 10, 14, year, month, day).days;
    const std::int64_t remainder = n % 7;
    // Odd days just after the reference can give a negative count: no label.
    if (remainder < 0)
        return std::string();
    return std::string(kWeekdayLabels[remainder]);
}

const std::string& BlankWeekdayLabel()
{
    static const std::string text = "（　曜日）";
    return text;
}

}  // namespace vadelon
