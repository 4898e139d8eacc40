#pragma once
// Text from outside (a command-line argument, a file name) made safe to quote
// in a message: nothing in it may hide, move or restyle the message's other
// words. Plain C++, no toolkit.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace vadelon {

// Control characters (C0, DEL, C1), the invisible ones (format characters
// such as U+200B, U+FEFF and the marks that turn the direction of text; line
// and paragraph separators; spaces other than U+0020 and U+3000; the other
// default-ignorable code points) and bytes that are not UTF-8 come out as
// escapes ("\x1b", "\u200b", "\U000e0001"), a backslash as "\\". After
// shownCharacters characters the rest is cut and "…" ends the text.
std::string PrintableText(std::string_view utf8, std::size_t shownCharacters = std::numeric_limits<std::size_t>::max());

}  // namespace vadelon
