// Renders the almanac window holding the 2000-01-01 report, with its status
// bar's note on the 節入り, to a PNG file, so that its look can be checked
// without running the calculator:
//   vadelon_almanac_window_shot almanac_window.png
#include "almanac_window/koyomi_form.h"
#include "calendar/days/almanac.h"
#include "calendar/sky/solar_term_status.h"
#include "platform/qt_platform.h"
#include "screenshots/window_shot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!vadelon::StartShots(argc == 2, "usage: vadelon_almanac_window_shot ALMANAC_WINDOW.png"))
        return 2;

    vadelon::QtPlatform platform;
    vadelon::TKoyomiForm form(platform, [](const QString&) {});
    const vadelon::AlmanacReport report =
        vadelon::ComposeAlmanacReport({2000, 1, 1}, {"2000", "平成", "12", "1", "1", "（土曜日）"});
    form.ClearText();
    for (const std::string& line : report.lines)
        form.AppendLine(QString::fromStdString(line));
    form.SetCaption(QString::fromStdString(report.caption));
    const vadelon::SolarTermStatus note = vadelon::ComposeSolarTermStatus({2000, 1, 1});
    form.SetReportNote(QString::fromStdString(note.text), QString::fromStdString(note.tooltip));

    form.show();
    const bool saved = vadelon::SaveShot(form, QString::fromLocal8Bit(argv[1]));
    form.hide();
    return saved ? 0 : 1;
}
