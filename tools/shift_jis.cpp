#include "tools/shift_jis.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace vadelon::tools {

std::optional<std::string> EncodeShiftJis(std::string_view utf8)
{
    // CP932 rather than SHIFT_JIS: the Windows mapping (0x8160 is U+FF5E).
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string input(utf8);
    std::vector<char> output(input.size() * 2 + 16);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    // A lossy conversion counts as a failure: nothing is written in its place.
    if (result == static_cast<std::size_t>(-1) || result != 0 || inLeft != 0)
        return std::nullopt;
    return std::string(output.data(), output.size() - outLeft);
}

}  // namespace vadelon::tools
