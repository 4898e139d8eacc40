// The core operations on arbitrary 32-bit fields: no crash, no undefined
// behaviour, and the invariants that tie the operations together.
#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/era.h"
#include "calendar/notes/business_days.h"
#include "calendar/notes/date_text_reading.h"
#include "calendar/notes/era_dates.h"
#include "calendar/notes/holidays.h"
#include "calendar/rules/ages.h"
#include "calendar/rules/calculation_rules.h"
#include "calendar/rules/periods.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <variant>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::int32_t Next()
    {
        std::uint32_t v = 0;
        const std::size_t n = size < 4 ? size : 4;
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return static_cast<std::int32_t>(v);
    }
};

using vadelon::IsRealDate;

void CheckDayArithmetic(const vadelon::Date& first, const vadelon::Date& second)
{
    using namespace vadelon;
    const int length = DaysInMonth(first.year, first.month);
    Check(length == 0 || (length >= 28 && length <= 31));
    Check((length == 0) == (first.month < 1 || first.month > 12));
    Check(DaysInYear(first.year) == 365 || DaysInYear(first.year) == 366);

    const DayCount n = DaysBetween(first, second);
    Check(n.inOrder == (first < second));
    Check(n.inOrder ? n.days == DayNumber(second) - DayNumber(first) : n.days == 0);
    if (n.inOrder && IsRealDate(first) && IsRealDate(second))
        Check(n.days > 0);
}

void CheckShift(const vadelon::Date& date, std::int32_t count)
{
    using namespace vadelon;
    const ShiftedDate shifted = ShiftDate(date, count);
    if (date.month < 1 || date.month > 12) {
        Check(shifted.status == ShiftStatus::MonthOutOfRange);
        return;
    }
    if (shifted.status != ShiftStatus::Ok) {
        Check(shifted.status == ShiftStatus::YearOutOfRange);
        return;
    }
    Check(IsRealDate(shifted.date));
    // The shift moves exactly count days from the day the fields stand for.
    Check(DayNumber(shifted.date) - DayNumber(date) == count);
    // And back again, where the count can be negated. The way back may leave
    // the year range when the day offset reached beyond it.
    if (count != INT32_MIN) {
        const ShiftedDate back = ShiftDate(shifted.date, -count);
        Check(back.status == ShiftStatus::Ok || (back.status == ShiftStatus::YearOutOfRange && !IsRealDate(date)));
        if (back.status == ShiftStatus::Ok) {
            Check(DayNumber(back.date) == DayNumber(date));
            Check(IsRealDate(back.date));
        }
    }
    // A real date shifted by 0 stays as it is.
    if (IsRealDate(date)) {
        const ShiftedDate same = ShiftDate(date, 0);
        Check(same.status == ShiftStatus::Ok && same.date == date);
    }
}

void CheckWeekday(const vadelon::Date& date)
{
    static const std::set<std::string> labels = {"（月曜日）", "（火曜日）", "（水曜日）",
                                                 "（木曜日）", "（金曜日）", "（土曜日）",
                                                 "（日曜日）", "（　曜日）", ""};
    const std::string label = vadelon::WeekdayLabel(date);
    Check(labels.count(label) == 1);
    Check((label == "（　曜日）") == (date < vadelon::kFirstGregorianDay));
}

void CheckEra(std::int32_t y, std::int32_t m, std::int32_t d, std::int32_t answer)
{
    using namespace vadelon;
    int asked = 0;
    const EraChoice choice = static_cast<EraChoice>(static_cast<std::uint32_t>(answer) % 3);
    const EraText text = EraTextForYear(y, m, d, [&](const EraQuestion&) {
        ++asked;
        return choice;
    });
    Check(asked <= 1);
    Check(text.name.empty() || text.name == "　　" || EraRowForName(text.name).has_value());
    const std::string& t = text.year;
    const bool digits = (t.size() == 1 && t[0] >= '1' && t[0] <= '9') ||
                        (t.size() == 2 && t[0] >= '1' && t[0] <= '9' && t[1] >= '0' && t[1] <= '9');
    Check(digits || t == "  " || t == "--" || t.empty());
    Check(t.empty() == text.name.empty());

    const auto row = answer;
    const auto western = WesternYearFromEra(row, y);
    if (western) {
        Check(row >= 0 && row < static_cast<std::int32_t>(EraTable().size()));
        Check(std::int64_t{*western} == std::int64_t{EraTable()[static_cast<std::size_t>(row)].startYearValue} - 1 + y);
    }
}

void CheckAlmanac(const vadelon::Date& date)
{
    using namespace vadelon;
    const AlmanacValues v = ComputeAlmanac(date);
    Check(v.dayStem.size() == 3 && v.dayBranch.size() == 3 && v.yearStar.size() == 12);
    Check(v.monthBranch.empty() == (date.month < 1 || date.month > 12));
    if (!AlmanacAcceptsDate(date))
        return;
    const AlmanacReport report = ComposeAlmanacReport(date, AlmanacPanelTexts{});
    Check(report.lines.size() == (v.adopted ? 17u : 20u));
    Check(report.caption == "西暦年（年）月日のこよみ");
}

void CheckBusinessDays(const vadelon::Date& first, const vadelon::Date& second, std::int32_t count)
{
    using namespace vadelon;
    const bool closure = (count & 1) != 0;
    const DayCount days = DaysBetween(first, second);
    const DayCount business = BusinessDaysBetween(first, second, closure);
    Check(business.inOrder == days.inOrder);
    // At most 5 of 7 days, never of the other sign.
    Check(days.days >= 0 ? business.days >= 0 && business.days <= days.days
                         : business.days <= 0 && business.days >= days.days);
    if (!IsRealDate(first))
        return;
    const ShiftedDate shifted = ShiftBusinessDays(first, count, closure);
    if (shifted.status != ShiftStatus::Ok) {
        Check(shifted.status == ShiftStatus::YearOutOfRange);
        return;
    }
    Check(IsRealDate(shifted.date));
    // The count-th business day: itself one, with count of them up to it.
    if (count == 0) {
        Check(shifted.date == first);
        return;
    }
    const auto [y, m, d] = shifted.date;
    Check(BusinessDaysBetween({y, m, d - 1}, shifted.date, closure).days == 1 && HolidayName({y, m, d}).empty());
    if (count > 0)
        Check(BusinessDaysBetween(first, shifted.date, closure).days == count);
}

// Months added, the years-months-days between two real dates, ages and a
// period's last day, each against what defines it.
void CheckPeriods(const vadelon::Date& a, const vadelon::Date& b, std::int32_t count)
{
    using namespace vadelon;
    if (!IsRealDate(a) || !IsRealDate(b))
        return;
    const ShiftedDate moved = AddMonths(a, count);
    if (moved.status == ShiftStatus::Ok) {
        Check(IsRealDate(moved.date));
        Check(moved.date.day == a.day || moved.date.day == DaysInMonth(moved.date.year, moved.date.month));
    }
    const Date from = a < b ? a : b, to = a < b ? b : a;
    const YearsMonthsDays p = PeriodBetween(from, to);
    Check(p.months >= 0 && p.months < 12 && p.days >= 0 && p.years >= 0);
    const std::int64_t months = 12 * p.years + p.months;
    const ShiftedDate reached = AddMonths(from, months);
    Check(reached.status == ShiftStatus::Ok && DayNumber(reached.date) + p.days == DayNumber(to));
    const ShiftedDate beyond = AddMonths(from, months + 1);
    Check(beyond.status != ShiftStatus::Ok || to < beyond.date);

    // The age is the last whole year whose birthday has come.
    const std::int64_t age = FullAge(from, to);
    const ShiftedDate birthday = AgeBirthday(from, age), next = AgeBirthday(from, age + 1);
    Check(age >= 0 && birthday.status == ShiftStatus::Ok && !(to < birthday.date));
    Check(next.status != ShiftStatus::Ok || to < next.date);
    Check(CountedAge(from, to) - age >= 0 && CountedAge(from, to) - age <= 2);

    if (count < 1)
        return;
    const auto unit = static_cast<PeriodUnit>(static_cast<std::uint32_t>(b.day) % 4);
    const PeriodEnd end = PeriodLastDay(a, count, unit, (b.month & 1) != 0, (b.month & 2) != 0);
    if (end.status != ShiftStatus::Ok)
        return;
    Check(IsRealDate(end.lastDay) && !(end.lastDay < end.lawLastDay) && !(end.lawLastDay < a));
    Check(end.moved == (end.lastDay != end.lawLastDay));
}

}  // namespace

// 和暦: every era reading of a day goes back to that day.
void CheckEraDates(std::int32_t value)
{
    using namespace vadelon;
    const std::int64_t days = kLastWarekiJdn - kFirstWarekiJdn + 1;
    const std::int64_t jdn = kFirstWarekiJdn + static_cast<std::int64_t>(static_cast<std::uint32_t>(value)) % days;
    for (const EraDate& date : EraDatesOf(jdn)) {
        if (!date.era.empty())
            Check(DayOfEraDate(date.era, date.year, date.month, date.leap, date.day) ==
                  std::variant<std::int64_t, std::string>(jdn));
    }
}

// Any bytes as a typed date: a day from 0001-01-01 to 9999-12-31, or a message.
void CheckDateText(const std::uint8_t* data, std::size_t size)
{
    const auto read = vadelon::ReadDateText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* jdn = std::get_if<std::int64_t>(&read))
        Check(*jdn >= 1721426 && *jdn <= vadelon::kLastWarekiJdn);
    else
        Check(!std::get<std::string>(read).empty());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckDateText(data, size);
    Reader in{data, size};
    const std::int32_t y1 = in.Next(), m1 = in.Next(), d1 = in.Next();
    const std::int32_t y2 = in.Next(), m2 = in.Next(), d2 = in.Next();
    const std::int32_t count = in.Next(), extra = in.Next();
    const vadelon::Date first{y1, m1, d1}, second{y2, m2, d2};
    const std::int32_t firstGregorianYear = vadelon::kFirstGregorianDay.year;
    CheckDayArithmetic(first, second);
    CheckShift(first, count);
    // Small fields too: the random 32-bit ones rarely hit a real month.
    CheckShift({y1, 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) % 12), d1 % 64}, count);
    CheckWeekday(first);
    CheckWeekday({firstGregorianYear + (y2 & 0xff), m2 % 16, d2 % 64});
    CheckEra(y1, m1, d1, extra);
    CheckEra(y2 % 2200, m2 % 14, d2 % 32, extra);
    CheckEraDates(count);
    CheckAlmanac(first);
    CheckAlmanac({firstGregorianYear + (y2 & 0x3ff), m2 % 16, d2 % 64});
    CheckBusinessDays(first, second, count);
    // Real dates, in and around the holiday years.
    CheckBusinessDays({1900 + (y2 & 0x3fff), 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) % 12),
                       1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(d2) % 28)},
                      {y2, m1, d1}, count % 5000);
    CheckPeriods(first, second, count);
    // Real dates, and small counts, where the month ends are met.
    const auto small = [](std::int32_t v, std::uint32_t n) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) % n);
    };
    CheckPeriods({y1 % 3000, 1 + small(m1, 12), 1 + small(d1, 31)}, {y2 % 3000, 1 + small(m2, 12), 1 + small(d2, 31)},
                 count % 400);
    return 0;
}
