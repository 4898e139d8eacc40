#include "calendar/rules/calculation_rules.h"

#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/notes/business_days.h"

#include <initializer_list>
#include <limits>

namespace vadelon {

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The day count is written as a number below this, as "Overflow" from it on.
constexpr std::int64_t kOverflowDays = 10'000'000;

// By the remainder of the count from 1582-10-14, a Thursday, the day before
// the first Gregorian day.
constexpr std::string_view kWeekdayLabels[7] = {"（木曜日）", "（金曜日）", "（土曜日）", "（日曜日）",
                                                "（月曜日）", "（火曜日）", "（水曜日）"};

// Reads the texts in order; nothing when one of them does not read, so that
// the run stops at the first field that fails.
std::optional<std::vector<std::int32_t>> ReadAll(std::initializer_list<std::string_view> texts)
{
    std::vector<std::int32_t> values;
    for (std::string_view text : texts) {
        const std::optional<std::int32_t> value = ReadInteger(text);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

RunResult Refused(const std::string& message)
{
    return RunResult{{}, message, true};
}

RunResult DateResult(const Date& date)
{
    return RunResult{{IntegerText(date.year), IntegerText(date.month), IntegerText(date.day)}, {}, false};
}

// A difference of two 32-bit readings, refused (never wrapped) when it leaves
// the range a field can hold.
RunResult Difference(std::string_view first, std::string_view second, bool secondMinusFirst)
{
    const auto v = ReadAll({first, second});
    if (!v)
        return Refused(NumberInputMessage());
    const std::int64_t a = (*v)[0], b = (*v)[1];
    const std::int64_t result = secondMinusFirst ? b - a : a - b;
    if (!FitsInt32(result))
        return Refused(NumberInputMessage());
    return RunResult{{IntegerText(result)}, {}, false};
}

}  // namespace

const std::string& DateInputMessage()
{
    static const std::string message = "日付を正しく入力して下さい。";
    return message;
}

const std::string& NumberInputMessage()
{
    static const std::string message = "正しく入力して下さい。";
    return message;
}

const std::string& AlmanacDateMessage()
{
    static const std::string message = "『こよみ』現行暦法のグレゴリオ暦が採用された、\n"
                                       "西暦１５８２年１０月１５日以降について対応しています。";
    return message;
}

const std::string& OrderMessage()
{
    static const std::string message = "日付の前後関係を確認して下さい。";
    return message;
}

const std::string& YearOrderMessage()
{
    static const std::string message = "年の前後関係を確認して下さい。";
    return message;
}

std::string WeekdayLabel(const Date& date)
{
    if (date < kFirstGregorianDay)
        return BlankWeekdayLabel();
    // Days from the Thursday before: the first Gregorian day itself is 1.
    const std::int64_t n = DaysBetween(kFirstGregorianDay, date).days + 1;
    const std::int64_t remainder = n % 7;
    // Odd days just after the reference can give a negative count: no label.
    if (remainder < 0)
        return std::string();
    return std::string(kWeekdayLabels[remainder]);
}

const std::string& BlankWeekdayLabel()
{
    static const std::string label = "（　曜日）";
    return label;
}

RunResult RunDayCount(const DateTexts& from, const DateTexts& to)
{
    const auto v = ReadAll({from.year, from.month, from.day, to.year, to.month, to.day});
    if (!v)
        return Refused(DateInputMessage());
    const DayCount count = DaysBetween({(*v)[0], (*v)[1], (*v)[2]}, {(*v)[3], (*v)[4], (*v)[5]});
    if (!count.inOrder)
        return RunResult{{IntegerText(0)}, OrderMessage(), false};
    if (count.days >= kOverflowDays)
        return RunResult{{"Overflow"}, {}, false};
    // Days far outside their month can make an ordered pair count a huge
    // negative number; one that does not fit the field's integers is refused
    // like any other result out of range, never wrapped.
    if (!FitsInt32(count.days))
        return Refused(DateInputMessage());
    return RunResult{{IntegerText(count.days)}, {}, false};
}

RunResult RunDateShift(const DateTexts& date, std::string_view countText, bool forward)
{
    const auto v = ReadAll({date.year, date.month, date.day, countText});
    if (!v)
        return Refused(DateInputMessage());
    const std::int64_t count = forward ? std::int64_t{(*v)[3]} : -std::int64_t{(*v)[3]};
    // Negating the smallest count leaves the 32-bit range by one day: shift
    // in two parts.
    ShiftedDate shifted;
    if (count > kInt32Max) {
        shifted = ShiftDate({(*v)[0], (*v)[1], (*v)[2]}, kInt32Max);
        if (shifted.status == ShiftStatus::Ok)
            shifted = ShiftDate(shifted.date, static_cast<std::int32_t>(count - kInt32Max));
    } else {
        shifted = ShiftDate({(*v)[0], (*v)[1], (*v)[2]}, static_cast<std::int32_t>(count));
    }
    // A month outside 1 to 12 or a year beyond the 32-bit range.
    if (shifted.status != ShiftStatus::Ok)
        return Refused(DateInputMessage());
    return DateResult(shifted.date);
}

RunResult RunBusinessDayCount(const DateTexts& from, const DateTexts& to, bool yearEndClosure)
{
    const auto v = ReadAll({from.year, from.month, from.day, to.year, to.month, to.day});
    if (!v)
        return Refused(DateInputMessage());
    const DayCount count =
        BusinessDaysBetween({(*v)[0], (*v)[1], (*v)[2]}, {(*v)[3], (*v)[4], (*v)[5]}, yearEndClosure);
    if (!count.inOrder)
        return RunResult{{IntegerText(0)}, OrderMessage(), false};
    return RunResult{{IntegerText(count.days)}, {}, false};
}

RunResult RunBusinessDayShift(const DateTexts& date, std::string_view countText, bool yearEndClosure)
{
    const auto v = ReadAll({date.year, date.month, date.day, countText});
    if (!v)
        return Refused(DateInputMessage());
    const ShiftedDate shifted = ShiftBusinessDays({(*v)[0], (*v)[1], (*v)[2]}, (*v)[3], yearEndClosure);
    if (shifted.status != ShiftStatus::Ok)
        return Refused(DateInputMessage());
    return DateResult(shifted.date);
}

RunResult RunAgeCalc(std::string_view birthYear, std::string_view currentYear)
{
    return Difference(birthYear, currentYear, true);
}

RunResult RunBirthYearCalc(std::string_view currentYear, std::string_view age)
{
    return Difference(currentYear, age, false);
}

AlmanacRun RunAlmanac(const DateTexts& date)
{
    const auto v = ReadAll({date.year, date.month, date.day});
    if (!v)
        return AlmanacRun{false, {}, DateInputMessage(), true};
    const Date entered{(*v)[0], (*v)[1], (*v)[2]};
    if (!AlmanacAcceptsDate(entered))
        return AlmanacRun{false, {}, AlmanacDateMessage(), true};
    return AlmanacRun{true, entered, {}, false};
}

std::string PanelWeekdayLabel(const DateTexts& date)
{
    const std::optional<std::int32_t> year = ReadInteger(date.year);
    const std::int32_t month = ReadInteger(date.month).value_or(0);
    const std::int32_t day = ReadInteger(date.day).value_or(0);
    if (!year || month == 0 || day == 0)
        return BlankWeekdayLabel();
    return WeekdayLabel({*year, month, day});
}

EraText PanelEraTexts(const DateTexts& date, const AskEraChoiceFn& ask)
{
    const std::optional<std::int32_t> year = ReadInteger(date.year);
    if (!year)
        return EraText{"－－", "--"};
    const std::int32_t month = ReadInteger(date.month).value_or(0);
    const std::int32_t day = ReadInteger(date.day).value_or(0);
    return EraTextForYear(*year, month, day, ask);
}

std::optional<std::string> WesternYearText(std::optional<std::int32_t> eraRow, std::string_view eraYear)
{
    const std::optional<std::int32_t> years = ReadInteger(eraYear);
    if (!years)
        return std::string();
    if (!eraRow)
        return std::nullopt;  // no era to count from
    const std::optional<std::int32_t> year = WesternYearFromEra(*eraRow, *years);
    if (!year)
        return std::nullopt;
    return IntegerText(*year);
}

}  // namespace vadelon
