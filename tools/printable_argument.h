#pragma once
// A command-line argument made safe to quote in a message on a terminal.
#include <cstddef>
#include <string>
#include <string_view>

namespace vadelon::tools {

inline constexpr std::size_t kShownCharacters = 40;

// Control characters (C0, DEL, C1) and bytes that are not UTF-8 come out as
// escapes ("\x1b", "\u009b"), a backslash as "\\"; after kShownCharacters
// characters the rest is cut and "…" ends the text.
std::string PrintableArgument(std::string_view text);

}  // namespace vadelon::tools
