// Renders the help window, one picture per tab, each with a result, so that
// its look can be checked without running the program:
//   vadelon_help_window_shots MANUAL_DIR OUT_DIR [SUFFIX]
// writes OUT_DIR/help_contents SUFFIX.png, help_keywords..., help_search...
// (run with QT_SCALE_FACTOR=2 and the suffix "@2x" for the doubled size).
#include "help_window/help_window.h"
#include "screenshots/window_shot.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!vadelon::StartShots(argc == 3 || argc == 4, "usage: vadelon_help_window_shots MANUAL_DIR OUT_DIR [SUFFIX]"))
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString suffix = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();

    vadelon::HelpWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    int failures = 0;
    auto shoot = [&](const QString& name) {
        if (!vadelon::SaveShot(window, out.filePath(name + suffix + QStringLiteral(".png"))))
            ++failures;
    };

    window.Tabs()->setCurrentIndex(0);
    shoot(QStringLiteral("help_contents"));

    window.Tabs()->setCurrentIndex(1);
    window.KeywordEdit()->setText(QStringLiteral("年"));
    window.OpenKeyword(0);
    shoot(QStringLiteral("help_keywords"));

    window.Tabs()->setCurrentIndex(2);
    window.SearchEdit()->setText(QStringLiteral("シフトJIS"));
    window.Search(window.SearchEdit()->text());
    shoot(QStringLiteral("help_search"));
    return failures == 0 ? 0 : 1;
}
