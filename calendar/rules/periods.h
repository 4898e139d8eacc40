#pragma once
// Periods as the civil law counts them (民法 140–143): a date moved by whole
// months or years, the years-months-days between two dates, and the last day
// of a period in days, weeks, months or years. Dates here are real ones (a
// month of 1 to 12 and a day within it); years run over every 32-bit value
// and the results that leave that range are refused.
#include "calendar/days/date.h"
#include "calendar/days/day_arithmetic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vadelon {

// A month of 1 to 12 and a day of 1 to the month's length, any 32-bit year.
bool IsRealDate(const Date& date);

// The date the given number of months (years) later, earlier when negative; a
// day the month reached lacks becomes its last day (1月31日 and one month:
// 2月29日 or 2月28日). YearOutOfRange when the year leaves 32 bits.
ShiftedDate AddMonths(const Date& date, std::int64_t months);
ShiftedDate AddYears(const Date& date, std::int64_t years);

struct YearsMonthsDays {
    std::int64_t years = 0, months = 0, days = 0;
    bool operator==(const YearsMonthsDays&) const = default;
};

// From a date to one not before it: the most whole years, then months, that
// AddMonths reaches without passing the second date, then the days left
// (2000-01-31 to 2000-02-29 is 1 か月, to 2000-02-28 is 28 日).
YearsMonthsDays PeriodBetween(const Date& from, const Date& to);

enum class PeriodUnit { Days, Weeks, Months, Years };

// 日, 週, か月 (ヶ月, カ月, ケ月, ヵ月, 箇月, 月) and 年, with or without 間
// (3日間, 2週間), or days, weeks, months and years in English.
std::optional<PeriodUnit> ReadPeriodUnit(std::string_view text);
// "日", "週", "か月", "年".
std::string_view PeriodUnitText(PeriodUnit unit);

struct PeriodEnd {
    ShiftStatus status = ShiftStatus::Ok;
    Date lastDay;     // the day the period ends, moved when asked to
    Date lawLastDay;  // the day 民法 143 gives, before any move
    bool moved = false;
};

// The last day of a period of count units from the day start. The first day
// counts only with firstDayCounted (a period that begins at 0:00, or an age);
// otherwise counting begins the next day (初日不算入). Weeks, months and years
// end the day before the day that corresponds to the first counted day, or on
// the last day of the final month when it has no such day. With
// nextBusinessDay a last day that is a Saturday, Sunday, national holiday or
// a day of the year-end closure (29 December to 3 January) moves to the next
// business day (民法 142). count is 1 or more.
PeriodEnd PeriodLastDay(const Date& start, std::int64_t count, PeriodUnit unit, bool firstDayCounted,
                        bool nextBusinessDay);

// The messages of the period and age runs that the date and number messages
// of the calculator do not cover.
// "期間の長さは1以上の数で入力して下さい。"
const std::string& PeriodCountMessage();
// "期間の単位は 日・週・か月・年 のどれかを入力して下さい。"
const std::string& PeriodUnitMessage();
// "計算できる年の範囲を超えています。"
const std::string& YearRangeMessage();

}  // namespace vadelon
