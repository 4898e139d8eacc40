#include "almanac_window/shown_name.h"

#include "calendar/rules/printable_text.h"

namespace vadelon {

// The same escapes as the command line's arguments, never cut: a file name is
// quoted whole.
QString ShownFileName(const QString& name)
{
    return QString::fromStdString(PrintableText(name.toStdString()));
}

}  // namespace vadelon
