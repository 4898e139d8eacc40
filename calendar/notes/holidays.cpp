#include "calendar/notes/holidays.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/notes/holiday_rules.h"

namespace vadelon {

using holiday_detail::DayHoliday;
using holiday_detail::YearHolidays;

namespace {

bool InRange(std::int32_t year)
{
    return year >= kFirstHolidayYear && year <= kLastHolidayYear;
}

YearHolidays HolidaysOfRealYear(std::int32_t year)
{
    return holiday_detail::HolidaysOfShape(holiday_detail::ShapeOfYear(year));
}

}  // namespace

std::string_view HolidayName(const Date& date)
{
    if (!IsRealDateIn(date, kFirstHolidayYear, kLastHolidayYear))
        return {};
    const int dayOfYear = holiday_detail::DayOfYear(DaysInYear(date.year) == 366, date.month, date.day);
    const YearHolidays holidays = HolidaysOfRealYear(date.year);
    for (int i = 0; i < holidays.count; ++i) {
        const DayHoliday& h = holidays.days[static_cast<std::size_t>(i)];
        if (h.dayOfYear == dayOfYear)
            return h.name;
    }
    return {};
}

std::vector<Holiday> HolidaysOfYear(std::int32_t year)
{
    std::vector<Holiday> result;
    if (!InRange(year))
        return result;
    const YearHolidays holidays = HolidaysOfRealYear(year);
    const bool leap = DaysInYear(year) == 366;
    result.reserve(static_cast<std::size_t>(holidays.count));
    for (int i = 0; i < holidays.count; ++i) {
        const DayHoliday& h = holidays.days[static_cast<std::size_t>(i)];
        std::int32_t month = 1;
        while (month < 12 && holiday_detail::DayOfYear(leap, month + 1, 1) <= h.dayOfYear)
            ++month;
        result.push_back(Holiday{month, h.dayOfYear - holiday_detail::DayOfYear(leap, month, 1) + 1, h.name});
    }
    return result;
}

}  // namespace vadelon
