#pragma once
// A command-line argument made safe to quote in a message on a terminal.
#include "calendar/rules/printable_text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vadelon::tools {

inline constexpr std::size_t kShownCharacters = 40;

// PrintableText, cut after kShownCharacters characters.
inline std::string PrintableArgument(std::string_view text)
{
    return PrintableText(text, kShownCharacters);
}

}  // namespace vadelon::tools
