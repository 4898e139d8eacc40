#pragma once
// What every screenshot program does around its own windows: the usage check
// with the program's fonts, and the grab of a settled window to a PNG file.
#include <QString>

class QWidget;

namespace vadelon {

// The usage line on stderr and false when the arguments do not fit; else the
// program's fonts installed and true. After the QApplication is made.
bool StartShots(bool argumentsFit, const char* usage);

// The window as it stands once the pending events are handled, written to
// path as PNG; false, with a line on stderr, when it cannot be written.
bool SaveShot(QWidget& window, const QString& path);

}  // namespace vadelon
