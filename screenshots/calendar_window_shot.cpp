// Renders the month calendar window on May 2026 (振替休日 on the 6th, today
// the 20th), with the 6th selected, or with a range from 28 April to 7 May,
// to a PNG file, so that its look can be checked without running the
// calculator (run with QT_SCALE_FACTOR=2 for the doubled size):
//   vadelon_calendar_window_shot OUT.png [range]
#include "calendar_window/calendar_window.h"
#include "calendar_window/month_grid.h"
#include "screenshots/window_shot.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool range = argc == 3 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("range");
    if (!vadelon::StartShots(argc == 2 || range, "usage: vadelon_calendar_window_shot OUT.png [range]"))
        return 2;

    const vadelon::Date today{2026, 5, 20};
    vadelon::CalendarWindowHolder holder(
        {nullptr,
         [today] { return today; },
         [range] {
             return std::optional(range ? vadelon::Date{2026, 4, 28} : vadelon::Date{2026, 5, 6});
         },
         [](const vadelon::Date&) { return true; },
         {}});
    holder.Present();
    vadelon::CalendarWindow* window = holder.Window();
    if (range) {
        vadelon::MonthGrid* grid = window->Grid();
        grid->Calendar().Select({2026, 5, 7}, true);
        grid->Refresh();
    }
    // The selected day's frame is drawn only while the grid has the focus,
    // which comes with the window's activation: on a busy X server that can
    // arrive after the first round of events.
    QElapsedTimer waited;
    waited.start();
    while (!window->Grid()->hasFocus() && waited.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return vadelon::SaveShot(*window, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
