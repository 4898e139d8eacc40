#include "calendar/rules/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace vadelon {

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

// The characters a terminal or a window shows as nothing, or as a blank
// that is not the blank typed: they would let a message show other than what
// it holds. Format characters (Cf, the marks that turn the direction of text
// among them), the line and paragraph separators, the spaces other than
// U+0020 and the ideographic U+3000 a Japanese user types, and the rest of
// the default-ignorable code points (fillers, variation selectors, tags).
bool IsInvisible(char32_t c)
{
    constexpr struct {
        char32_t first, last;
    } kRanges[] = {
        {0x00A0, 0x00A0},   {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},   {0x061C, 0x061C},
        {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x115F, 0x1160},
        {0x1680, 0x1680},   {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F},
        {0x205F, 0x206F},   {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    for (const auto& range : kRanges) {
        if (c >= range.first && c <= range.last)
            return true;
    }
    return false;
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

std::string PrintableText(std::string_view text, std::size_t shownCharacters)
{
    std::string shown;
    // Counted in characters, and an undecodable byte as one, so the cut never
    // falls inside a character.
    for (std::size_t count = 0; !text.empty(); ++count) {
        if (count == shownCharacters)
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
        } else if ((c >= 0x80 && c <= 0x9F) || IsInvisible(c)) {
            shown += Escape(c > 0xFFFF ? "\\U%08x" : "\\u%04x", static_cast<unsigned>(c));
        } else if (c == U'\\') {
            shown += "\\\\";
        } else {
            shown += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return shown;
}

}  // namespace vadelon
