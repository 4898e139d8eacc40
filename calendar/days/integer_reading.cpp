#include "calendar/days/integer_reading.h"

#include <string>

namespace vadelon {

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One to eight hex digits, the 32 bits taken as a signed value.
std::optional<std::int32_t> ReadHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t bits = 0;
    for (char c : digits) {
        const int v = HexDigitValue(c);
        if (v < 0)
            return std::nullopt;
        bits = (bits << 4) | static_cast<std::uint32_t>(v);
    }
    return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> ReadDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // The magnitude may reach 2^31 for the negative limit; stop as soon as it
    // passes that, so long runs of digits never overflow.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The full-width forms U+FF01 to U+FF5E (EF BC 81 to EF BD 9E in UTF-8)
// become the ASCII characters 0x21 to 0x7E, the minus sign U+2212 (E2 88 92)
// becomes "-"; every other byte stays.
std::string HalfWidth(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x81 && byte(2) <= 0xBF) {
            out += static_cast<char>(byte(2) - 0x81 + 0x21);
            i += 2;
        } else if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBD && byte(2) >= 0x80 && byte(2) <= 0x9E) {
            out += static_cast<char>(byte(2) - 0x80 + 0x60);
            i += 2;
        } else if (i + 2 < text.size() && byte(0) == 0xE2 && byte(1) == 0x88 && byte(2) == 0x92) {
            out += '-';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::int32_t> ReadHalfWidth(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return ReadHex(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ReadHex(text.substr(2));
    }
    return ReadDecimal(text);
}

}  // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text)
{
    return ReadHalfWidth(HalfWidth(text));
}

std::string IntegerText(std::int64_t value)
{
    return std::to_string(value);
}

std::string GroupedIntegerText(std::int64_t value)
{
    const std::string plain = IntegerText(value);
    const std::size_t sign = value < 0 ? 1 : 0;
    std::string text = plain.substr(0, sign);
    for (std::size_t i = sign; i < plain.size(); ++i) {
        if (i > sign && (plain.size() - i) % 3 == 0)
            text += ',';
        text += plain[i];
    }
    return text;
}

}  // namespace vadelon
