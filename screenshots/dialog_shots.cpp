// Renders the era question for 1989 and the about box to PNG files, so that
// their look can be checked without clicking through the program, and the
// question for 2019 if a third file is given:
//   vadelon_dialog_shots era_dialog.png about_box.png [era_dialog_2019.png]
#include "calendar/era.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        QTextStream(stderr) << "usage: vadelon_dialog_shots ERA_DIALOG.png ABOUT_BOX.png [ERA_DIALOG_2019.png]\n";
        return 2;
    }
    vadelon::InstallFontSubstitutions();

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
        QApplication::processEvents();
        if (!shot.window->grab().save(QString::fromLocal8Bit(shot.path), "PNG")) {
            QTextStream(stderr) << "cannot write " << shot.path << "\n";
            ok = false;
        }
        shot.window->hide();
    }
    if (argc == 4) {
        // The question the program asks for 2019 with the month left empty.
        nengo.SetQuestionTexts(*vadelon::LookUpEra(2019, 0, 0).question);
        nengo.show();
        QApplication::processEvents();
        if (!nengo.grab().save(QString::fromLocal8Bit(argv[3]), "PNG")) {
            QTextStream(stderr) << "cannot write " << argv[3] << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
