// The integer reading on arbitrary bytes: it must never crash, and whatever it
// accepts must agree with a plain reading of the same text in ASCII forms.
#include "calendar/days/integer_reading.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The text with each three-byte UTF-8 character that is a full-width form of
// ASCII (U+FF01 to U+FF5E) or the minus sign U+2212 replaced by its ASCII form.
std::string AsciiForms(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(text[i + k])); };
        if (i + 2 < text.size() && (b(0) & 0xF0) == 0xE0 && (b(1) & 0xC0) == 0x80 && (b(2) & 0xC0) == 0x80) {
            const unsigned cp = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                out += static_cast<char>(cp - 0xFF01 + '!');
                i += 2;
                continue;
            }
            if (cp == 0x2212) {
                out += '-';
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const auto value = vadelon::ReadInteger(raw);
    // Full-width forms read as their ASCII ones: the same value, or none.
    const std::string text = AsciiForms(raw);
    Check(vadelon::ReadInteger(text) == value);

    std::string_view rest(text);
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    if (!value)
        return 0;

    // Accepted: what follows the blanks is a number of one of the two forms.
    Check(!rest.empty());
    std::string_view digits = rest;
    bool hex = false;
    if (digits.front() == '$' || digits.front() == 'x' || digits.front() == 'X') {
        digits.remove_prefix(1);
        hex = true;
    } else if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        hex = true;
    }
    if (hex) {
        Check(!digits.empty() && digits.size() <= 8);
        for (char c : digits)
            Check(IsHex(c));
        const unsigned long bits = std::strtoul(std::string(digits).c_str(), nullptr, 16);
        Check(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)) == *value);
    } else {
        std::string_view unsigned_part = digits;
        if (unsigned_part.front() == '+' || unsigned_part.front() == '-')
            unsigned_part.remove_prefix(1);
        Check(!unsigned_part.empty());
        for (char c : unsigned_part)
            Check(c >= '0' && c <= '9');
        // Leading zeros aside, an accepted decimal has at most ten digits.
        while (unsigned_part.size() > 1 && unsigned_part.front() == '0')
            unsigned_part.remove_prefix(1);
        Check(unsigned_part.size() <= 10);
        const long long plain = std::strtoll(std::string(digits).c_str(), nullptr, 10);
        Check(plain == *value);
    }
    // The written-back text reads as the same value.
    Check(vadelon::ReadInteger(vadelon::IntegerText(*value)) == value);
    return 0;
}
