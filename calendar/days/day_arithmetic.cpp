#include "calendar/days/day_arithmetic.h"

#include "calendar/days/civil_days.h"
#include "calendar/days/integer_reading.h"

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

bool IsRealDateIn(const Date& date, std::int32_t firstYear, std::int32_t lastYear)
{
    return date.year >= firstYear && date.year <= lastYear && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

std::int64_t DayNumber(const Date& date)
{
    return DaysBeforeYear(date.year) + DaysBeforeMonth(date.year, date.month) + (std::int64_t{date.day} - 1);
}

DayCount DaysBetween(const Date& from, const Date& to)
{
    if (!(from < to))
        return DayCount{};
    // The month-by-month sums telescope into a difference of day numbers, for
    // out-of-range months and days as well.
    return DayCount{true, DayNumber(to) - DayNumber(from)};
}

ShiftedDate ShiftDate(const Date& date, std::int32_t count)
{
    if (date.month < 1 || date.month > 12)
        return ShiftedDate{ShiftStatus::MonthOutOfRange, {}};
    // With a real month the carries end on the real date this many days after
    // the 1st of the month.
    return StoreDayNumber(DayNumber({date.year, date.month, 1}) + std::int64_t{date.day} + std::int64_t{count} - 1);
}

ShiftedDate StoreDayNumber(std::int64_t dayNumber)
{
    const CivilDate civil = CivilFromDays(dayNumber);
    if (!FitsInt32(civil.year))
        return ShiftedDate{ShiftStatus::YearOutOfRange, {}};
    return ShiftedDate{ShiftStatus::Ok, {static_cast<std::int32_t>(civil.year), civil.month, civil.day}};
}

}  // namespace vadelon
