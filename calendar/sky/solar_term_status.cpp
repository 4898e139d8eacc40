#include "calendar/sky/solar_term_status.h"

#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/sky/solar_terms.h"

#include <initializer_list>
#include <string_view>

namespace vadelon {

namespace {

constexpr int kRisshunIndex = 2;
constexpr std::string_view kRisshun = "立春";
// Between the note's parts, as Japanese text sets them apart.
constexpr std::string_view kGap = "　";

enum class Side { Before, SameDay, After };

// Far in the future (ΔT of days) a term can fall a month early, and 小寒 even
// on 31 December of the year before: the whole date is compared.
Side SideOf(const Date& date, const SolarTermTime& term)
{
    if (date == term.date())
        return Side::SameDay;
    return date < term.date() ? Side::Before : Side::After;
}

// The pieces appended to one string: no temporary is added to, which keeps
// GCC 12 (-O3) from misreading the copy as an overlapping one.
std::string Concat(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (const std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (const std::string_view piece : pieces)
        text.append(piece);
    return text;
}

std::string TwoDigits(std::int32_t value)
{
    return value < 10 ? Concat({"0", IntegerText(value)}) : IntegerText(value);
}

// "02:01" for the short line, "2時01分" for the long one.
std::string ClockText(const SolarTermTime& t)
{
    return Concat({TwoDigits(t.hour), ":", TwoDigits(t.minute)});
}
std::string LongClockText(const SolarTermTime& t)
{
    return Concat({IntegerText(t.hour), "時", TwoDigits(t.minute), "分"});
}

// "2000年1月6日 2時01分" for the long form.
std::string LongDateText(const SolarTermTime& t)
{
    return Concat({IntegerText(t.year), "年", IntegerText(t.month), "月", IntegerText(t.day), "日 ", LongClockText(t)});
}

// True when the date is 節分, the day before the day of 立春.
bool IsSetsubun(const Date& date, const SolarTermTime& risshun)
{
    return DayNumber(risshun.date()) - DayNumber(date) == 1;
}

// Where the date lies against a term, for the short line: "小寒（1/6 10:01）前",
// "当日10:01 小寒", "小寒（1/6 10:01）以後", and on 節分 "節分（立春は翌日23:59）".
// The term's year only when it is not the date's own.
std::string TermClause(std::string_view name, const SolarTermTime& t, Side side, std::int32_t year, bool setsubun)
{
    if (setsubun)
        return Concat({"節分（", kRisshun, "は翌日", ClockText(t), "）"});
    if (side == Side::SameDay)
        return Concat({"当日", ClockText(t), " ", name});
    const std::string yearText = t.year == year ? std::string() : Concat({IntegerText(t.year), "/"});
    return Concat({name, "（", yearText, IntegerText(t.month), "/", IntegerText(t.day), " ", ClockText(t), "）",
                   side == Side::Before ? "前" : "以後"});
}

// One value of the note: "月：丙子" on one side, "月：丙子→丁丑" on the day it changes.
std::string Change(std::string_view label, std::string_view before, std::string_view after, Side side)
{
    switch (side) {
    case Side::Before: return Concat({label, before});
    case Side::SameDay: return Concat({label, before, "→", after});
    case Side::After: break;
    }
    return Concat({label, after});
}

// The year's two values (干支 and 九星) of the short line.
std::string YearChange(const AlmanacValues& v, Side side)
{
    return Concat({Change("年：", v.prevYearStem + v.prevYearBranch, v.yearStem + v.yearBranch, side), kGap,
                   Change("九星：", v.prevYearStar, v.yearStar, side)});
}

std::string Bracketed(std::string_view value)
{
    return Concat({"【", value, "】"});
}

// The tooltip's first line: the month's 節 and its instant.
std::string TermHeader(std::int32_t year, std::int32_t month, std::string_view name, const SolarTermTime& t,
                       std::string_view aside)
{
    return Concat({IntegerText(year), "年", IntegerText(month), "月の節入り：", name, " ", LongDateText(t),
                   "（日本時間", aside, "）\n"});
}

// The tooltip's sentence on the month's 干支 for the 節 that decides it:
// before it the 干支 before, from it the 干支 after. whose qualifies that 節.
std::string MonthSentence(const SolarTermTime& t, Side side, const std::string& before, const std::string& after,
                          std::string_view whose)
{
    switch (side) {
    case Side::Before: return Concat({"この日は節入り前のため、月干支は前月の", before, "です。\n"});
    case Side::SameDay:
        return Concat({"この日の", LongClockText(t), "までは月干支", before, "、それ以後は", after, "です。\n"});
    case Side::After: break;
    }
    return Concat({"この日は", whose, "節入り後のため、月干支は", after, "です。\n"});
}

// A value of the long form on either side of a term, bracketed: 【丙子】.
struct Values {
    std::string before, after;
};

// The tooltip's sentence on what changes at 立春: the year's 干支 and 九星,
// and in February, where 立春 is the month's 節, the month's 干支 (month
// empty elsewhere).
std::string RisshunSentence(const SolarTermTime& risshun, Side side, bool setsubun, const Values& month,
                            const Values& year, const Values& star)
{
    const bool withMonth = !month.before.empty();
    switch (side) {
    case Side::Before:
        return Concat({"この日は", setsubun ? "節分（立春の前日）で" : "", "立春前のため、",
                       withMonth ? Concat({"月干支は前月の", month.before, "、"}) : std::string(), "年干支は前年の",
                       year.before, "、年九星は", star.before, "です。\n"});
    case Side::SameDay:
        return Concat({"この日の", LongClockText(risshun), "までは",
                       withMonth ? Concat({"月干支", month.before, "・"}) : std::string(), "年干支", year.before,
                       "・年九星", star.before, "、それ以後は",
                       withMonth ? Concat({"月干支", month.after, "・"}) : std::string(), "年干支", year.after,
                       "・年九星", star.after, "です。\n"});
    case Side::After: break;
    }
    return Concat({"この日は立春後のため、", withMonth ? Concat({"月干支は", month.after, "、"}) : std::string(),
                   "年干支は", year.after, "、年九星は", star.after, "です。\n"});
}

constexpr std::string_view kMethodNote = "（太陽の視黄経が15度の倍数になる時刻を計算し、分未満を四捨五入しています）";

}  // namespace

SolarTermStatus ComposeSolarTermStatus(const Date& date)
{
    SolarTermStatus status;
    if (!IsRealDateIn(date, kFirstSolarTermYear, kLastSolarTermYear))
        return status;
    const std::int32_t year = date.year, month = date.month;
    const AlmanacValues v = ComputeAlmanac(date);
    const std::string monthBefore = v.prevMonthStem + v.prevMonthBranch;
    const std::string monthAfter = v.monthStem + v.monthBranch;
    const Values yearValues{Bracketed(v.prevYearStem + v.prevYearBranch), Bracketed(v.yearStem + v.yearBranch)};
    const Values starValues{Bracketed(v.prevYearStar), Bracketed(v.yearStar)};

    const int index = 2 * (month - 1);
    const std::string_view name = SolarTermShortNames[static_cast<std::size_t>(index)];
    const SolarTermTime term = SolarTermInstant(year, index);
    const Side side = SideOf(date, term);

    std::string& text = status.text;
    std::string& tip = status.tooltip;

    // Far in the future (ΔT of days) the next month's 節 can fall on or
    // before the date, within its month: that one then decides.
    const std::int32_t nextMonthYear = month == 12 ? year + 1 : year;
    const std::int32_t nextMonth = month == 12 ? 1 : month + 1;
    if (nextMonthYear <= kLastSolarTermYear) {
        const int nextIndex = 2 * (nextMonth - 1);
        const SolarTermTime next = SolarTermInstant(nextMonthYear, nextIndex);
        const Side nextSide = SideOf(date, next);
        if (nextSide != Side::Before) {
            const std::string_view nextName = SolarTermShortNames[static_cast<std::size_t>(nextIndex)];
            const AlmanacValues n = ComputeAlmanac({nextMonthYear, nextMonth, 1});
            const std::string nextMonthText = n.monthStem + n.monthBranch;
            text = Concat({TermClause(nextName, next, nextSide, year, false), kGap,
                           Change("月：", monthAfter, nextMonthText, nextSide)});
            tip = Concat({TermHeader(nextMonthYear, nextMonth, nextName, next, "、翌月の節入りがこの月に入っています"),
                          MonthSentence(next, nextSide, Bracketed(monthAfter), Bracketed(nextMonthText), "翌月の")});
            if (month == 1) {
                // The next 節 is 立春 itself: the year changes with the month.
                text += Concat({kGap, YearChange(v, nextSide)});
                tip += RisshunSentence(next, nextSide, false, {}, yearValues, starValues);
            } else if (month == 2) {
                // 立春 has passed by the next 節 of February.
                text += Concat({kGap, kRisshun, "以後", kGap, YearChange(v, Side::After)});
                tip += RisshunSentence(next, Side::After, false, {}, yearValues, starValues);
            }
            tip += kMethodNote;
            return status;
        }
    }

    tip = TermHeader(year, month, name, term, "");

    if (month == 2) {
        // 立春 opens February: the month and the year change at the same instant.
        const bool setsubun = side == Side::Before && IsSetsubun(date, term);
        text = Concat({TermClause(name, term, side, year, setsubun), kGap,
                       Change("月：", monthBefore, monthAfter, side), kGap, YearChange(v, side)});
        tip += RisshunSentence(term, side, setsubun, {Bracketed(monthBefore), Bracketed(monthAfter)}, yearValues,
                               starValues);
    } else {
        text = Concat({TermClause(name, term, side, year, false), kGap, Change("月：", monthBefore, monthAfter, side)});
        tip += MonthSentence(term, side, Bracketed(monthBefore), Bracketed(monthAfter), "");
        if (month == 1) {
            // 立春 belongs to February, but in the far future (see SideOf)
            // it reaches the end of January.
            const SolarTermTime risshun = SolarTermInstant(year, kRisshunIndex);
            const Side risshunSide = SideOf(date, risshun);
            const bool setsubun = risshunSide == Side::Before && IsSetsubun(date, risshun);
            const std::string clause = setsubun || risshunSide == Side::SameDay
                                           ? TermClause(kRisshun, risshun, risshunSide, year, setsubun)
                                           : Concat({kRisshun, risshunSide == Side::Before ? "前" : "以後"});
            text += Concat({kGap, clause, kGap, YearChange(v, risshunSide)});
            tip += Concat({"立春は", LongDateText(risshun), "（日本時間）です。\n"});
            tip += RisshunSentence(risshun, risshunSide, setsubun, {}, yearValues, starValues);
        }
    }
    tip += kMethodNote;
    return status;
}

}  // namespace vadelon
