#pragma once
// A file name as the window's messages quote it.
#include <QString>

namespace vadelon {

// Characters that would break a message's line, turn the direction of what
// follows, or not show at all come out as escapes: control characters (C0,
// DEL, C1) as "\x1b" and "\u0085", line and paragraph separators, format
// characters (zero-width spaces and joiners, direction marks, the BOM) and
// spaces other than the ASCII and the ideographic one as "\u2028"; a
// backslash as "\\", so that an escape is never ambiguous.
QString ShownFileName(const QString& name);

}  // namespace vadelon
