#include "calendar/notes/era_dates.h"

#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/lunisolar.h"
#include "calendar/notes/old_calendar_table.h"
#include "calendar/sky/moon_phases.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vadelon {

namespace {

using old_calendar::Court;
using old_calendar::TableEra;

// The old forms of the kanji in era names, as older books and the seed's own
// era table write them (應永, 寳徳, 延曆, 貞觀, 仁壽, 齊衡 ...), and today's.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kOldKanji = {{
    {"應", "応"},
    {"曆", "暦"},
    {"歷", "暦"},
    {"德", "徳"},
    {"觀", "観"},
    {"壽", "寿"},
    {"齊", "斉"},
    {"萬", "万"},
    {"寶", "宝"},
    {"寳", "宝"},
    {"祿", "禄"},
    {"龜", "亀"},
    {"靈", "霊"},
    {"國", "国"},
    {"寬", "寛"},
}};

std::string TodaysKanji(std::string_view name)
{
    std::string text(name);
    for (const auto& [old, today] : kOldKanji) {
        for (std::size_t at = text.find(old); at != std::string::npos; at = text.find(old, at + today.size()))
            text.replace(at, old.size(), today);
    }
    return text;
}

// The longest span of an era row, so that a look back over the rows that
// began before a day can stop where none can reach it.
std::int64_t LongestEra()
{
    static const std::int64_t longest = [] {
        std::int64_t days = 0;
        for (const TableEra& era : old_calendar::Eras())
            days = std::max<std::int64_t>(
                days, (era.endJdn == old_calendar::kOpenEnd ? kLastWarekiJdn + 1 : era.endJdn) - era.startJdn);
        return days;
    }();
    return longest;
}

struct CalendarDay {
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = false;
};

// The lunisolar date to 1872-12-31, the Gregorian from 1873.
std::optional<CalendarDay> CalendarDayOf(std::int64_t jdn)
{
    if (jdn >= old_calendar::kSolarCalendarJdn) {
        const Date date = GregorianOfJdn(jdn);
        return CalendarDay{date.year, date.month, date.day, false};
    }
    const std::optional<LunisolarDate> lunisolar = LunisolarDateOfJdn(jdn);
    if (!lunisolar)
        return std::nullopt;
    return CalendarDay{lunisolar->year, lunisolar->month, lunisolar->day, lunisolar->leap};
}

std::string_view CourtName(Court court)
{
    return court == Court::South ? "南朝" : court == Court::North ? "北朝" : "";
}

// Each era name once, in order of names: its 元年 and its last year (of the
// year of its last day, both courts' rows together), found by a search.
struct EraSpan {
    std::string_view name;
    std::int32_t firstYear = 0, lastYear = 0;
};

const std::vector<EraSpan>& EraSpans()
{
    static const std::vector<EraSpan> spans = [] {
        std::vector<EraSpan> found;
        for (const TableEra& row : old_calendar::Eras()) {
            const std::int64_t lastDay = row.endJdn == old_calendar::kOpenEnd ? kLastWarekiJdn : row.endJdn - 1;
            const std::int32_t lastYear = CalendarDayOf(lastDay)->year - row.firstYear + 1;
            const auto same =
                std::find_if(found.begin(), found.end(), [&](const EraSpan& s) { return s.name == row.name; });
            if (same == found.end())
                found.push_back({row.name, row.firstYear, lastYear});
            else
                same->lastYear = std::max(same->lastYear, lastYear);
        }
        std::sort(found.begin(), found.end(), [](const EraSpan& a, const EraSpan& b) { return a.name < b.name; });
        return found;
    }();
    return spans;
}

// The era of a name in today's or old kanji.
const EraSpan* EraSpanOf(std::string_view name)
{
    // Only a name with an old form is rewritten.
    std::string today;
    for (const auto& [old, now] : kOldKanji) {
        if (name.find(old) != std::string_view::npos) {
            today = TodaysKanji(name);
            name = today;
            break;
        }
    }
    const std::vector<EraSpan>& spans = EraSpans();
    const auto found = std::lower_bound(spans.begin(), spans.end(), name,
                                        [](const EraSpan& s, std::string_view n) { return s.name < n; });
    return found != spans.end() && found->name == name ? &*found : nullptr;
}

std::string YearText(std::string_view era, std::int32_t year)
{
    return std::string(era) + (year == 1 ? "元" : IntegerText(year)) + "年";
}

}  // namespace

std::vector<EraDate> EraDatesOf(std::int64_t jdn)
{
    std::vector<EraDate> dates;
    if (jdn < kFirstWarekiJdn || jdn > kLastWarekiJdn)
        return dates;
    const std::optional<CalendarDay> day = CalendarDayOf(jdn);
    if (!day)
        return dates;
    const auto eras = old_calendar::Eras();
    auto begun = std::upper_bound(eras.begin(), eras.end(), jdn,
                                  [](std::int64_t d, const TableEra& era) { return d < era.startJdn; });
    std::vector<const TableEra*> holding;
    while (begun != eras.begin()) {
        const TableEra& era = *--begun;
        if (era.startJdn + LongestEra() <= jdn)
            break;
        if (jdn < era.endJdn)
            holding.push_back(&era);
    }
    std::reverse(holding.begin(), holding.end());
    bool courts = false;
    for (const TableEra* era : holding) {
        const EraDate date{era->name, day->year - era->firstYear + 1, day->month, day->day,
                           day->leap, CourtName(era->court)};
        // 元徳 and 建武 have a row for each court, the same dates while the
        // courts agreed.
        if (std::any_of(dates.begin(), dates.end(), [&](const EraDate& d) { return d.era == date.era; }))
            continue;
        courts = courts || era->court != Court::None;
        dates.push_back(date);
    }
    for (EraDate& date : dates) {
        if (dates.size() < 2 || !courts)
            date.court = {};
    }
    if (dates.empty())
        dates.push_back(EraDate{{}, day->year, day->month, day->day, day->leap, {}});
    return dates;
}

std::string EraDateText(const EraDate& date)
{
    std::string text;
    if (date.era.empty()) {
        const std::int64_t cycle = ((std::int64_t{date.year} - 4) % 60 + 60) % 60;
        text.append(StemNames[static_cast<std::size_t>(cycle % 10)])
            .append(BranchNames[static_cast<std::size_t>(cycle % 12)])
            .append("年");
    } else {
        text = YearText(date.era, date.year);
    }
    text += (date.leap ? "閏" : "") + IntegerText(date.month) + "月" + IntegerText(date.day) + "日";
    if (!date.court.empty())
        text.append("（").append(date.court).append("）");
    return text;
}

std::optional<std::string_view> EraNameOf(std::string_view name)
{
    const EraSpan* span = EraSpanOf(name);
    return span ? std::optional<std::string_view>(span->name) : std::nullopt;
}

std::variant<std::int64_t, std::string> DayOfEraDate(std::string_view era, std::int32_t year, std::int32_t month,
                                                     bool leap, std::int32_t day)
{
    const EraSpan* span = EraSpanOf(era);
    if (span == nullptr)
        return std::string("年号が分かりません。");
    const std::string_view name = span->name;
    if (year < 1 || year > span->lastYear)
        return std::string(name) + "は元年から" + IntegerText(span->lastYear) + "年までです。";
    if (month < 1 || month > 12)
        return std::string("月は1から12までです。");
    const std::int32_t western = span->firstYear + year - 1;
    // The texts of a refusal, written only for one.
    auto monthText = [&] { return YearText(name, year) + (leap ? "閏" : "") + IntegerText(month) + "月"; };
    if (western < kFirstLunisolarYear) {
        const std::optional<OldCalendarMonth> found = OldCalendarMonthOf(western, month, leap);
        if (!found)
            return YearText(name, year) + "に" + (leap ? "閏" : "") + IntegerText(month) + "月はありません。";
        if (day < 1 || day > found->days)
            return monthText() + "は" + IntegerText(found->days) + "日までです。";
        return found->firstJdn + day - 1;
    }
    if (leap)
        return YearText(name, year) + "に閏月はありません（" + IntegerText(kFirstLunisolarYear) +
               "年からは太陽暦です）。";
    if (day < 1 || day > DaysInMonth(western, month))
        return monthText() + "は" + IntegerText(DaysInMonth(western, month)) + "日までです。";
    return JdnOfGregorian({western, month, day});
}

}  // namespace vadelon
