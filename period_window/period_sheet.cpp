#include "period_window/period_sheet.h"

#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/era.h"
#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/date_text_reading.h"
#include "calendar/sky/solar_terms.h"

#include <optional>
#include <variant>

namespace vadelon {

namespace {

constexpr std::string_view kWeekdayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

enum class Reading { Empty, Refused, Read };

// A date panel's three fields: nothing while one is empty, a refusal (why in
// refusal) when they do not read as a real date. The year field also takes a
// date as Japanese users write it, whole with the other two left empty
// (昭和50年3月1日, S50.3.1, 元禄十五年十二月十四日) or an era's year beside them
// (昭和50, 明治元年).
Reading ReadFields(const DateTexts& texts, Date& date, std::string& refusal)
{
    refusal = DateInputMessage();
    if (texts.year.empty())
        return Reading::Empty;
    const std::optional<std::int32_t> y = ReadInteger(texts.year);
    if (!y) {
        std::string text = texts.year;
        if (!texts.month.empty() || !texts.day.empty()) {
            if (texts.month.empty() || texts.day.empty())
                return Reading::Empty;
            if (!text.ends_with("年"))
                text += "年";
            text += texts.month + "月" + texts.day + "日";
        }
        const std::variant<std::int64_t, std::string> read = ReadDateText(text);
        if (const std::string* why = std::get_if<std::string>(&read)) {
            refusal = *why;
            return Reading::Refused;
        }
        date = GregorianOfJdn(std::get<std::int64_t>(read));
        return Reading::Read;
    }
    if (texts.month.empty() || texts.day.empty())
        return Reading::Empty;
    const std::optional<std::int32_t> m = ReadInteger(texts.month), d = ReadInteger(texts.day);
    if (!m || !d)
        return Reading::Refused;
    date = Date{*y, *m, *d};
    return IsRealDate(date) ? Reading::Read : Reading::Refused;
}

std::string YearText(std::int64_t year)
{
    return IntegerText(year) + "年";
}

// "令和8年" for a year whose era the date settles, else empty.
std::string EraYearText(const Date& date)
{
    const EraText era = EraTextForYear(date.year, date.month, date.day, nullptr);
    const std::optional<std::int32_t> n = ReadInteger(era.year);
    if (era.name.empty() || era.name == "－－" || era.name == "　　" || !n)
        return {};
    return era.name + (*n == 1 ? std::string("元") : IntegerText(*n)) + "年";
}

std::string DateWithWeekday(const Date& date)
{
    return WesternDateText(date) + "（" + std::string(WeekdayName(date)) + "）";
}

// The 干支 and 九星 of the birth year, and of the year before for a birth
// before 立春, where fortune-telling begins the year.
std::string BirthYearSigns(const Date& birth)
{
    const AlmanacValues v = ComputeAlmanac(birth);
    std::string text = v.yearStem + v.yearBranch + "　" + v.yearStar;
    if (birth.year >= kFirstSolarTermYear && birth.year <= kLastSolarTermYear) {
        constexpr int kRisshun = 2;
        const Date risshun = SolarTermInstant(birth.year, kRisshun).date();
        if (birth < risshun) {
            text += "\n（立春より前の生まれ。立春で年を分けると" + v.prevYearStem + v.prevYearBranch + "・" +
                    v.prevYearStar + "）";
        }
    }
    return text;
}

bool Before(std::int64_t year, std::int32_t month, std::int32_t day, const Date& than)
{
    if (year != than.year)
        return year < than.year;
    if (month != than.month)
        return month < than.month;
    return day < than.day;
}

}  // namespace

std::string WesternDateText(const Date& date)
{
    return IntegerText(date.year) + "年" + IntegerText(date.month) + "月" + IntegerText(date.day) + "日";
}

std::string JapaneseDateText(const Date& date)
{
    const std::string year = EraYearText(date);
    if (year.empty())
        return {};
    return year + IntegerText(date.month) + "月" + IntegerText(date.day) + "日";
}

std::string_view WeekdayName(const Date& date)
{
    // 1970-01-01, day 0, was a Thursday.
    std::int64_t index = (DayNumber(date) + 4) % 7;
    if (index < 0)
        index += 7;
    return kWeekdayNames[index];
}

AgeSheet ComposeAgeSheet(const DateTexts& birthTexts, const DateTexts& dayTexts, Sex sex)
{
    AgeSheet sheet;
    Date birth, day;
    std::string birthRefusal, dayRefusal;
    const Reading birthRead = ReadFields(birthTexts, birth, birthRefusal),
                  dayRead = ReadFields(dayTexts, day, dayRefusal);
    if (birthRead == Reading::Refused || dayRead == Reading::Refused) {
        sheet.message = birthRead == Reading::Refused ? birthRefusal : dayRefusal;
        return sheet;
    }
    if (birthRead == Reading::Empty || dayRead == Reading::Empty)
        return sheet;
    if (day < birth) {
        sheet.message = BirthOrderMessage();
        return sheet;
    }
    const NextBirthday next = NextBirthdayAfter(birth, day);
    if (!next.ok) {
        sheet.message = YearRangeMessage();
        return sheet;
    }
    sheet.ok = true;
    const YearsMonthsDays lived = TimeSinceBirth(birth, day);
    const std::int64_t counted = CountedAge(birth, day);
    const std::int64_t days = DayNumber(day) - DayNumber(birth);
    sheet.fullAge = IntegerText(lived.years) + "歳";
    sheet.countedAge = IntegerText(counted) + "歳";
    sheet.lived = IntegerText(lived.years) + "年" + IntegerText(lived.months) + "か月" + IntegerText(lived.days) +
                  "日（" + GroupedIntegerText(days) + "日）";
    sheet.nextBirthday = DateWithWeekday(next.date) + "　あと" + GroupedIntegerText(next.daysLeft) + "日で" +
                         IntegerText(lived.years + 1) + "歳";
    sheet.birthYearSigns = BirthYearSigns(birth);

    for (const SchoolStep& step : SchoolSteps(birth)) {
        // 入学 on 4月1日, 卒業 in March: the step has passed from the day after.
        const std::int32_t stepDay = step.month == 4 ? 1 : 31;
        SheetRow row;
        row.cells = {std::string(step.name), YearText(step.year) + IntegerText(step.month) + "月"};
        std::string era;
        if (FitsInt32(step.year))
            era = EraYearText({static_cast<std::int32_t>(step.year), step.month, stepDay});
        row.cells.push_back(era.empty() ? std::string() : era + IntegerText(step.month) + "月");
        row.passed = Before(step.year, step.month, stepDay, day);
        sheet.school.push_back(std::move(row));
    }
    for (const LongevityYear& y : LongevityYears(birth.year)) {
        SheetRow row;
        row.cells = {std::string(y.name), "満" + IntegerText(y.age) + "歳", YearText(y.byFullAge),
                     YearText(y.byCountedAge)};
        row.passed = y.byFullAge < day.year && y.byCountedAge < day.year;
        row.current = y.byFullAge == day.year || y.byCountedAge == day.year;
        sheet.longevity.push_back(std::move(row));
    }
    for (const UnluckyYear& y : UnluckyYears(birth.year, sex)) {
        SheetRow row;
        row.cells = {YearText(y.year), "数え" + IntegerText(y.countedAge) + "歳", std::string(y.label)};
        row.passed = y.year < day.year;
        row.current = y.year == day.year;
        sheet.unlucky.push_back(std::move(row));
    }
    sheet.spoken = "満年齢" + sheet.fullAge + "、数え年" + sheet.countedAge + "、経過" + IntegerText(lived.years) +
                   "年" + IntegerText(lived.months) + "か月" + IntegerText(lived.days) + "日、次の誕生日まであと" +
                   GroupedIntegerText(next.daysLeft) + "日";
    return sheet;
}

DeadlineSheet ComposeDeadline(const DateTexts& startTexts, std::string_view countText, PeriodUnit unit,
                              bool firstDayCounted, bool nextBusinessDay)
{
    DeadlineSheet sheet;
    Date start;
    std::string refusal;
    const Reading read = ReadFields(startTexts, start, refusal);
    if (read == Reading::Refused) {
        sheet.message = refusal;
        return sheet;
    }
    if (read == Reading::Empty || countText.empty())
        return sheet;
    const std::optional<std::int32_t> count = ReadInteger(countText);
    if (!count) {
        sheet.message = NumberInputMessage();
        return sheet;
    }
    if (*count < 1) {
        sheet.message = PeriodCountMessage();
        return sheet;
    }
    const PeriodEnd end = PeriodLastDay(start, *count, unit, firstDayCounted, nextBusinessDay);
    if (end.status != ShiftStatus::Ok) {
        sheet.message = YearRangeMessage();
        return sheet;
    }
    sheet.ok = true;
    const std::string japanese = JapaneseDateText(end.lastDay);
    sheet.lastDay = DateWithWeekday(end.lastDay) + (japanese.empty() ? "" : "　" + japanese);
    if (end.moved) {
        sheet.note = DateWithWeekday(end.lawLastDay) + "が休日のため、翌営業日に延びます（民法142条）。";
    } else {
        sheet.note =
            firstDayCounted ? "初日を含めて数えています。" : "初日は数えず、翌日から数えています（民法140条）。";
    }
    sheet.spoken = "満了日は" + WesternDateText(end.lastDay) + std::string(WeekdayName(end.lastDay)) + "曜日";
    return sheet;
}

}  // namespace vadelon
