#include "calendar/rules/periods.h"

#include "calendar/days/integer_reading.h"
#include "calendar/notes/business_days.h"

#include <utility>

namespace vadelon {

namespace {

// The first day of the month that lies months after the date's month, as a
// year and a month; the year may leave 32 bits.
struct YearMonth {
    std::int64_t year;
    std::int32_t month;
};

YearMonth MonthsLater(const Date& date, std::int64_t months)
{
    const std::int64_t index = std::int64_t{date.year} * 12 + (date.month - 1) + months;
    std::int64_t year = index / 12, rest = index % 12;
    if (rest < 0) {
        rest += 12;
        --year;
    }
    return YearMonth{year, static_cast<std::int32_t>(rest + 1)};
}

ShiftedDate OutOfRange()
{
    return ShiftedDate{ShiftStatus::YearOutOfRange, {}};
}

bool IsBusinessDay(const Date& day)
{
    // The count over one day is that day's: 1 for a business day.
    return BusinessDaysBetween({day.year, day.month, day.day - 1}, day, true).days == 1;
}

}  // namespace

bool IsRealDate(const Date& date)
{
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

ShiftedDate AddMonths(const Date& date, std::int64_t months)
{
    const YearMonth reached = MonthsLater(date, months);
    if (!FitsInt32(reached.year))
        return OutOfRange();
    const auto year = static_cast<std::int32_t>(reached.year);
    const std::int32_t length = DaysInMonth(year, reached.month);
    return ShiftedDate{ShiftStatus::Ok, {year, reached.month, date.day < length ? date.day : length}};
}

ShiftedDate AddYears(const Date& date, std::int64_t years)
{
    return AddMonths(date, years * 12);
}

YearsMonthsDays PeriodBetween(const Date& from, const Date& to)
{
    std::int64_t months = (std::int64_t{to.year} - from.year) * 12 + (to.month - from.month);
    // Within the second date's month, the day the months reach may still lie
    // after it: one month fewer then.
    Date reached = AddMonths(from, months).date;
    if (to < reached)
        reached = AddMonths(from, --months).date;
    return YearsMonthsDays{months / 12, months % 12, DayNumber(to) - DayNumber(reached)};
}

std::optional<PeriodUnit> ReadPeriodUnit(std::string_view text)
{
    if (text.ends_with("間") && text.size() > std::string_view("間").size())
        text.remove_suffix(std::string_view("間").size());
    static constexpr std::pair<std::string_view, PeriodUnit> kUnits[] = {
        {"日", PeriodUnit::Days},       {"days", PeriodUnit::Days},   {"週", PeriodUnit::Weeks},
        {"weeks", PeriodUnit::Weeks},   {"か月", PeriodUnit::Months}, {"ヶ月", PeriodUnit::Months},
        {"カ月", PeriodUnit::Months},   {"ケ月", PeriodUnit::Months}, {"ヵ月", PeriodUnit::Months},
        {"ｶ月", PeriodUnit::Months},    {"箇月", PeriodUnit::Months}, {"月", PeriodUnit::Months},
        {"months", PeriodUnit::Months}, {"年", PeriodUnit::Years},    {"years", PeriodUnit::Years},
    };
    for (const auto& [name, unit] : kUnits) {
        if (text == name)
            return unit;
    }
    return std::nullopt;
}

std::string_view PeriodUnitText(PeriodUnit unit)
{
    switch (unit) {
    case PeriodUnit::Days: return "日";
    case PeriodUnit::Weeks: return "週";
    case PeriodUnit::Months: return "か月";
    case PeriodUnit::Years: return "年";
    }
    return {};
}

PeriodEnd PeriodLastDay(const Date& start, std::int64_t count, PeriodUnit unit, bool firstDayCounted,
                        bool nextBusinessDay)
{
    PeriodEnd end;
    const std::int64_t first = DayNumber(start) + (firstDayCounted ? 0 : 1);
    ShiftedDate last;
    if (unit == PeriodUnit::Days || unit == PeriodUnit::Weeks) {
        const std::int64_t days = unit == PeriodUnit::Weeks ? 7 * count : count;
        last = StoreDayNumber(first + days - 1);
    } else {
        const ShiftedDate firstDay = StoreDayNumber(first);
        if (firstDay.status != ShiftStatus::Ok) {
            end.status = firstDay.status;
            return end;
        }
        const YearMonth reached = MonthsLater(firstDay.date, unit == PeriodUnit::Years ? 12 * count : count);
        if (!FitsInt32(reached.year)) {
            end.status = ShiftStatus::YearOutOfRange;
            return end;
        }
        const auto year = static_cast<std::int32_t>(reached.year);
        const std::int32_t length = DaysInMonth(year, reached.month);
        // The day before the corresponding day; the month's last day when the
        // final month has no corresponding day (143②).
        last = firstDay.date.day <= length ? StoreDayNumber(DayNumber({year, reached.month, firstDay.date.day}) - 1)
                                           : ShiftedDate{ShiftStatus::Ok, {year, reached.month, length}};
    }
    if (last.status != ShiftStatus::Ok) {
        end.status = last.status;
        return end;
    }
    end.lawLastDay = end.lastDay = last.date;
    if (nextBusinessDay && !IsBusinessDay(last.date)) {
        const ShiftedDate moved = ShiftBusinessDays(last.date, 1, true);
        if (moved.status != ShiftStatus::Ok) {
            end.status = moved.status;
            return end;
        }
        end.lastDay = moved.date;
        end.moved = true;
    }
    return end;
}

const std::string& PeriodCountMessage()
{
    static const std::string message = "期間の長さは1以上の数で入力して下さい。";
    return message;
}

const std::string& PeriodUnitMessage()
{
    static const std::string message = "期間の単位は 日・週・か月・年 のどれかを入力して下さい。";
    return message;
}

const std::string& YearRangeMessage()
{
    static const std::string message = "計算できる年の範囲を超えています。";
    return message;
}

}  // namespace vadelon
