#pragma once
// A file name as the window's messages quote it.
#include <QString>

namespace vadelon {

// Characters that would break a message's line, turn the direction of what
// follows, or not show at all come out as escapes ("\u2028"), a backslash as
// "\\", so that an escape is never ambiguous.
QString ShownFileName(const QString& name);

}  // namespace vadelon
