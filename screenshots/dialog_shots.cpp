// Renders the era question for 1989 and the about box to PNG files, so that
// their look can be checked without clicking through the program, and the
// question for 2019 if a third file is given:
//   vadelon_dialog_shots era_dialog.png about_box.png [era_dialog_2019.png]
#include "calendar/days/era.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "platform/qt_platform.h"
#include "screenshots/window_shot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!vadelon::StartShots(argc == 3 || argc == 4,
                             "usage: vadelon_dialog_shots ERA_DIALOG.png ABOUT_BOX.png [ERA_DIALOG_2019.png]"))
        return 2;

    vadelon::QtPlatform platform;
    vadelon::TNengoForm nengo(platform);
    nengo.SetQuestionTexts({"1989", "01", "08", "昭和", "平成", {}, {}});
    vadelon::TVerForm about;

    bool ok = true;
    const struct {
        QWidget* window;
        const char* path;
    } shots[] = {{&nengo, argv[1]}, {&about, argv[2]}};
    for (const auto& shot : shots) {
        shot.window->show();
        if (!vadelon::SaveShot(*shot.window, QString::fromLocal8Bit(shot.path)))
            ok = false;
        shot.window->hide();
    }
    if (argc == 4) {
        // The question the program asks for 2019 with the month left empty.
        nengo.SetQuestionTexts(*vadelon::LookUpEra(2019, 0, 0).question);
        nengo.show();
        if (!vadelon::SaveShot(nengo, QString::fromLocal8Bit(argv[3])))
            ok = false;
    }
    return ok ? 0 : 1;
}
