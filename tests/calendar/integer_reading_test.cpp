#include "calendar/days/integer_reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vadelon {
namespace {

struct ReadingCase {
    std::string text;
    std::optional<std::int32_t> expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<ReadingCase> { };

TEST_P(ReadIntegerTest, ReadsOrRefuses)
{
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().expected) << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadIntegerTest,
    ::testing::Values(ReadingCase{"0", 0}, ReadingCase{"2000", 2000}, ReadingCase{"+15", 15}, ReadingCase{"-15", -15},
                      ReadingCase{"-0", 0}, ReadingCase{"007", 7}, ReadingCase{"2147483647", 2147483647},
                      ReadingCase{"-2147483648", INT32_MIN}, ReadingCase{"2147483648", std::nullopt},
                      ReadingCase{"-2147483649", std::nullopt}, ReadingCase{"99999999999999999999", std::nullopt},
                      ReadingCase{"000000000000000000001", 1}, ReadingCase{"   42", 42}, ReadingCase{" -1", -1}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, ReadIntegerTest,
                         ::testing::Values(ReadingCase{"$7D0", 2000}, ReadingCase{"$7d0", 2000}, ReadingCase{"x10", 16},
                                           ReadingCase{"X10", 16}, ReadingCase{"0x10", 16}, ReadingCase{"0XfF", 255},
                                           ReadingCase{"$FFFFFFFF", -1}, ReadingCase{"$80000000", INT32_MIN},
                                           ReadingCase{"$7FFFFFFF", INT32_MAX}, ReadingCase{"$00000001", 1},
                                           ReadingCase{"  $A", 10}, ReadingCase{"$100000000", std::nullopt},
                                           ReadingCase{"$000000001", std::nullopt}, ReadingCase{"$", std::nullopt},
                                           ReadingCase{"0x", std::nullopt}, ReadingCase{"x", std::nullopt},
                                           ReadingCase{"$G", std::nullopt}, ReadingCase{"-$10", std::nullopt},
                                           ReadingCase{"+0x10", std::nullopt}, ReadingCase{"0x-1", std::nullopt},
                                           ReadingCase{"$ 1", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Refused, ReadIntegerTest,
                         ::testing::Values(ReadingCase{"", std::nullopt}, ReadingCase{"   ", std::nullopt},
                                           ReadingCase{"+", std::nullopt}, ReadingCase{"-", std::nullopt},
                                           ReadingCase{"12 ", std::nullopt}, ReadingCase{"1 2", std::nullopt},
                                           ReadingCase{"12a", std::nullopt}, ReadingCase{"a12", std::nullopt},
                                           ReadingCase{"\t12", std::nullopt}, ReadingCase{"1.5", std::nullopt},
                                           ReadingCase{"--1", std::nullopt}, ReadingCase{"+-1", std::nullopt},
                                           ReadingCase{"  ", std::nullopt},
                                           ReadingCase{std::string("1\0", 2), std::nullopt},
                                           ReadingCase{"1e3", std::nullopt}));

// What an input method commits or a paste brings: full-width forms read as
// their half-width ones, nothing else does.
INSTANTIATE_TEST_SUITE_P(
    FullWidth, ReadIntegerTest,
    ::testing::Values(ReadingCase{"２０００", 2000}, ReadingCase{"０１２３４５６７８９", 123456789},
                      ReadingCase{"＋１５", 15}, ReadingCase{"－１５", -15}, ReadingCase{"−１５", -15},
                      ReadingCase{"−2147483648", INT32_MIN}, ReadingCase{"２1４", 214}, ReadingCase{"＄７Ｄ０", 2000},
                      ReadingCase{"＄ｆｆｆｆｆｆｆｆ", -1}, ReadingCase{"ｘ１０", 16}, ReadingCase{"Ｘ１０", 16},
                      ReadingCase{"０ｘ１０", 16}, ReadingCase{"０Ｘ1f", 31}, ReadingCase{"  ２", 2},
                      ReadingCase{"２１４７４８３６４８", std::nullopt}, ReadingCase{"－－１", std::nullopt},
                      ReadingCase{"１２ａ", std::nullopt}, ReadingCase{"＄Ｇ", std::nullopt},
                      ReadingCase{"　２", std::nullopt}, ReadingCase{"２　", std::nullopt},
                      ReadingCase{"１．５", std::nullopt}, ReadingCase{"～１", std::nullopt},
                      ReadingCase{"\xEF\xBC", std::nullopt}, ReadingCase{"1\xEF\xBC\x90", 10},
                      ReadingCase{"\xEF\xBC\x90\xEF", std::nullopt}, ReadingCase{"２\xE2\x88", std::nullopt}));

TEST(IntegerTextTest, WritesPlainDecimal)
{
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(2000), "2000");
    EXPECT_EQ(IntegerText(-25380), "-25380");
    EXPECT_EQ(IntegerText(INT64_MIN), "-9223372036854775808");
    // Counts as a person reads them: the commas from the right, none in the sign.
    EXPECT_EQ(GroupedIntegerText(999), "999");
    EXPECT_EQ(GroupedIntegerText(3413), "3,413");
    EXPECT_EQ(GroupedIntegerText(-123456), "-123,456");
    EXPECT_EQ(GroupedIntegerText(INT64_MIN), "-9,223,372,036,854,775,808");
}

TEST(IntegerTextTest, RoundTripsThroughReading)
{
    for (std::int64_t v :
         {std::int64_t{INT32_MIN}, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1}, std::int64_t{INT32_MAX}}) {
        EXPECT_EQ(ReadInteger(IntegerText(v)), v);
    }
}

}  // namespace
}  // namespace vadelon
