#include "tools/printable_argument.h"

#include <cstdint>
#include <cstdio>

namespace vadelon::tools {

namespace {

// The length of the well-formed UTF-8 sequence at the start of text (no
// overlong forms, surrogates or values past U+10FFFF), or 0.
std::size_t SequenceLength(std::string_view text, char32_t& c)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

// Marks that turn the direction of the text after them: they would make a
// message show other than what it holds.
bool IsDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string Escape(const char* format, unsigned value)
{
    // Room for any unsigned value: the callers' values are shorter, but GCC
    // at -O3 cannot tell and warns of truncation.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string PrintableArgument(std::string_view text)
{
    std::string shown;
    // Counted in characters, and an undecodable byte as one, so the cut never
    // falls inside a character.
    for (std::size_t count = 0; !text.empty(); ++count) {
        if (count == kShownCharacters)
            return shown + "…";
        char32_t c;
        const std::size_t length = SequenceLength(text, c);
        if (length == 0) {
            shown += Escape("\\x%02x", static_cast<std::uint8_t>(text[0]));
            text.remove_prefix(1);
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            shown += Escape("\\x%02x", static_cast<unsigned>(c));
        } else if ((c >= 0x80 && c <= 0x9F) || IsDirectionMark(c)) {
            shown += Escape("\\u%04x", static_cast<unsigned>(c));
        } else if (c == U'\\') {
            shown += "\\\\";
        } else {
            shown += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return shown;
}

}  // namespace vadelon::tools
