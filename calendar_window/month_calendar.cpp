#include "calendar_window/month_calendar.h"

#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/business_days.h"
#include "calendar/notes/date_text_reading.h"
#include "calendar/notes/era_dates.h"
#include "calendar/rules/periods.h"
#include "calendar/sky/moon_phases.h"

#include <algorithm>
#include <string_view>
#include <variant>

namespace vadelon {

namespace {

constexpr std::string_view kWeekdayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

std::string Number(std::int64_t value)
{
    return IntegerText(value);
}

// "9年4か月7日", the parts that are not 0.
std::string YearsMonthsDaysText(const YearsMonthsDays& p)
{
    std::string text;
    if (p.years != 0)
        text += GroupedIntegerText(p.years) + "年";
    if (p.months != 0)
        text += Number(p.months) + "か月";
    if (p.days != 0)
        text += Number(p.days) + "日";
    return text;
}

std::string DateText(const Date& date)
{
    return Number(date.year) + "年" + Number(date.month) + "月" + Number(date.day) + "日";
}

std::string LunarDayText(const LunisolarDate& date)
{
    if (date.day != 1)
        return Number(date.day);
    return (date.leap ? "閏" : "") + Number(date.month) + "/1";
}

// Whether a day from after first up to second lies in 29 December to 3 January.
bool TouchesYearEnd(const Date& first, const Date& second)
{
    const std::int64_t from = DayNumber(first) + 1;
    const std::int64_t to = DayNumber(second);
    for (std::int32_t year = first.year - 1; year <= second.year; ++year) {
        if (DayNumber({year, 12, 29}) <= to && DayNumber({year + 1, 1, 3}) >= from)
            return true;
    }
    return false;
}

}  // namespace

MonthCalendar::MonthCalendar(const Date& selected, const Date& today)
    : selected_(IsShownDate(selected) ? selected
                : IsShownDate(today)  ? today
                                      : kFirstShownDate)
    , today_(today)
{ }

bool MonthCalendar::MoveTo(const Date& day, bool extend)
{
    if (!IsShownDate(day))
        return false;
    if (!extend)
        anchor_.reset();
    else if (!anchor_)
        anchor_ = selected_;
    selected_ = day;
    return true;
}

bool MonthCalendar::Select(const Date& day, bool extend)
{
    return MoveTo(day, extend);
}

bool MonthCalendar::MoveDays(std::int64_t days, bool extend)
{
    // Far moves cannot reach a shown date; they stay clear of the day numbers' limits.
    if (days < -4'000'000 || days > 4'000'000)
        return false;
    return MoveTo(DateOfDayNumber(DayNumber(selected_) + days), extend);
}

bool MonthCalendar::MoveMonths(std::int32_t months, bool extend)
{
    const std::int64_t index = std::int64_t{selected_.year} * 12 + (selected_.month - 1) + months;
    const auto year = static_cast<std::int32_t>(index >= 0 ? index / 12 : (index - 11) / 12);
    if (year < kFirstShownDate.year || year > kLastShownDate.year)
        return false;
    const auto month = static_cast<std::int32_t>(index - std::int64_t{year} * 12 + 1);
    return MoveTo({year, month, std::min(selected_.day, DaysInMonth(year, month))}, extend);
}

bool MonthCalendar::GoToToday()
{
    return MoveTo(today_, false);
}

std::string MonthCalendar::GoToText(std::string_view text)
{
    const auto read = ReadDateText(text);
    if (const auto* message = std::get_if<std::string>(&read))
        return *message;
    if (!MoveTo(GregorianOfJdn(std::get<std::int64_t>(read)), false))
        return "カレンダーは西暦445年から9999年までです。";
    return {};
}

std::string MonthCalendar::MonthText() const
{
    return Number(selected_.year) + "年" + Number(selected_.month) + "月";
}

std::string MonthCalendar::Title() const
{
    return "カレンダー " + MonthText();
}

MonthCells MonthCalendar::Cells()
{
    const Date first{selected_.year, selected_.month, 1};
    const std::int64_t start = DayNumber(first) - WeekdayOf(first);
    const Date low = anchor_ ? std::min(*anchor_, selected_) : selected_;
    const Date high = anchor_ ? std::max(*anchor_, selected_) : selected_;
    MonthCells cells;
    for (int i = 0; i < kCellsShown; ++i) {
        DayCell& cell = cells[static_cast<std::size_t>(i)];
        cell.date = DateOfDayNumber(start + i);
        cell.number = Number(cell.date.day);
        cell.dimmed = cell.date.month != selected_.month;
        cell.selectable = IsShownDate(cell.date);
        cell.today = cell.date == today_;
        cell.selected = cell.date == selected_;
        cell.inRange = anchor_ && cell.date >= low && cell.date <= high;

        const DayNotes& notes = notes_.Of(cell.date);
        const int weekday = i % 7;
        cell.colour = weekday == 0 || !notes.holiday.empty() ? DayColour::Red
                      : weekday == 6                         ? DayColour::Blue
                                                             : DayColour::Plain;
        if (!notes.holiday.empty()) {
            cell.label = notes.holiday;
            cell.labelKind = LabelKind::Holiday;
        } else if (!notes.solarTerm.empty()) {
            cell.label = notes.solarTerm;
            cell.labelKind = LabelKind::SolarTerm;
        } else if (!notes.zassetsu.empty()) {
            cell.label = notes.zassetsu.front();
            cell.labelKind = LabelKind::Zassetsu;
        }
        if (notes.lunisolar) {
            cell.rokuyo = RokuyoName(*notes.lunisolar);
            cell.lunarDay = LunarDayText(*notes.lunisolar);
        }
        cell.moon = notes.moon;
    }
    return cells;
}

bool MonthCalendar::PrepareNearby()
{
    // The weeks of the month a step of a month or a year shows reach into
    // the months either side of it; nearest first.
    const std::int64_t shown = std::int64_t{selected_.year} * 12 + selected_.month - 1;
    for (const std::int64_t offset : {1, -1, 2, -2, 12, -12, 11, 13, -11, -13}) {
        const std::int64_t index = shown + offset;
        const auto year = static_cast<std::int32_t>(index / 12);
        if (notes_.Prepare(year, static_cast<std::int32_t>(index % 12 + 1)))
            return true;
    }
    return false;
}

std::string MonthCalendar::DayLine(const Date& day)
{
    std::string line = DateText(day) + "（" + std::string(kWeekdayNames[WeekdayOf(day)]) + "）";
    const std::int64_t jdn = JdnOfGregorian(day);
    if (IsWrittenJulian(jdn))
        line += "（ユリウス暦" + DateText(JulianOfJdn(jdn)) + "）";
    const DayNotes& notes = notes_.Of(day);
    std::string separator = "　";
    std::string eraDates;
    for (const EraDate& date : EraDatesOf(jdn))
        eraDates += (eraDates.empty() ? "" : "・") + EraDateText(date);
    if (!eraDates.empty())
        line += separator + eraDates;
    auto add = [&](const std::string& item) {
        if (item.empty())
            return;
        line += separator + item;
        separator = "　";
    };
    add(std::string(notes.holiday));
    add(std::string(notes.solarTerm));
    add(ZassetsuText(notes.zassetsu));
    if (const std::optional<LunisolarDate>& lunisolar = notes.lunisolar) {
        if (jdn >= JdnOfGregorian({kFirstLunisolarYear, 1, 1}))
            add("旧暦" + LunisolarMonthDayText(*lunisolar));
        add(std::string(RokuyoName(*lunisolar)));
    }
    if (const std::optional<std::int32_t> tenths = NoonMoonAgeTenths(day))
        add("月齢" + MoonAgeText(*tenths));
    return line;
}

std::string MonthCalendar::StatusLine()
{
    if (anchor_ && *anchor_ != selected_)
        return RangeLine(std::min(*anchor_, selected_), std::max(*anchor_, selected_));
    return DayLine(selected_);
}

std::string RangeLine(const Date& first, const Date& second)
{
    const DayCount days = DaysBetween(first, second);
    auto business = [&](bool yearEndClosure) { return BusinessDaysBetween(first, second, yearEndClosure).days; };
    std::string secondText = DateText(second);
    if (second.year == first.year)
        secondText = Number(second.month) + "月" + Number(second.day) + "日";
    std::string line = DateText(first) + "〜" + secondText + "：" + GroupedIntegerText(days.days) + "日";
    // A month or more reads as years, months and days too.
    const YearsMonthsDays period = PeriodBetween(first, second);
    if (period.years != 0 || period.months != 0)
        line += "（" + YearsMonthsDaysText(period) + "）";
    line += "（両端を含めて" + GroupedIntegerText(days.days + 1) + "日）（営業日" +
            GroupedIntegerText(business(false)) + "日、土日祝を除く";
    if (TouchesYearEnd(first, second))
        line += "。年末年始も除くと" + GroupedIntegerText(business(true)) + "日";
    return line + "）";
}

}  // namespace vadelon
