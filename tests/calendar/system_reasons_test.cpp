#include "calendar/rules/system_reasons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace vadelon {
namespace {

// Every number the C library has a text for gets a Japanese reason, never
// the library's English; any other number its own words.
TEST(SystemReasonsTest, EveryErrorNumberInJapanese)
{
    EXPECT_EQ(SystemReason(ENOSPC), "容量不足");
    EXPECT_EQ(SystemReason(EFBIG), "ファイルサイズの上限");
    EXPECT_EQ(SystemReason(EPIPE), "閉じた出力先");
    int named = 0;
    for (int number = 0; number <= 200; ++number) {
        const std::string system = std::strerror(number);
        const std::string reason = SystemReason(number);
        if (number == 0 || system.starts_with("Unknown error")) {
            EXPECT_EQ(reason, "エラー番号 " + std::to_string(number));
            continue;
        }
        ++named;
        EXPECT_NE(reason, system) << number;
        EXPECT_NE(std::find_if(reason.begin(), reason.end(), [](char c) { return c & 0x80; }), reason.end()) << number;
        EXPECT_EQ(reason.find("エラー番号"), std::string::npos) << number;
    }
    EXPECT_GE(named, 131);
}

}  // namespace
}  // namespace vadelon
