// Renders the help window, one picture per tab, each with a result, so that
// its look can be checked without running the program:
//   vadelon_help_window_shots MANUAL_DIR OUT_DIR [SUFFIX]
// writes OUT_DIR/help_contents SUFFIX.png, help_keywords..., help_search...
// (run with QT_SCALE_FACTOR=2 and the suffix "@2x" for the doubled size).
#include "fonts/fonts.h"
#include "help_window/help_window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        QTextStream(stderr) << "usage: vadelon_help_window_shots MANUAL_DIR OUT_DIR [SUFFIX]\n";
        return 2;
    }
    vadelon::InstallFontSubstitutions();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString suffix = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();

    vadelon::HelpWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    int failures = 0;
    auto shoot = [&](const QString& name) {
        QApplication::processEvents();
        const QString path = out.filePath(name + suffix + QStringLiteral(".png"));
        if (!window.grab().save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            ++failures;
        }
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
