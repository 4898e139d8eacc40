// Renders the calculator window in each of its five modes, with an example
// filled in and calculated, to PNG files in the given folder:
//   vadelon_calculator_shots docs/screenshots
#include "calculator/vadelon_form.h"
#include "platform/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QToolButton>

namespace {

struct Example {
    const char* file;
    const char* mode;  // the menu item that selects it
    const char* upper[3];
    const char* number;
    const char* lower[3];
    bool run;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: vadelon_calculator_shots FOLDER\n";
        return 2;
    }
    vadelon::InstallFontSubstitutions();
    vadelon::QtPlatform platform;
    vadelon::TVadelonForm form(platform);
    form.show();

    const auto edit = [&form](const char* name) { return form.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    const Example examples[] = {
        {"calculator_day_count.png", "N3", {"1989", "1", "8"}, "", {"2026", "12", "7"}, true},
        {"calculator_date_shift.png", "D1", {"2026", "12", "7"}, "100", {"", "", ""}, true},
        {"calculator_age.png", "A1", {"1960", "", ""}, "", {"2026", "", ""}, true},
        {"calculator_birth_year.png", "B1", {"2026", "", ""}, "40", {"", "", ""}, true},
        {"calculator_almanac.png", "W1", {"2026", "12", "7"}, "", {"", "", ""}, false},
    };
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Example& e : examples) {
        form.ClearAll();
        form.findChild<QAction*>(QString::fromLatin1(e.mode))->trigger();
        QLineEdit* upper[3] = {edit("Edit1"), edit("Edit3"), edit("Edit4")};
        QLineEdit* lower[3] = {edit("Edit5"), edit("Edit7"), edit("Edit8")};
        for (int i = 0; i < 3; ++i)
            upper[i]->setText(QString::fromUtf8(e.upper[i]));
        form.RefreshEraFields(vadelon::PanelSide::Upper);
        edit("Edit9")->setText(QString::fromUtf8(e.number));
        if (form.findChild<QWidget*>(QStringLiteral("Panel4"))->isEnabled()) {
            for (int i = 0; i < 3; ++i)
                lower[i]->setText(QString::fromUtf8(e.lower[i]));
            form.RefreshEraFields(vadelon::PanelSide::Lower);
        }
        if (e.run)
            form.RunCalculation();
        // The hint of the mode's own button, as when the pointer rests on it.
        for (const QToolButton* b : form.findChildren<QToolButton*>())
            if (b->isChecked() && b->objectName().startsWith(QLatin1String("SpeedButton")))
                form.DisplayHint(b->statusTip());
        QApplication::processEvents();
        const QString path = folder.filePath(QString::fromLatin1(e.file));
        if (!form.grab().save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
