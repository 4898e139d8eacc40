// Periods and ages from the command line: months and years added, the
// years-months-days between two dates, a period's last day, and a person's
// ages, school years, 長寿祝い and 厄年.
#include "tools/command_line.h"
#include "tools/commands.h"

#include "calendar/days/integer_reading.h"
#include "calendar/rules/ages.h"
#include "calendar/rules/calculation_rules.h"
#include "calendar/rules/periods.h"

#include <ctime>
#include <optional>

namespace vadelon::tools {

namespace {

// The day counts from this many days on are written as a word.
constexpr std::int64_t kOverflowDays = 10'000'000;

// A real date from three texts, or nothing.
std::optional<Date> ReadDate(const std::string& year, const std::string& month, const std::string& day)
{
    const std::optional<std::int32_t> y = ReadInteger(year), m = ReadInteger(month), d = ReadInteger(day);
    if (!y || !m || !d)
        return std::nullopt;
    const Date date{*y, *m, *d};
    if (!IsRealDate(date))
        return std::nullopt;
    return date;
}

std::string DateFields(const Date& date)
{
    return IntegerText(date.year) + " " + IntegerText(date.month) + " " + IntegerText(date.day);
}

Date Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Writes the text and returns success: the lines of a command go out at once.
int Write(std::ostream& out, const std::string& text)
{
    out << text;
    return kSuccess;
}

}  // namespace

int InclusiveDaysCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 6)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const Date from = ValuesDate(a), to = ValuesDate(a, 3);
    // Both ends counted: one more day than the count, whichever way the pair
    // runs; a reversed pair keeps its sign, one day alone counts 1.
    std::int64_t days = 1;
    if (from < to)
        days = DaysBetween(from, to).days + 1;
    else if (to < from)
        days = -(DaysBetween(to, from).days + 1);
    if (days >= kOverflowDays || days <= -kOverflowDays)
        return Write(out, "Overflow\n");
    if (!FitsInt32(days))
        return Refuse(err, DateInputMessage());
    return Write(out, IntegerText(days) + "\n");
}

int ShiftMonthsCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    const std::string* const countText = a.Value(a.Has("--years") ? "--years" : "--months");
    if (!countText || v.size() != 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const std::optional<std::int32_t> count = ReadInteger(*countText);
    const std::optional<Date> date = ReadDate(v[0], v[1], v[2]);
    if (!count || !date)
        return Refuse(err, DateInputMessage());
    std::int64_t months = a.Has("--years") ? std::int64_t{*count} * 12 : *count;
    if (a.Has("--before"))
        months = -months;
    const ShiftedDate shifted = AddMonths(*date, months);
    if (shifted.status != ShiftStatus::Ok)
        return Refuse(err, DateInputMessage());
    return Write(out, DateFields(shifted.date) + "\n");
}

int PeriodCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 6)
        return kUsage;
    const std::optional<Date> from = ReadDate(v[0], v[1], v[2]), to = ReadDate(v[3], v[4], v[5]);
    if (!from || !to)
        return Refuse(err, DateInputMessage());
    if (*to < *from)
        return Refuse(err, OrderMessage());
    const YearsMonthsDays p = PeriodBetween(*from, *to);
    return Write(out, IntegerText(p.years) + " " + IntegerText(p.months) + " " + IntegerText(p.days) + "\n");
}

int DeadlineCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 5)
        return kUsage;
    const std::optional<Date> start = ReadDate(v[0], v[1], v[2]);
    if (!start)
        return Refuse(err, DateInputMessage());
    const std::optional<std::int32_t> count = ReadInteger(v[3]);
    if (!count)
        return Refuse(err, NumberInputMessage());
    if (*count < 1)
        return Refuse(err, PeriodCountMessage());
    const std::optional<PeriodUnit> unit = ReadPeriodUnit(v[4]);
    if (!unit)
        return Refuse(err, PeriodUnitMessage());
    const PeriodEnd end = PeriodLastDay(*start, *count, *unit, a.Has("--first-day"), a.Has("--next-business-day"));
    if (end.status != ShiftStatus::Ok)
        return Refuse(err, YearRangeMessage());
    return Write(out, DateFields(end.lastDay) + "\n");
}

int NenreiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 3 && v.size() != 6)
        return kUsage;
    const std::optional<Date> birth = ReadDate(v[0], v[1], v[2]);
    const std::optional<Date> day = v.size() == 6 ? ReadDate(v[3], v[4], v[5]) : std::optional<Date>(Today());
    if (!birth || !day)
        return Refuse(err, DateInputMessage());
    if (*day < *birth)
        return Refuse(err, BirthOrderMessage());
    const YearsMonthsDays lived = TimeSinceBirth(*birth, *day);
    const NextBirthday next = NextBirthdayAfter(*birth, *day);
    if (!next.ok)
        return Refuse(err, YearRangeMessage());
    return Write(out, "満年齢\t" + IntegerText(lived.years) + "\n数え年\t" + IntegerText(CountedAge(*birth, *day)) +
                          "\n経過\t" + IntegerText(lived.years) + " " + IntegerText(lived.months) + " " +
                          IntegerText(lived.days) + "\n次の誕生日\t" + DateFields(next.date) + "\t" +
                          IntegerText(next.daysLeft) + "\n");
}

int GakurekiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 3)
        return kUsage;
    const std::optional<Date> birth = ReadDate(v[0], v[1], v[2]);
    if (!birth)
        return Refuse(err, DateInputMessage());
    std::string text;
    for (const SchoolStep& step : SchoolSteps(*birth))
        text.append(step.name).append("\t").append(IntegerText(step.year) + " " + IntegerText(step.month) + "\n");
    return Write(out, text);
}

int IwaiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 3)
        return kUsage;
    const std::optional<Date> birth = ReadDate(v[0], v[1], v[2]);
    if (!birth)
        return Refuse(err, DateInputMessage());
    std::string text;
    for (const LongevityYear& y : LongevityYears(birth->year)) {
        // In steps: "\t" + a temporary trips GCC 12's -Wrestrict at -O3.
        text.append(y.name).append("\t").append(IntegerText(y.age)).append("\t");
        text.append(IntegerText(y.byFullAge)).append("\t").append(IntegerText(y.byCountedAge)).append("\n");
    }
    return Write(out, text);
}

int YakudoshiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (v.size() != 2)
        return kUsage;
    const std::optional<std::int32_t> year = ReadInteger(v[0]);
    if (!year)
        return Refuse(err, NumberInputMessage());
    std::optional<Sex> sex;
    if (v[1] == "男" || v[1] == "男性")
        sex = Sex::Male;
    else if (v[1] == "女" || v[1] == "女性")
        sex = Sex::Female;
    if (!sex)
        return Refuse(err, "性別は 男 か 女 で入力して下さい。");
    std::string text;
    for (const UnluckyYear& y : UnluckyYears(*year, *sex)) {
        text.append(IntegerText(y.year) + "\t" + IntegerText(y.countedAge) + "\t").append(y.label).append("\n");
    }
    return Write(out, text);
}

}  // namespace vadelon::tools
