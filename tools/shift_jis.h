#pragma once
// UTF-8 to the Windows Japanese code page (932), for files that must match
// what the desktop program saves.
#include <optional>
#include <string>
#include <string_view>

namespace vadelon::tools {

// nullopt when the text holds a character the code page cannot represent.
std::optional<std::string> EncodeShiftJis(std::string_view utf8);

}  // namespace vadelon::tools
