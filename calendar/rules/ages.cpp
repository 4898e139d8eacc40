#include "calendar/rules/ages.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"

#include <span>

namespace vadelon {

namespace {

// The first day on which months whole months have passed since the birth:
// the day that corresponds to the birthday in the month reached, or the 1st
// of the month after when that month has no such day (its period ends on
// its last day).
ShiftedDate MonthsReached(const Date& birth, std::int64_t months)
{
    const std::int64_t index = std::int64_t{birth.year} * 12 + (birth.month - 1) + months;
    std::int64_t year = index / 12, rest = index % 12;
    if (rest < 0) {
        rest += 12;
        --year;
    }
    if (!FitsInt32(year))
        return ShiftedDate{ShiftStatus::YearOutOfRange, {}};
    const Date reached{static_cast<std::int32_t>(year), static_cast<std::int32_t>(rest + 1), 1};
    if (birth.day <= DaysInMonth(reached.year, reached.month))
        return ShiftedDate{ShiftStatus::Ok, {reached.year, reached.month, birth.day}};
    return StoreDayNumber(DayNumber(reached) + DaysInMonth(reached.year, reached.month));
}

}  // namespace

const std::string& BirthOrderMessage()
{
    static const std::string message = "生年月日と日付の前後関係を確認して下さい。";
    return message;
}

ShiftedDate AgeBirthday(const Date& birth, std::int64_t n)
{
    return MonthsReached(birth, 12 * n);
}

std::int64_t FullAge(const Date& birth, const Date& day)
{
    return TimeSinceBirth(birth, day).years;
}

std::int64_t CountedAge(const Date& birth, const Date& day)
{
    return std::int64_t{day.year} - birth.year + 1;
}

YearsMonthsDays TimeSinceBirth(const Date& birth, const Date& day)
{
    // The day reached lies in the day's month or on the 1st of the next; one
    // month fewer when it lies after the day. Both stay between the two
    // dates' years, so they fit.
    std::int64_t months = (std::int64_t{day.year} - birth.year) * 12 + (day.month - birth.month);
    Date reached = MonthsReached(birth, months).date;
    if (day < reached)
        reached = MonthsReached(birth, --months).date;
    return YearsMonthsDays{months / 12, months % 12, DayNumber(day) - DayNumber(reached)};
}

NextBirthday NextBirthdayAfter(const Date& birth, const Date& day)
{
    const ShiftedDate next = AgeBirthday(birth, FullAge(birth, day) + 1);
    if (next.status != ShiftStatus::Ok)
        return NextBirthday{};
    return NextBirthday{true, next.date, DayNumber(next.date) - DayNumber(day)};
}

std::int64_t FirstSchoolYear(const Date& birth)
{
    // The sixth birthday is at the latest 4月1日 (a 2月29日 birth's is 3月1日
    // at the latest): the school year that begins that day takes the child.
    const bool early = birth.month < 4 || (birth.month == 4 && birth.day == 1);
    return std::int64_t{birth.year} + (early ? 6 : 7);
}

std::array<SchoolStep, 8> SchoolSteps(const Date& birth)
{
    const std::int64_t y = FirstSchoolYear(birth);
    return {{
        {"小学校入学", y, 4},
        {"小学校卒業", y + 6, 3},
        {"中学校入学", y + 6, 4},
        {"中学校卒業", y + 9, 3},
        {"高等学校入学", y + 9, 4},
        {"高等学校卒業", y + 12, 3},
        {"大学入学", y + 12, 4},
        {"大学卒業", y + 16, 3},
    }};
}

std::vector<LongevityYear> LongevityYears(std::int64_t birthYear)
{
    struct Celebration {
        std::string_view name;
        std::int32_t fullAge, countedAge;
    };
    // 還暦 and 大還暦 are the returns of the sexagenary cycle, at 満60 and
    // 満120; the others are named for their 数え年.
    static constexpr Celebration kCelebrations[] = {
        {"還暦", 60, 61},   {"古希", 70, 70},   {"喜寿", 77, 77},     {"傘寿", 80, 80},
        {"米寿", 88, 88},   {"卒寿", 90, 90},   {"白寿", 99, 99},     {"百寿", 100, 100},
        {"茶寿", 108, 108}, {"皇寿", 111, 111}, {"大還暦", 120, 121},
    };
    std::vector<LongevityYear> years;
    for (const Celebration& c : kCelebrations)
        years.push_back({c.name, c.fullAge, birthYear + c.fullAge, birthYear + c.countedAge - 1});
    return years;
}

std::vector<UnluckyYear> UnluckyYears(std::int64_t birthYear, Sex sex)
{
    struct Main {
        std::int32_t age;
        bool great;  // 大厄
    };
    static constexpr Main kMen[] = {{25, false}, {42, true}, {61, false}};
    static constexpr Main kWomen[] = {{19, false}, {33, true}, {37, false}, {61, false}};
    std::vector<UnluckyYear> years;
    for (const Main& m : sex == Sex::Male ? std::span<const Main>(kMen) : std::span<const Main>(kWomen)) {
        years.push_back({birthYear + m.age - 2, m.age - 1, "前厄"});
        years.push_back({birthYear + m.age - 1, m.age, m.great ? "本厄（大厄）" : "本厄"});
        years.push_back({birthYear + m.age, m.age + 1, "後厄"});
    }
    return years;
}

}  // namespace vadelon
