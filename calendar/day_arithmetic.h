#pragma once
// Gregorian day arithmetic, carried backwards without limit and with a year 0.
// Out-of-range months count as months of 0 days and out-of-range days as
// offsets within the month. Everything is computed on 64-bit day numbers in
// constant time.
#include <cstdint>
#include <string>

namespace vadelon {

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);
std::int32_t DaysInYear(std::int32_t year);

// Day number in the arithmetic's own reckoning: days before the year, plus the
// days of months 1 to month-1 that exist, plus day. Differences of it are the
// day counts; 1970-01-01 is 0.
std::int64_t DayNumber(std::int32_t year, std::int32_t month, std::int32_t day);

// True when (y1, m1, d1) lies strictly before (y2, m2, d2), compared field by
// field as raw integers.
bool DateFieldsBefore(std::int32_t y1, std::int32_t m1, std::int32_t d1, std::int32_t y2, std::int32_t m2,
                      std::int32_t d2);

struct DayCount {
    // False when the first date is not strictly before the second: the caller
    // shows OrderMessage() and uses 0.
    bool inOrder = false;
    // Exact, even where it does not fit in 32 bits (it can be negative for
    // out-of-range days); 0 when !inOrder.
    std::int64_t days = 0;
};
DayCount DaysBetween(std::int32_t year1, std::int32_t month1, std::int32_t day1, std::int32_t year2,
                     std::int32_t month2, std::int32_t day2);

// "日付の前後関係を確認して下さい。"
const std::string& OrderMessage();

enum class ShiftStatus {
    Ok,
    MonthOutOfRange,  // month outside 1 to 12: rejected, nothing changed
    YearOutOfRange,   // the resulting year does not fit in 32 bits: nothing changed
};
// Moves the date count days (negative: back). On anything but Ok the three
// fields are left as they were.
ShiftStatus ShiftDate(std::int32_t& year, std::int32_t& month, std::int32_t& day, std::int32_t count);

// Writes the date of a day number into the three fields; YearOutOfRange (the
// fields left as they were) when its year does not fit in 32 bits.
ShiftStatus StoreDayNumber(std::int64_t dayNumber, std::int32_t& year, std::int32_t& month, std::int32_t& day);

// "（金曜日）" and so on; the blank label "（　曜日）" before 1582-10-15; the
// empty text for the negative remainders that odd days can give.
std::string WeekdayLabel(std::int32_t year, std::int32_t month, std::int32_t day);
// "（　曜日）"
const std::string& BlankWeekdayLabel();

}  // namespace vadelon
