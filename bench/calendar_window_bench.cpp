// The month calendar window beside the calculator: the menu command to the
// first painted month, and a turned month (PageDown, Ctrl+PageDown) to its
// painted grid, with the months a step could show worked out while idle as
// the window does, and without; the astronomy of a month's notes. Real time of each step, timed by hand so
// that setting up the next one is left out. Run on an X display (Xvfb) or with
// QT_QPA_PLATFORM=offscreen:
//   DISPLAY=:N build/release/bench/calendar_window_bench
#include "calculator/vadelon_form.h"
#include "calendar/notes/month_notes.h"
#include "calendar/notes/zassetsu.h"
#include "calendar_window/calendar_window.h"
#include "calendar_window/month_grid.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace vadelon;

struct Calculator {
    testing::ScriptedPlatform platform;
    TVadelonForm form{platform};
    std::unique_ptr<CalendarWindowHolder> calendar;

    Calculator()
    {
        platform.today = QDate(2026, 5, 20);
        form.show();
        QApplication::processEvents();
    }
    // A new holder: the next menu command makes its window anew.
    void NewCalendar()
    {
        calendar = std::make_unique<CalendarWindowHolder>(
            CalculatorLink{&form,
                           [this] { return DateOfQDate(platform.today); },
                           [this] { return DateOfQDate(form.UpperPanelDate()); },
                           [this](const Date& date) { return form.EnterUpperDate(QDateOf(date)); },
                           {}});
        form.AttachCalendarWindow([this] { calendar->Present(); });
        QApplication::processEvents();
    }
    void SetUpperDate(int year, int month, int day) { form.EnterUpperDate(QDate(year, month, day)); }
};

Calculator& TheCalculator()
{
    static Calculator calculator;
    return calculator;
}

void Press(MonthGrid* grid, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(grid, &press);
    grid->repaint();
}

// From the menu command to the month painted, the window made anew each
// time: its three months are worked out then, with the 雑節 of one year for
// May and of two for December.
void BM_OpenFromMenu(benchmark::State& state)
{
    Calculator& c = TheCalculator();
    c.SetUpperDate(2033, static_cast<int>(state.range(0)), 22);
    auto* item = c.form.findChild<QAction*>(QStringLiteral("Calendar1"));
    for (auto _ : state) {
        c.NewCalendar();
        QElapsedTimer timer;
        timer.start();
        item->trigger();
        QApplication::processEvents();
        c.calendar->Window()->Grid()->repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
    c.calendar.reset();
}
BENCHMARK(BM_OpenFromMenu)->Arg(5)->Arg(12)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One key to the painted month. prepared: the months a step could show were
// worked out while idle before the key, as the window does between keys;
// otherwise the months new to the grid are worked out then.
void TurnMonths(benchmark::State& state, int key, Qt::KeyboardModifiers modifiers, bool prepared)
{
    Calculator& c = TheCalculator();
    c.SetUpperDate(1900, 12, 15);
    c.NewCalendar();
    c.form.findChild<QAction*>(QStringLiteral("Calendar1"))->trigger();
    QApplication::processEvents();
    MonthGrid* grid = c.calendar->Window()->Grid();
    for (auto _ : state) {
        if (prepared) {
            while (grid->Calendar().PrepareNearby()) { }
        }
        QElapsedTimer timer;
        timer.start();
        Press(grid, key, modifiers);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
    c.calendar.reset();
}

void BM_PageDownPrepared(benchmark::State& state)
{
    TurnMonths(state, Qt::Key_PageDown, Qt::NoModifier, true);
}
void BM_CtrlPageDownPrepared(benchmark::State& state)
{
    TurnMonths(state, Qt::Key_PageDown, Qt::ControlModifier, true);
}
void BM_CtrlPageDownUnprepared(benchmark::State& state)
{
    TurnMonths(state, Qt::Key_PageDown, Qt::ControlModifier, false);
}
BENCHMARK(BM_PageDownPrepared)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(240);
BENCHMARK(BM_CtrlPageDownPrepared)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(BM_CtrlPageDownUnprepared)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

// The astronomy behind a month: a month's notes worked out cold (its terms,
// new and full moons and 旧暦; the year's 雑節 known), and the 雑節 of a year
// at once against asking for them day by day.
void BM_MonthNotes(benchmark::State& state)
{
    const std::vector<DatedZassetsu> zassetsu = ZassetsuOfYear(2026);
    std::int32_t month = 0;
    for (auto _ : state) {
        month = month % 12 + 1;
        benchmark::DoNotOptimize(MonthNotes(2026, month, zassetsu));
    }
}
BENCHMARK(BM_MonthNotes)->Unit(benchmark::kMicrosecond);

void BM_ZassetsuOfYear(benchmark::State& state)
{
    std::int32_t year = 2020;
    for (auto _ : state) {
        year = year == 2029 ? 2020 : year + 1;
        benchmark::DoNotOptimize(ZassetsuOfYear(year));
    }
}
BENCHMARK(BM_ZassetsuOfYear)->Unit(benchmark::kMicrosecond);

void BM_ZassetsuDayByDay(benchmark::State& state)
{
    std::int32_t year = 2020;
    for (auto _ : state) {
        year = year == 2029 ? 2020 : year + 1;
        for (std::int32_t month = 1; month <= 12; ++month) {
            for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day)
                benchmark::DoNotOptimize(ZassetsuOf({year, month, day}));
        }
    }
}
BENCHMARK(BM_ZassetsuDayByDay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
