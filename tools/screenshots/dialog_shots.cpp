// Renders the era question for 1989 and the about box to PNG files, so that
// their look can be checked without clicking through the program:
//   vadelon_dialog_shots era_dialog.png about_box.png
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: vadelon_dialog_shots ERA_DIALOG.png ABOUT_BOX.png\n";
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
    return ok ? 0 : 1;
}
