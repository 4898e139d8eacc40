// National holidays and business days: a year's holidays, one date's name,
// and counts and shifts over spans from a week to the whole 32-bit years.
#include "calendar/notes/business_days.h"
#include "calendar/notes/holidays.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vadelon;

void BM_HolidaysOfYear(benchmark::State& state)
{
    std::int32_t year = 2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(year);
        benchmark::DoNotOptimize(HolidaysOfYear(year));
    }
}
BENCHMARK(BM_HolidaysOfYear);

void BM_HolidayName(benchmark::State& state)
{
    Date date{2026, 5, 6};
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(HolidayName(date));
    }
}
BENCHMARK(BM_HolidayName);

struct Span {
    std::int32_t y1, m1, d1, y2, m2, d2;
};
constexpr Span kSpans[] = {
    {2026, 5, 1, 2026, 5, 8},              // a week
    {2026, 1, 1, 2026, 12, 31},            // a year
    {2000, 1, 1, 2100, 12, 31},            // a century
    {1948, 1, 1, 9999, 12, 31},            // every holiday year
    {INT32_MIN, 1, 1, INT32_MAX, 12, 31},  // the 32-bit years
};

void BM_BusinessDaysBetween(benchmark::State& state)
{
    Span s = kSpans[state.range(0)];
    const bool closure = state.range(1) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(BusinessDaysBetween({s.y1, s.m1, s.d1}, {s.y2, s.m2, s.d2}, closure));
    }
}
BENCHMARK(BM_BusinessDaysBetween)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->ArgNames({"span", "yearend"});

constexpr std::int32_t kCounts[] = {1, 250, 1'000'000, INT32_MAX, -INT32_MAX};

void BM_ShiftBusinessDays(benchmark::State& state)
{
    std::int32_t count = kCounts[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(count);
        benchmark::DoNotOptimize(ShiftBusinessDays({2026, 5, 1}, count, true));
    }
}
BENCHMARK(BM_ShiftBusinessDays)->DenseRange(0, 4)->ArgName("count");

}  // namespace

BENCHMARK_MAIN();
