#include "calendar/solar_term_status.h"

#include "calendar/almanac.h"
#include "calendar/day_arithmetic.h"
#include "calendar/integer_reading.h"
#include "calendar/solar_terms.h"

namespace vadelon {

namespace {

constexpr int kRisshunIndex = 2;

enum class Side { Before, SameDay, After };

// Far in the future (ΔT of days) a term can fall a month early, and 小寒 even
// on 31 December of the year before: the whole date is compared.
Side SideOf(std::int32_t year, std::int32_t month, std::int32_t day, const SolarTermTime& term)
{
    if (year == term.year && month == term.month && day == term.day)
        return Side::SameDay;
    return DateFieldsBefore(year, month, day, term.year, term.month, term.day) ? Side::Before : Side::After;
}

std::string TwoDigits(std::int32_t value)
{
    return (value < 10 ? "0" : "") + IntegerText(value);
}

// "02:01" for the short line, "2時01分" for the long one.
std::string ClockText(const SolarTermTime& t)
{
    return TwoDigits(t.hour) + ":" + TwoDigits(t.minute);
}
std::string LongClockText(const SolarTermTime& t)
{
    return IntegerText(t.hour) + "時" + TwoDigits(t.minute) + "分";
}

// "小寒（1/6 02:01）" for the short line; the year only when it is not the
// date's own.
std::string ShortTermText(std::string_view name, const SolarTermTime& t, std::int32_t year)
{
    const std::string yearText = t.year == year ? std::string() : IntegerText(t.year) + "/";
    return std::string(name) + "（" + yearText + IntegerText(t.month) + "/" + IntegerText(t.day) + " " + ClockText(t) +
           "）";
}

// "2000年1月6日 2時01分" for the long form.
std::string LongDateText(const SolarTermTime& t)
{
    return IntegerText(t.year) + "年" + IntegerText(t.month) + "月" + IntegerText(t.day) + "日 " + LongClockText(t);
}

// The star names without their element: 一白, 九紫 (where the line is short).
std::string StarShortName(const std::string& star)
{
    return star.substr(0, star.size() / 2);
}

// The tooltip's first line: the month's 節 and its instant.
std::string TermHeader(std::int32_t year, std::int32_t month, std::string_view name, const SolarTermTime& t,
                       std::string_view aside)
{
    return IntegerText(year) + "年" + IntegerText(month) + "月の節入り：" + std::string(name) + " " + LongDateText(t) +
           "（日本時間" + std::string(aside) + "）\n";
}

// The month's part of the note for the 節 that decides it: before it the 干支
// before, from it the 干支 after. whose qualifies that 節 in the tooltip.
void DescribeMonthTerm(SolarTermStatus& status, std::string_view name, const SolarTermTime& t, Side side,
                       std::int32_t year, const std::string& before, const std::string& after, std::string_view whose)
{
    switch (side) {
    case Side::Before:
        status.text = ShortTermText(name, t, year) + "前：月" + before;
        status.tooltip += "この日は節入り前のため、月干支は前月の" + before + "です。\n";
        break;
    case Side::SameDay:
        status.text = "当日" + ClockText(t) + std::string(name) + "：月" + before + "→" + after;
        status.tooltip += "この日の" + LongClockText(t) + "までは月干支" + before + "、それ以後は" + after + "です。\n";
        break;
    case Side::After:
        status.text = ShortTermText(name, t, year) + "以後：月" + after;
        status.tooltip += "この日は" + std::string(whose) + "節入り後のため、月干支は" + after + "です。\n";
        break;
    }
}

constexpr std::string_view kMethodNote = "（太陽の視黄経が15度の倍数になる時刻を計算し、分未満を四捨五入しています）";

}  // namespace

SolarTermStatus ComposeSolarTermStatus(std::int32_t year, std::int32_t month, std::int32_t day)
{
    SolarTermStatus status;
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return status;
    }
    const AlmanacValues v = ComputeAlmanac(year, month, day);
    const std::string monthBefore = "【" + v.prevMonthStem + v.prevMonthBranch + "】";
    const std::string monthAfter = "【" + v.monthStem + v.monthBranch + "】";
    const std::string yearBefore = "【" + v.prevYearStem + v.prevYearBranch + "】";
    const std::string yearAfter = "【" + v.yearStem + v.yearBranch + "】";
    const std::string starBefore = "【" + v.prevYearStar + "】";
    const std::string starAfter = "【" + v.yearStar + "】";

    const int index = 2 * (month - 1);
    const std::string_view name = SolarTermShortNames[static_cast<std::size_t>(index)];
    const SolarTermTime term = SolarTermInstant(year, index);
    const Side side = SideOf(year, month, day, term);

    std::string& text = status.text;
    std::string& tip = status.tooltip;

    // Far in the future (ΔT of days) the next month's 節 can fall on or
    // before the date, within its month: that one then decides.
    const std::int32_t nextMonthYear = month == 12 ? year + 1 : year;
    const std::int32_t nextMonth = month == 12 ? 1 : month + 1;
    if (nextMonthYear <= kLastSolarTermYear) {
        const int nextIndex = 2 * (nextMonth - 1);
        const SolarTermTime next = SolarTermInstant(nextMonthYear, nextIndex);
        const Side nextSide = SideOf(year, month, day, next);
        if (nextSide != Side::Before) {
            const std::string_view nextName = SolarTermShortNames[static_cast<std::size_t>(nextIndex)];
            const AlmanacValues n = ComputeAlmanac(nextMonthYear, nextMonth, 1);
            const std::string nextMonthText = "【" + n.monthStem + n.monthBranch + "】";
            tip = TermHeader(nextMonthYear, nextMonth, nextName, next, "、翌月の節入りがこの月に入っています");
            DescribeMonthTerm(status, nextName, next, nextSide, year, monthAfter, nextMonthText, "翌月の");
            if (month <= 2) {
                // 立春 (February's 節) has passed by the next 節 of January or February.
                const bool risshunToday = month == 1 && nextSide == Side::SameDay;
                text +=
                    risshunToday ? "　年" + yearBefore + "→" + yearAfter : "　立春以後：年" + yearAfter + v.yearStar;
                tip += "年干支は立春" + std::string(risshunToday ? "の時刻" : "") + "から" + yearAfter + "、年九星は" +
                       starAfter + "です。\n";
            }
            tip += kMethodNote;
            return status;
        }
    }

    tip = TermHeader(year, month, name, term, "");

    if (month == 2) {
        // 立春 opens February: the month and the year change at the same instant.
        switch (side) {
        case Side::Before:
            text = ShortTermText(name, term, year) + "前：月" + monthBefore + "年" + yearBefore + v.prevYearStar;
            tip += "この日は立春前のため、月干支は前月の" + monthBefore + "、年干支は前年の" + yearBefore +
                   "、年九星は" + starBefore + "です。\n";
            break;
        case Side::SameDay:
            text = "当日" + ClockText(term) + "立春：月" + monthBefore + "→" + monthAfter + "年" + yearBefore +
                   StarShortName(v.prevYearStar) + "→" + yearAfter + StarShortName(v.yearStar);
            tip += "この日の" + LongClockText(term) + "までは月干支" + monthBefore + "・年干支" + yearBefore +
                   "・年九星" + starBefore + "、それ以後は月干支" + monthAfter + "・年干支" + yearAfter + "・年九星" +
                   starAfter + "です。\n";
            break;
        case Side::After:
            text = ShortTermText(name, term, year) + "以後：月" + monthAfter + "年" + yearAfter + v.yearStar;
            tip += "この日は立春後のため、月干支は" + monthAfter + "、年干支は" + yearAfter + "、年九星は" + starAfter +
                   "です。\n";
            break;
        }
    } else {
        DescribeMonthTerm(status, name, term, side, year, monthBefore, monthAfter, "");
        if (month == 1) {
            // 立春 belongs to February, but in the far future (see SideOf)
            // it reaches the end of January.
            const SolarTermTime risshun = SolarTermInstant(year, kRisshunIndex);
            tip += "立春は" + LongDateText(risshun) + "（日本時間）です。";
            switch (SideOf(year, month, day, risshun)) {
            case Side::Before:
                text += "　立春前：年" + yearBefore + v.prevYearStar;
                tip += "この日は立春前のため、年干支は前年の" + yearBefore + "、年九星は" + starBefore + "です。\n";
                break;
            case Side::SameDay:
                text += "　当日" + ClockText(risshun) + "立春：年" + yearBefore + "→" + yearAfter;
                tip += "この日の" + LongClockText(risshun) + "までは年干支" + yearBefore + "・年九星" + starBefore +
                       "、それ以後は年干支" + yearAfter + "・年九星" + starAfter + "です。\n";
                break;
            case Side::After:
                text += "　立春以後：年" + yearAfter + v.yearStar;
                tip += "この日は立春後のため、年干支は" + yearAfter + "、年九星は" + starAfter + "です。\n";
                break;
            }
        }
    }
    tip += kMethodNote;
    return status;
}

}  // namespace vadelon
