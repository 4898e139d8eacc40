#pragma once
// Gregorian day arithmetic on Date, carried backwards without limit and with a
// year 0. Out-of-range months count as months of 0 days and out-of-range days
// as offsets within the month. Everything is computed on 64-bit day numbers in
// constant time.
#include "calendar/days/date.h"

#include <cstdint>

namespace vadelon {

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);
std::int32_t DaysInYear(std::int32_t year);
// Whether the date is a real one of the years first to last: a month of 1 to
// 12 and a day of 1 to the month's length.
bool IsRealDateIn(const Date& date, std::int32_t firstYear, std::int32_t lastYear);

// Day number in the arithmetic's own reckoning: days before the year, plus the
// days of months 1 to month-1 that exist, plus day. Differences of it are the
// day counts; 1970-01-01 is 0.
std::int64_t DayNumber(const Date& date);

struct DayCount {
    // False when the first date is not strictly before the second: the caller
    // shows the order message and uses 0.
    bool inOrder = false;
    // Exact, even where it does not fit in 32 bits (it can be negative for
    // out-of-range days); 0 when !inOrder.
    std::int64_t days = 0;
};
DayCount DaysBetween(const Date& from, const Date& to);

enum class ShiftStatus {
    Ok,
    MonthOutOfRange,  // month outside 1 to 12: rejected
    YearOutOfRange,   // the resulting year does not fit in 32 bits
};
struct ShiftedDate {
    ShiftStatus status = ShiftStatus::Ok;
    Date date;  // the real date reached; meaningful only when status is Ok
};
// The date count days after (negative: before) the date.
ShiftedDate ShiftDate(const Date& date, std::int32_t count);

// The date of a day number; YearOutOfRange when its year does not fit in 32
// bits.
ShiftedDate StoreDayNumber(std::int64_t dayNumber);

}  // namespace vadelon
