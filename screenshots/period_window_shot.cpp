// Renders the window 年齢と期間 for a birth on 2000-02-29 asked about on
// 2026-05-07 (today), with a period of one month from 2026-04-03 moved past
// the holidays of May, to a PNG file; with a table's number (0 学歴, 1
// 長寿祝い, 2 厄年) a man born on 1983-01-15 with that table shown:
//   vadelon_period_window_shot OUT.png [TABLE]
#include "period_window/period_window.h"
#include "screenshots/window_shot.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!vadelon::StartShots(argc == 2 || argc == 3, "usage: vadelon_period_window_shot OUT.png [TABLE]"))
        return 2;

    vadelon::PeriodWindowHolder holder({nullptr, [] { return QDate(2026, 5, 7); }, {}});
    holder.Present();
    vadelon::PeriodWindow* window = holder.Window();
    const char* typed[] = {"2000", "2", "29", "2026", "5", "7", "2026", "4", "3"};
    const char* typedForTable[] = {"1983", "1", "15", "2026", "5", "7", "2026", "4", "3"};
    for (int i = 0; i < 9; ++i)
        window->Field(i)->setText(QString::fromLatin1(argc == 3 ? typedForTable[i] : typed[i]));
    if (argc == 3)
        window->ShowTable(QString::fromLocal8Bit(argv[2]).toInt());
    window->CountField()->setText(QStringLiteral("1"));
    window->BusinessDayBox()->setChecked(true);
    return vadelon::SaveShot(*window, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
