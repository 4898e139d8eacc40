// The integer reading on arbitrary bytes: it must never crash, and whatever it
// accepts must agree with a plain reading of the same text.
#include "calendar/integer_reading.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = vadelon::ReadInteger(text);

    std::string_view rest(text);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (!value) return 0;

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
        for (char c : digits) Check(IsHex(c));
        const unsigned long bits = std::strtoul(std::string(digits).c_str(), nullptr, 16);
        Check(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)) == *value);
    } else {
        std::string_view unsigned_part = digits;
        if (unsigned_part.front() == '+' || unsigned_part.front() == '-') unsigned_part.remove_prefix(1);
        Check(!unsigned_part.empty());
        for (char c : unsigned_part) Check(c >= '0' && c <= '9');
        // Leading zeros aside, an accepted decimal has at most ten digits.
        while (unsigned_part.size() > 1 && unsigned_part.front() == '0') unsigned_part.remove_prefix(1);
        Check(unsigned_part.size() <= 10);
        const long long plain = std::strtoll(std::string(digits).c_str(), nullptr, 10);
        Check(plain == *value);
    }
    // The written-back text reads as the same value.
    Check(vadelon::ReadInteger(vadelon::IntegerText(*value)) == value);
    return 0;
}
