// The constant-time core beside the literal walks (where they finish) and
// beside a std::chrono sys_days / year_month_day round trip (where its years
// reach: ±32767).
#include "calendar/days/almanac.h"
#include "calendar/days/day_arithmetic.h"
#include "calendar/days/era.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/date_text_reading.h"
#include "calendar/notes/day_notes.h"
#include "calendar/notes/era_dates.h"
#include "calendar/notes/lunisolar.h"
#include "calendar/notes/zassetsu.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_term_status.h"
#include "calendar/sky/solar_terms.h"

#include "reference_walk.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace vadelon;
namespace chr = std::chrono;

// Spans in years from the start year; the last only fits 64-bit day numbers.
struct Span {
    std::int32_t y1, m1, d1, y2, m2, d2;
};
constexpr Span kSpans[] = {
    {2000, 1, 1, 2000, 1, 2},               // one day
    {2000, 1, 1, 12000, 1, 1},              // 10^4 years
    {-500000, 1, 1, 500000, 1, 1},          // 10^6 years
    {-2000000000, 1, 1, 2000000000, 1, 1},  // 4·10^9 years
};

chr::year_month_day Ymd(std::int32_t y, std::int32_t m, std::int32_t d)
{
    return chr::year{y} / chr::month{static_cast<unsigned>(m)} / chr::day{static_cast<unsigned>(d)};
}

void BM_DaysBetween_Core(benchmark::State& state)
{
    Span s = kSpans[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(DaysBetween({s.y1, s.m1, s.d1}, {s.y2, s.m2, s.d2}));
    }
}
BENCHMARK(BM_DaysBetween_Core)->DenseRange(0, 3)->ArgName("span");

void BM_DaysBetween_Walk(benchmark::State& state)
{
    Span s = kSpans[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(reference::DaysBetween(s.y1, s.m1, s.d1, s.y2, s.m2, s.d2));
    }
}
// 4·10^9 years would take several seconds a call.
BENCHMARK(BM_DaysBetween_Walk)->DenseRange(0, 2)->ArgName("span");

void BM_DaysBetween_Chrono(benchmark::State& state)
{
    Span s = kSpans[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        const auto days = chr::sys_days(Ymd(s.y2, s.m2, s.d2)) - chr::sys_days(Ymd(s.y1, s.m1, s.d1));
        benchmark::DoNotOptimize(days);
    }
}
// std::chrono::year stops at ±32767: the first two spans only.
BENCHMARK(BM_DaysBetween_Chrono)->DenseRange(0, 1)->ArgName("span");

constexpr std::int32_t kCounts[] = {1, -1, 10000000, -10000000, INT32_MAX, -INT32_MAX};

void BM_ShiftDate_Core(benchmark::State& state)
{
    std::int32_t count = kCounts[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(count);
        benchmark::DoNotOptimize(ShiftDate({2000, 1, 1}, count));
    }
}
BENCHMARK(BM_ShiftDate_Core)->DenseRange(0, 5)->ArgName("count");

void BM_ShiftDate_Walk(benchmark::State& state)
{
    std::int32_t count = kCounts[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(count);
        benchmark::DoNotOptimize(reference::ShiftDate(2000, 1, 1, count));
    }
}
BENCHMARK(BM_ShiftDate_Walk)->DenseRange(0, 5)->ArgName("count");

void BM_ShiftDate_Chrono(benchmark::State& state)
{
    std::int32_t count = kCounts[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(count);
        const chr::year_month_day r{chr::sys_days(Ymd(2000, 1, 1)) + chr::days{count}};
        benchmark::DoNotOptimize(r);
    }
}
// ±(2^31−1) days leaves std::chrono's years.
BENCHMARK(BM_ShiftDate_Chrono)->DenseRange(0, 3)->ArgName("count");

constexpr std::int32_t kEraYears[] = {1700, 1989, 2026, -5};

void BM_EraTextForYear_Core(benchmark::State& state)
{
    std::int32_t y = kEraYears[state.range(0)];
    const AskEraChoiceFn ask = [](const EraQuestion&) { return EraChoice::Later; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(EraTextForYear(y, 0, 0, ask));
    }
}
BENCHMARK(BM_EraTextForYear_Core)->DenseRange(0, 3)->ArgName("year");

void BM_EraTextForYear_Walk(benchmark::State& state)
{
    std::int32_t y = kEraYears[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(reference::EraTextForYear(y, 0, 0));
    }
}
BENCHMARK(BM_EraTextForYear_Walk)->DenseRange(0, 3)->ArgName("year");

void BM_AlmanacReport_Core(benchmark::State& state)
{
    const AlmanacPanelTexts texts{"2000", "平成", "12", "1", "1", "（土曜日）"};
    std::int32_t y = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(ComposeAlmanacReport({y, 1, 1}, texts));
    }
}
BENCHMARK(BM_AlmanacReport_Core);

void BM_AlmanacValues_Core(benchmark::State& state)
{
    std::int32_t y = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(ComputeAlmanac({y, 1, 1}));
    }
}
BENCHMARK(BM_AlmanacValues_Core);

void BM_AlmanacValues_Walk(benchmark::State& state)
{
    std::int32_t y = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(reference::ComputeAlmanac(y, 1, 1));
    }
}
BENCHMARK(BM_AlmanacValues_Walk);

void BM_JulianDay_Chrono(benchmark::State& state)
{
    std::int32_t y = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        const auto jd = (chr::sys_days(Ymd(y, 1, 1)) -
                         chr::sys_days(Ymd(kFirstGregorianDay.year, kFirstGregorianDay.month, kFirstGregorianDay.day)))
                            .count() +
                        2299161;
        benchmark::DoNotOptimize(jd);
    }
}
BENCHMARK(BM_JulianDay_Chrono);

// The solar terms: one evaluation of ERFA's Earth ephemeris per term as a
// rule, so a term costs about one eraEpv00.
void BM_SolarTermInstant(benchmark::State& state)
{
    std::int32_t y = 2021;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(SolarTermInstant(y, 2));
    }
}
BENCHMARK(BM_SolarTermInstant);

void BM_SolarTermsOfYear(benchmark::State& state)
{
    std::int32_t y = 2021;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(SolarTermsOfYear(y));
    }
}
BENCHMARK(BM_SolarTermsOfYear)->Unit(benchmark::kMicrosecond);

// What vadelon-calc setsuiri 1900 2100 computes.
void BM_SolarTerms1900To2100(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::int32_t y = 1900; y <= 2100; ++y)
            benchmark::DoNotOptimize(SolarTermsOfYear(y));
    }
}
BENCHMARK(BM_SolarTerms1900To2100)->Unit(benchmark::kMillisecond);

// The almanac window's status line: one or two terms and the texts.
void BM_SolarTermStatus(benchmark::State& state)
{
    std::int32_t y = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(ComposeSolarTermStatus({y, 1, 1}));
    }
}
BENCHMARK(BM_SolarTermStatus)->Unit(benchmark::kMicrosecond);

// One new moon solved: one evaluation of the Earth's ephemeris and two or
// three of the Moon's.
void BM_NewMoonInstant(benchmark::State& state)
{
    std::int64_t lunation = 325;  // 2026-04-17
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunation);
        benchmark::DoNotOptimize(NewMoonInstant(lunation));
    }
}
BENCHMARK(BM_NewMoonInstant)->Unit(benchmark::kMicrosecond);

// The 旧暦 date of one day: its 冬至-to-冬至 span from the estimates, solved
// only near midnight.
void BM_LunisolarDate(benchmark::State& state)
{
    std::int32_t y = 2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(LunisolarDateOf({y, 5, 6}));
    }
}
BENCHMARK(BM_LunisolarDate)->Unit(benchmark::kMicrosecond);

void BM_NoonMoonAge(benchmark::State& state)
{
    std::int32_t y = 2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(NoonMoonAgeTenths({y, 5, 6}));
    }
}
BENCHMARK(BM_NoonMoonAge)->Unit(benchmark::kMicrosecond);

// 雑節 and the day's solar term: a day in the summer 土用 (three crossings
// solved) and a day far from any (none).
void BM_Zassetsu(benchmark::State& state)
{
    const std::int32_t m = state.range(0) == 0 ? 7 : 11, d = state.range(0) == 0 ? 19 : 14;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZassetsuOf({2025, m, d}));
        benchmark::DoNotOptimize(SolarTermOn({2025, m, d}));
    }
}
BENCHMARK(BM_Zassetsu)->DenseRange(0, 1)->ArgName("quiet")->Unit(benchmark::kMicrosecond);

// One date's 暦注, all six notes, what vadelon-calc koyomi computes: a quiet
// day, a day of 土用 and 丑, and 2026-05-06 (a 振替休日).
void BM_DayNotes(benchmark::State& state)
{
    constexpr Date kDates[] = {{2025, 11, 14}, {2025, 7, 19}, {2026, 5, 6}};
    const Date date = kDates[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(DayNotesOf(date));
    }
}
BENCHMARK(BM_DayNotes)->DenseRange(0, 2)->ArgName("date")->Unit(benchmark::kMicrosecond);

// The 旧暦 of a century: every month of 2001-2100 with its new moon solved,
// what vadelon-calc kyureki 2001 2100 computes.
void BM_LunisolarCentury(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LunisolarMonthsBeginningIn(2001, 2100));
}
BENCHMARK(BM_LunisolarCentury)->Unit(benchmark::kMillisecond);

// The old calendar, one conversion each way over days spread across
// 445-1872: a day to its 旧暦 (a search of the packed table), a day to its
// era readings, an era date back to its day, and a written date read.
void BM_OldCalendar(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    std::int64_t jdn = kFirstWarekiJdn;
    const std::int64_t span = JdnOfGregorian({1872, 12, 31}) - kFirstWarekiJdn;
    for (auto _ : state) {
        jdn = kFirstWarekiJdn + (jdn - kFirstWarekiJdn + 7919) % span;
        if (kind == 0) {
            benchmark::DoNotOptimize(LunisolarDateOfJdn(jdn));
        } else if (kind == 1) {
            benchmark::DoNotOptimize(EraDatesOf(jdn));
        } else if (kind == 2) {
            benchmark::DoNotOptimize(DayOfEraDate("元禄", 15, 12, false, 14));
        } else {
            benchmark::DoNotOptimize(ReadDateText("元禄十五年十二月十四日"));
        }
    }
}
BENCHMARK(BM_OldCalendar)->DenseRange(0, 3)->ArgName("wareki_seireki_read")->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
