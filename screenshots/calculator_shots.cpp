// Renders the calculator window in each of its five modes, with an example
// filled in and calculated, to PNG files in the given folder, and with the
// manual's worked examples to a second folder if one is given:
//   vadelon_calculator_shots docs/screenshots [help/images]
#include "calculator/vadelon_form.h"
#include "platform/qt_platform.h"
#include "screenshots/window_shot.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

struct Example {
    const char* file;
    const char* mode;  // the menu item that selects it
    const char* upper[3];
    const char* number;
    const char* lower[3];
    bool run;
    bool before = false;  // date shift counted back (日前)
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!vadelon::StartShots(argc == 2 || argc == 3, "usage: vadelon_calculator_shots FOLDER [MANUAL_FOLDER]"))
        return 2;
    vadelon::QtPlatform platform;
    vadelon::TVadelonForm form(platform);
    form.show();

    const auto edit = [&form](const char* name) { return form.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    QToolButton* const toggle = form.findChild<QToolButton*>(QStringLiteral("SpeedButton6"));
    const Example examples[] = {
        {"calculator_day_count.png", "N3", {"1989", "1", "8"}, "", {"2026", "12", "7"}, true},
        {"calculator_date_shift.png", "D1", {"2026", "12", "7"}, "100", {"", "", ""}, true},
        {"calculator_age.png", "A1", {"1960", "", ""}, "", {"2026", "", ""}, true},
        {"calculator_birth_year.png", "B1", {"2026", "", ""}, "40", {"", "", ""}, true},
        {"calculator_almanac.png", "W1", {"2026", "12", "7"}, "", {"", "", ""}, false},
    };
    // The manual's worked examples: the numbers its pages quote.
    const Example manual[] = {
        {"day_count.png", "N3", {"2024", "4", "1"}, "", {"2025", "3", "31"}, true},
        {"date_shift.png", "D1", {"2025", "1", "1"}, "100", {"", "", ""}, true},
        {"date_shift_before.png", "D1", {"2025", "12", "25"}, "30", {"", "", ""}, true, true},
        {"age.png", "A1", {"1990", "", ""}, "", {"2025", "", ""}, true},
        {"birth_year.png", "B1", {"2025", "", ""}, "60", {"", "", ""}, true},
        {"almanac_mode.png", "W1", {"2000", "1", "1"}, "", {"", "", ""}, false},
    };
    bool ok = true;
    const auto shoot = [&](const Example& e, const QDir& folder) {
        form.ClearAll();
        form.findChild<QAction*>(QString::fromLatin1(e.mode))->trigger();
        if (e.before)
            toggle->click();
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
        if (!vadelon::SaveShot(form, folder.filePath(QString::fromLatin1(e.file))))
            ok = false;
        if (e.before)
            toggle->click();  // back to 日後 for the next example
    };
    for (const Example& e : examples)
        shoot(e, QDir(QString::fromLocal8Bit(argv[1])));
    if (argc == 3) {
        for (const Example& e : manual)
            shoot(e, QDir(QString::fromLocal8Bit(argv[2])));
    }
    return ok ? 0 : 1;
}
