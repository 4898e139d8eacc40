#include "calendar/notes/holiday_rules.h"

#include "calendar/days/civil_days.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/notes/equinox_days.h"
#include "calendar/notes/holidays.h"

#include <algorithm>
#include <bitset>

namespace vadelon::holiday_detail {

namespace {

constexpr int kSunday = 6;
// The last year of a rule still in force.
constexpr std::int16_t kInForce = kLastHolidayYear;

enum class Kind : std::uint8_t { Fixed, NthMonday, MarchEquinox, SeptemberEquinox };

// One holiday of the law over the years a wording of it held.
struct Rule {
    std::string_view name;
    std::int16_t first, last;
    Kind kind;
    std::int8_t month = 0;
    std::int8_t dayOrWeek = 0;  // the day of a fixed date; n of the n-th Monday
};

// The law of 1948-07-20 (昭和23年法律第178号) with its amendments: 1966
// (建国記念の日 from 1967, 敬老の日, 体育の日), 1989 (天皇誕生日 to 12/23,
// みどりの日), 1995 (海の日 from 1996), 1998 (Mondays from 2000), 2001
// (Mondays from 2003), 2005 (昭和の日, みどりの日 to 5/4, from 2007), 2014
// (山の日 from 2016), the abdication law of 2017 (天皇誕生日 to 2/23 from
// 2020) and 2018 (スポーツの日 from 2020).
constexpr Rule kRules[] = {
    {"元日", 1948, kInForce, Kind::Fixed, 1, 1},
    {"成人の日", 1948, 1999, Kind::Fixed, 1, 15},
    {"成人の日", 2000, kInForce, Kind::NthMonday, 1, 2},
    {"建国記念の日", 1967, kInForce, Kind::Fixed, 2, 11},
    {"天皇誕生日", 2020, kInForce, Kind::Fixed, 2, 23},
    {"春分の日", 1948, kInForce, Kind::MarchEquinox},
    {"天皇誕生日", 1948, 1988, Kind::Fixed, 4, 29},
    {"みどりの日", 1989, 2006, Kind::Fixed, 4, 29},
    {"昭和の日", 2007, kInForce, Kind::Fixed, 4, 29},
    {"憲法記念日", 1948, kInForce, Kind::Fixed, 5, 3},
    {"みどりの日", 2007, kInForce, Kind::Fixed, 5, 4},
    {"こどもの日", 1948, kInForce, Kind::Fixed, 5, 5},
    {"海の日", 1996, 2002, Kind::Fixed, 7, 20},
    {"海の日", 2003, kInForce, Kind::NthMonday, 7, 3},
    {"山の日", 2016, kInForce, Kind::Fixed, 8, 11},
    {"敬老の日", 1966, 2002, Kind::Fixed, 9, 15},
    {"敬老の日", 2003, kInForce, Kind::NthMonday, 9, 3},
    {"秋分の日", 1948, kInForce, Kind::SeptemberEquinox},
    {"体育の日", 1966, 1999, Kind::Fixed, 10, 10},
    {"体育の日", 2000, 2019, Kind::NthMonday, 10, 2},
    {"スポーツの日", 2020, kInForce, Kind::NthMonday, 10, 2},
    {"文化の日", 1948, kInForce, Kind::Fixed, 11, 3},
    {"勤労感謝の日", 1948, kInForce, Kind::Fixed, 11, 23},
    {"天皇誕生日", 1989, 2018, Kind::Fixed, 12, 23},
};

// The special measures for the Olympic and Paralympic Games of Tokyo moved
// three holidays in 2020 and again in 2021.
struct Move {
    std::int16_t year;
    std::string_view name;
    std::int8_t month, day;
};
constexpr Move kMoves[] = {
    {2020, "海の日", 7, 23}, {2020, "スポーツの日", 7, 24}, {2020, "山の日", 8, 10},
    {2021, "海の日", 7, 22}, {2021, "スポーツの日", 7, 23}, {2021, "山の日", 8, 8},
};

// Days made holidays by laws of their own, named by those laws. Only the two
// of 2019 count as 国民の祝日 for the substitute and in-between rules.
struct OneOff {
    std::int16_t year;
    std::int8_t month, day;
    std::string_view name;
    bool countsAsNationalHoliday;
};
constexpr OneOff kOneOffs[] = {
    {1959, 4, 10, "皇太子明仁親王の結婚の儀", false},
    {1989, 2, 24, "昭和天皇の大喪の礼", false},
    {1990, 11, 12, "即位礼正殿の儀", false},
    {1993, 6, 9, "皇太子徳仁親王の結婚の儀", false},
    {2019, 5, 1, "天皇の即位の日", true},
    {2019, 10, 22, "即位礼正殿の儀", true},
};

// In the far future ΔT brings 秋分 back into the week of 敬老の日, and the two
// can fall on one Monday.
constexpr std::string_view kRespectAndEquinox = "敬老の日・秋分の日";

constexpr std::int32_t FirstYearOfTodaysLaw()
{
    std::int32_t year = 0;
    for (const Rule& r : kRules)
        year = std::max<std::int32_t>({year, r.first, r.last == kInForce ? 0 : r.last + 1});
    for (const Move& m : kMoves)
        year = std::max<std::int32_t>(year, m.year + 1);
    for (const OneOff& o : kOneOffs)
        year = std::max<std::int32_t>(year, o.year + 1);
    return year;
}

constexpr std::int16_t kDaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Whether a day of the shape's year lies on or after the date on which a
// wording came into force.
bool OnOrAfter(const YearShape& s, int dayOfYear, std::int32_t sinceYear, int sinceMonth, int sinceDay)
{
    return s.year != sinceYear ? s.year > sinceYear : dayOfYear >= DayOfYear(s.leap, sinceMonth, sinceDay);
}

// Collects a year's holidays into the result, with the days taken so far as
// bits (day d at bit d + 1, so that the day before 1 January exists).
class Builder {
public:
    Builder(const YearShape& shape, YearHolidays& result)
        : shape_(shape)
        , result_(result)
    {
        result_.count = 0;
    }

    void Add(int dayOfYear, std::string_view name, bool national)
    {
        const auto bit = static_cast<std::size_t>(dayOfYear + 1);
        if (any_.test(bit)) {
            for (int i = 0; i < result_.count; ++i) {
                DayHoliday& there = result_.days[static_cast<std::size_t>(i)];
                if (there.dayOfYear == dayOfYear && there.name == "敬老の日" && name == "秋分の日")
                    there.name = kRespectAndEquinox;
            }
            return;
        }
        result_.days[static_cast<std::size_t>(result_.count++)] = DayHoliday{dayOfYear, name};
        any_.set(bit);
        if (national)
            national_.set(bit);
    }
    bool IsNational(int dayOfYear) const { return national_.test(static_cast<std::size_t>(dayOfYear + 1)); }
    bool IsHoliday(int dayOfYear) const { return any_.test(static_cast<std::size_t>(dayOfYear + 1)); }
    int Weekday(int dayOfYear) const { return (shape_.firstWeekday + dayOfYear) % 7; }
    int Count() const { return result_.count; }
    int DayAt(int i) const { return result_.days[static_cast<std::size_t>(i)].dayOfYear; }

    // The rules come nearly in date order: an insertion sort has little to do.
    void Sort()
    {
        for (int i = 1; i < result_.count; ++i) {
            const DayHoliday moving = result_.days[static_cast<std::size_t>(i)];
            int j = i;
            for (; j > 0 && result_.days[static_cast<std::size_t>(j - 1)].dayOfYear > moving.dayOfYear; --j)
                result_.days[static_cast<std::size_t>(j)] = result_.days[static_cast<std::size_t>(j - 1)];
            result_.days[static_cast<std::size_t>(j)] = moving;
        }
    }

private:
    const YearShape& shape_;
    YearHolidays& result_;
    std::bitset<368> national_, any_;
};

int DayOfRule(const Rule& r, const YearShape& s)
{
    switch (r.kind) {
    case Kind::Fixed: return DayOfYear(s.leap, r.month, r.dayOrWeek);
    case Kind::MarchEquinox: return DayOfYear(s.leap, 3, s.marchEquinox);
    case Kind::SeptemberEquinox: return DayOfYear(s.leap, 9, s.septemberEquinox);
    case Kind::NthMonday: break;
    }
    const int first = DayOfYear(s.leap, r.month, 1);
    const int toMonday = (7 - (s.firstWeekday + first) % 7) % 7;
    return first + toMonday + 7 * (r.dayOrWeek - 1);
}

}  // namespace

const std::int32_t kFirstYearOfTodaysLaw = FirstYearOfTodaysLaw();

int DayOfYear(bool leap, int month, int day)
{
    return kDaysBefore[month] + (leap && month > 2 ? 1 : 0) + day - 1;
}

int WeekdayOfDayNumber(std::int64_t dayNumber)
{
    const std::int64_t r = (dayNumber + 3) % 7;
    return static_cast<int>(r < 0 ? r + 7 : r);
}

YearShape ShapeOfYear(std::int32_t year)
{
    const std::uint8_t* equinoxes = kEquinoxDaysOfMonth[year - kFirstHolidayYear];
    return YearShape{year, WeekdayOfDayNumber(DaysBeforeYear(year)), IsLeapYear(year), equinoxes[0], equinoxes[1]};
}

YearHolidays HolidaysOfShape(const YearShape& s)
{
    YearHolidays result;
    Builder b(s, result);
    // The law came into force on 1948-07-20.
    const int firstDay = s.year == kFirstHolidayYear ? DayOfYear(s.leap, 7, 20) : 0;
    const bool moved =
        std::any_of(std::begin(kMoves), std::end(kMoves), [&](const Move& m) { return m.year == s.year; });

    for (const Rule& r : kRules) {
        if (s.year < r.first || s.year > r.last)
            continue;
        int day = DayOfRule(r, s);
        for (const Move& m : kMoves) {
            if (moved && m.year == s.year && m.name == r.name)
                day = DayOfYear(s.leap, m.month, m.day);
        }
        if (day >= firstDay)
            b.Add(day, r.name, true);
    }
    for (const OneOff& o : kOneOffs) {
        if (o.year == s.year)
            b.Add(DayOfYear(s.leap, o.month, o.day), o.name, o.countsAsNationalHoliday);
    }

    // 振替休日, from 1973-04-12: for a 国民の祝日 on a Sunday the day after;
    // from 2007 the first day after it that is no 国民の祝日.
    const bool today = s.year >= 2007;
    const int nationalCount = b.Count();
    for (int i = 0; i < nationalCount; ++i) {
        const int day = b.DayAt(i);
        if (!b.IsNational(day) || b.Weekday(day) != kSunday || !OnOrAfter(s, day, 1973, 4, 12))
            continue;
        int substitute = day + 1;
        while (today && b.IsNational(substitute))
            ++substitute;
        if (!b.IsHoliday(substitute))
            b.Add(substitute, "振替休日", false);
    }

    // 国民の休日, from 1985-12-27: a day whose day before and day after are
    // both 国民の祝日 and that is none itself. Until 2006 the law left out a
    // Sunday and a 振替休日; from 2007 only a 国民の祝日, so that a Sunday
    // between 秋分の日 and 敬老の日 (possible once ΔT has moved 秋分 into
    // mid-September) is one.
    const int withSubstitutes = b.Count();
    for (int i = 0; i < withSubstitutes; ++i) {
        const int day = b.DayAt(i) + 1;
        if (!b.IsNational(day - 1) || !b.IsNational(day + 1) || b.IsHoliday(day) || !OnOrAfter(s, day, 1985, 12, 27))
            continue;
        if (today || b.Weekday(day) != kSunday)
            b.Add(day, "国民の休日", false);
    }
    b.Sort();
    return result;
}

}  // namespace vadelon::holiday_detail
