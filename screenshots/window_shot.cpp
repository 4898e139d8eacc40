#include "screenshots/window_shot.h"

#include "fonts/fonts.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>

namespace vadelon {

bool StartShots(bool argumentsFit, const char* usage)
{
    if (!argumentsFit) {
        QTextStream(stderr) << usage << "\n";
        return false;
    }
    InstallFontSubstitutions();
    return true;
}

bool SaveShot(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    if (window.grab().save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

}  // namespace vadelon
