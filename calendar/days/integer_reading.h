#pragma once
// Every number of the program lives in the text of a field and is read when it
// is needed. This is the one reading used everywhere.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vadelon {

// Leading blanks, then either an optional sign and decimal digits that fit a
// signed 32-bit integer, or "$", "x", "X", "0x", "0X" and one to eight hex
// digits taken as 32-bit two's complement ("$FFFFFFFF" is -1). Nothing may
// follow the number; the empty text fails. The text is UTF-8: the full-width
// forms of ASCII (２０００, －５, ＄７Ｄ０, ｘ１０) and the minus sign U+2212
// are read as their half-width forms, as a Japanese input method or a pasted
// text gives them.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// Whether a value fits the signed 32 bits a field's number is read into.
constexpr bool FitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// Plain decimal, "-" when negative: how every number is written back.
std::string IntegerText(std::int64_t value);

// A count as a person reads it, the thousands parted by commas: "3,413".
std::string GroupedIntegerText(std::int64_t value);

}  // namespace vadelon
