#include "calendar/notes/business_days.h"

#include "calendar/days/civil_days.h"
#include "calendar/notes/holiday_rules.h"
#include "calendar/notes/holidays.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vadelon {

namespace {

using holiday_detail::DayOfYear;
using holiday_detail::WeekdayOfDayNumber;
using holiday_detail::YearHolidays;
using holiday_detail::YearShape;

constexpr int kSaturday = 5;

// A day as the counts see it: its year, day of year, and the year's shape.
struct Position {
    std::int64_t year;
    int dayOfYear;  // 0 = 1 January
    bool leap;
    int firstWeekday;  // of 1 January, Monday 0
};

Position PositionOf(std::int64_t dayNumber)
{
    const CivilDate c = CivilFromDays(dayNumber);
    const bool leap = IsLeapYear(c.year);
    return Position{c.year, DayOfYear(leap, c.month, c.day), leap, WeekdayOfDayNumber(DaysBeforeYear(c.year))};
}

bool IsWeekday(int firstWeekday, int dayOfYear)
{
    return (firstWeekday + dayOfYear) % 7 < kSaturday;
}

bool IsClosureDay(bool leap, int dayOfYear)
{
    return dayOfYear < 3 || dayOfYear >= (leap ? 366 : 365) - 3;
}

// Mondays to Fridays up to and including the day, counted from a Monday far
// back: only differences are used. 1970-01-05, day 4, is a Monday.
std::int64_t WeekdaysThrough(std::int64_t dayNumber)
{
    const std::int64_t k = dayNumber - 4;
    std::int64_t weeks = k / 7, rest = k % 7;
    if (rest < 0) {
        rest += 7;
        --weeks;
    }
    return 5 * weeks + std::min<std::int64_t>(rest + 1, 5);
}

// The closure days of a year up to and including day of year `through` that
// fall on Mondays to Fridays.
int ClosureWeekdays(int firstWeekday, bool leap, int through)
{
    const int length = leap ? 366 : 365;
    int count = 0;
    for (const int day : {0, 1, 2, length - 3, length - 2, length - 1}) {
        if (day <= through && IsWeekday(firstWeekday, day))
            ++count;
    }
    return count;
}

// 400 Gregorian years are a whole number of weeks, so every such cycle holds
// the same closure weekdays: a count over any span is cycles times that plus
// a prefix of the cycle.
struct ClosureCycle {
    std::array<std::int64_t, 401> before{};  // closure weekdays of the cycle's years 0 to i - 1

    ClosureCycle()
    {
        for (std::int32_t year = 0; year < 400; ++year) {
            const int firstWeekday = WeekdayOfDayNumber(DaysBeforeYear(year));
            before[static_cast<std::size_t>(year) + 1] =
                before[static_cast<std::size_t>(year)] + ClosureWeekdays(firstWeekday, IsLeapYear(year), 366);
        }
    }
};

std::int64_t ClosureWeekdaysThrough(const Position& p)
{
    static const ClosureCycle cycle;
    // Shifted years are non-negative and lie in the same place of their cycle.
    const std::uint64_t shifted = static_cast<std::uint64_t>(p.year) + civil_detail::kShiftYears;
    return static_cast<std::int64_t>(shifted / 400) * cycle.before[400] + cycle.before[shifted % 400] +
           ClosureWeekdays(p.firstWeekday, p.leap, p.dayOfYear);
}

// A year's holidays on Mondays to Fridays up to and including a day of the
// year: all of them, and those outside the closure days.
struct HolidayWeekdays {
    int all = 0, outsideClosure = 0;
};

HolidayWeekdays CountHolidayWeekdays(const YearHolidays& holidays, const YearShape& shape, int through)
{
    HolidayWeekdays count;
    for (int i = 0; i < holidays.count; ++i) {
        const int day = holidays.days[static_cast<std::size_t>(i)].dayOfYear;
        if (day > through)
            break;
        if (IsWeekday(shape.firstWeekday, day)) {
            ++count.all;
            if (!IsClosureDay(shape.leap, day))
                ++count.outsideClosure;
        }
    }
    return count;
}

// The holiday weekdays of the years before each holiday year, built on first
// use. Under today's law a year's holidays follow from its shape alone, and
// the 8,000 years from then on have only some hundreds of shapes: each is
// worked out once.
class HolidayYears {
public:
    HolidayYears()
    {
        constexpr std::size_t kShapes = 7 * 2 * 32 * 32;
        std::vector<HolidayWeekdays> byShape(kShapes, HolidayWeekdays{-1, -1});
        for (std::int32_t year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
            const YearShape shape = holiday_detail::ShapeOfYear(year);
            HolidayWeekdays count;
            if (year < holiday_detail::kFirstYearOfTodaysLaw) {
                count = CountHolidayWeekdays(holiday_detail::HolidaysOfShape(shape), shape, 366);
            } else {
                const std::size_t key = static_cast<std::size_t>(
                    ((shape.firstWeekday * 2 + (shape.leap ? 1 : 0)) * 32 + shape.marchEquinox) * 32 +
                    shape.septemberEquinox);
                if (byShape[key].all < 0)
                    byShape[key] = CountHolidayWeekdays(holiday_detail::HolidaysOfShape(shape), shape, 366);
                count = byShape[key];
            }
            const std::size_t i = static_cast<std::size_t>(year - kFirstHolidayYear);
            all_[i + 1] = all_[i] + count.all;
            outsideClosure_[i + 1] = outsideClosure_[i] + count.outsideClosure;
        }
    }

    // Holiday weekdays up to and including the day, from 1948 on.
    std::int64_t Through(const Position& p, bool yearEndClosure) const
    {
        const auto& before = yearEndClosure ? outsideClosure_ : all_;
        if (p.year < kFirstHolidayYear)
            return 0;
        if (p.year > kLastHolidayYear)
            return before.back();
        const auto year = static_cast<std::int32_t>(p.year);
        const YearShape shape = holiday_detail::ShapeOfYear(year);
        const HolidayWeekdays count = CountHolidayWeekdays(holiday_detail::HolidaysOfShape(shape), shape, p.dayOfYear);
        return before[static_cast<std::size_t>(year - kFirstHolidayYear)] +
               (yearEndClosure ? count.outsideClosure : count.all);
    }

private:
    static constexpr std::size_t kYears = kLastHolidayYear - kFirstHolidayYear + 1;
    std::array<std::int64_t, kYears + 1> all_{}, outsideClosure_{};
};

// Business days up to and including the day, from a far origin: only
// differences are used.
std::int64_t BusinessDaysThrough(std::int64_t dayNumber, bool yearEndClosure)
{
    static const HolidayYears holidays;
    const Position p = PositionOf(dayNumber);
    const std::int64_t off = yearEndClosure ? ClosureWeekdaysThrough(p) : 0;
    return WeekdaysThrough(dayNumber) - off - holidays.Through(p, yearEndClosure);
}

// The first day whose count reaches target, searched outward from a day
// `from` on the side where the count is below (upward) or reaches it.
std::int64_t FirstDayReaching(std::int64_t target, std::int64_t from, std::int64_t step, bool upward,
                              bool yearEndClosure)
{
    std::int64_t below = from, reaching = from;
    if (upward) {
        reaching = below + step;
        while (BusinessDaysThrough(reaching, yearEndClosure) < target) {
            below = reaching;
            step *= 2;
            reaching = below + step;
        }
    } else {
        below = reaching - step;
        while (BusinessDaysThrough(below, yearEndClosure) >= target) {
            reaching = below;
            step *= 2;
            below = reaching - step;
        }
    }
    while (reaching - below > 1) {
        const std::int64_t middle = below + (reaching - below) / 2;
        if (BusinessDaysThrough(middle, yearEndClosure) >= target)
            reaching = middle;
        else
            below = middle;
    }
    return reaching;
}

}  // namespace

DayCount BusinessDaysBetween(const Date& from, const Date& to, bool yearEndClosure)
{
    if (!(from < to))
        return DayCount{};
    return DayCount{true, BusinessDaysThrough(DayNumber(to), yearEndClosure) -
                              BusinessDaysThrough(DayNumber(from), yearEndClosure)};
}

ShiftedDate ShiftBusinessDays(const Date& date, std::int32_t count, bool yearEndClosure)
{
    if (date.month < 1 || date.month > 12)
        return ShiftedDate{ShiftStatus::MonthOutOfRange, {}};
    const std::int64_t start = DayNumber(date);
    std::int64_t result = start;
    if (count > 0) {
        const std::int64_t target = BusinessDaysThrough(start, yearEndClosure) + count;
        result = FirstDayReaching(target, start, count, true, yearEndClosure);
    } else if (count < 0) {
        // The |count|-th business day before: the first day from which the
        // days up to the one before the start hold |count| business days.
        const std::int64_t target = BusinessDaysThrough(start - 1, yearEndClosure) + count + 1;
        result = FirstDayReaching(target, start - 1, -std::int64_t{count}, false, yearEndClosure);
    }
    return StoreDayNumber(result);
}

}  // namespace vadelon
