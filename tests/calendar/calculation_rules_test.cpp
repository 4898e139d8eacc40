// The calculator's rules from field texts to results, messages and beeps.
#include "calendar/rules/calculation_rules.h"

#include <gtest/gtest.h>

namespace vadelon {
namespace {

const std::string kDate = "日付を正しく入力して下さい。";
const std::string kNumber = "正しく入力して下さい。";
const std::string kOrder = "日付の前後関係を確認して下さい。";
const std::string kAlmanac =
    "『こよみ』現行暦法のグレゴリオ暦が採用された、\n西暦１５８２年１０月１５日以降について対応しています。";

enum class Run { Days, After, Before, Age, Birth, Almanac };

struct RunCase {
    const char* what;
    Run run;
    std::vector<std::string> in;  // the fields in the order the run reads them
    RunResult out;
};

RunResult Apply(const RunCase& c)
{
    const auto& in = c.in;
    switch (c.run) {
    case Run::Days: return RunDayCount({in[0], in[1], in[2]}, {in[3], in[4], in[5]});
    case Run::After: return RunDateShift({in[0], in[1], in[2]}, in[3], true);
    case Run::Before: return RunDateShift({in[0], in[1], in[2]}, in[3], false);
    case Run::Age: return RunAgeCalc(in[0], in[1]);
    case Run::Birth: return RunBirthYearCalc(in[0], in[1]);
    case Run::Almanac: break;
    }
    const AlmanacRun a = RunAlmanac({in[0], in[1], in[2]});
    if (!a.accepted)
        return RunResult{{}, a.message, a.beep};
    return RunResult{
        {std::to_string(a.date.year), std::to_string(a.date.month), std::to_string(a.date.day)}, {}, a.beep};
}

TEST(CalculationRulesTest, Runs)
{
    const RunResult dateRefused{{}, kDate, true}, numberRefused{{}, kNumber, true};
    const RunCase cases[] = {
        {"days: one day", Run::Days, {"2000", "1", "1", "2000", "1", "2"}, {{"1"}, {}, false}},
        {"days: same day", Run::Days, {"2000", "1", "1", "2000", "1", "1"}, {{"0"}, kOrder, false}},
        {"days: reversed", Run::Days, {"2000", "1", "2", "2000", "1", "1"}, {{"0"}, kOrder, false}},
        {"days: last number", Run::Days, {"0", "1", "1", "0", "1", "10000000"}, {{"9999999"}, {}, false}},
        {"days: the limit", Run::Days, {"0", "1", "1", "0", "1", "10000001"}, {{"Overflow"}, {}, false}},
        {"days: odd days, negative", Run::Days, {"2000", "1", "40", "2000", "2", "1"}, {{"-8"}, {}, false}},
        {"days: beyond 32 bits", Run::Days, {"2000", "1", "2147483647", "2000", "2", "-2147483648"}, dateRefused},
        {"days: upper day empty", Run::Days, {"2000", "1", "", "2000", "1", "2"}, dateRefused},
        {"days: hex and blanks", Run::Days, {"  $7D0", "0x1", "1", "2000", "1", "2"}, {{"1"}, {}, false}},
        {"shift: forward", Run::After, {"1999", "12", "31", "1"}, {{"2000", "1", "1"}, {}, false}},
        {"shift: backward", Run::Before, {"1999", "12", "31", "1"}, {{"1999", "12", "30"}, {}, false}},
        {"shift: negative backward", Run::Before, {"1999", "12", "31", "-1"}, {{"2000", "1", "1"}, {}, false}},
        {"shift: count empty", Run::After, {"1999", "12", "31", ""}, dateRefused},
        {"shift: month 13", Run::After, {"1999", "13", "31", "1"}, dateRefused},
        {"shift: month 0", Run::Before, {"1999", "0", "31", "1"}, dateRefused},
        {"shift: year beyond 32 bits", Run::After, {"2147483647", "12", "31", "1"}, dateRefused},
        {"shift: no limit on the count", Run::After, {"2000", "1", "1", "20000000"}, {{"56758", "2", "21"}, {}, false}},
        // Negated, the smallest count is 2^31 days forward: two parts, no wrap.
        {"shift: smallest count backward",
         Run::Before,
         {"1970", "1", "1", "-2147483648"},
         {{"5881580", "7", "12"}, {}, false}},
        {"shift: smallest count forward",
         Run::After,
         {"1970", "1", "1", "-2147483648"},
         {{"-5877641", "6", "23"}, {}, false}},
        {"age: 40", Run::Age, {"1960", "2000"}, {{"40"}, {}, false}},
        {"age: -1", Run::Age, {"2001", "2000"}, {{"-1"}, {}, false}},
        {"age: letters", Run::Age, {"19x0", "2000"}, numberRefused},
        {"age: current empty", Run::Age, {"1960", ""}, numberRefused},
        {"age: beyond 32 bits", Run::Age, {"-2147483648", "2147483647"}, numberRefused},
        {"birth: 1960", Run::Birth, {"2000", "40"}, {{"1960"}, {}, false}},
        {"birth: negative age", Run::Birth, {"2000", "-5"}, {{"2005"}, {}, false}},
        {"birth: age letters", Run::Birth, {"2000", "forty"}, numberRefused},
        {"birth: beyond 32 bits", Run::Birth, {"2147483647", "-1"}, numberRefused},
        {"almanac: day before", Run::Almanac, {"1582", "10", "14"}, {{}, kAlmanac, true}},
        {"almanac: first day", Run::Almanac, {"1582", "10", "15"}, {{"1582", "10", "15"}, {}, false}},
        {"almanac: month empty", Run::Almanac, {"1582", "", "14"}, dateRefused},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RunResult r = Apply(c);
        EXPECT_EQ(r.texts, c.out.texts);
        EXPECT_EQ(r.message, c.out.message);
        EXPECT_EQ(r.beep, c.out.beep);
    }
}

TEST(CalculationRulesTest, PanelLabelsAndEraFields)
{
    struct Case {
        DateTexts date;
        const char* weekday;
        EraText era;  // with no question answered
    };
    // Which era and weekday a date has is the era table's and the day
    // arithmetic's test; here, what the panel's texts make of them.
    const Case cases[] = {
        {{"1582", "10", "15"}, "（金曜日）", {"天正", "10"}}, {{"2026", "12", "07"}, "（月曜日）", {"令和", "8"}},
        {{"1582", "11", "-20"}, "", {"天正", "10"}},          {{"2000", "", "1"}, "（　曜日）", {"平成", "12"}},
        {{"2000", "1", "x"}, "（　曜日）", {"平成", "12"}},   {{"2000", "0", "1"}, "（　曜日）", {"平成", "12"}},
        {{"y", "1", "1"}, "（　曜日）", {"－－", "--"}},      {{"", "3", ""}, "（　曜日）", {"－－", "--"}},
        {{"1989", "1", "x"}, "（　曜日）", {"", ""}},         {{"1989", " 1", "8"}, "（日曜日）", {"平成", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.year + "/" + c.date.month + "/" + c.date.day);
        EXPECT_EQ(PanelWeekdayLabel(c.date), c.weekday);
        EXPECT_EQ(PanelEraTexts(c.date, [](const EraQuestion&) { return EraChoice::None; }), c.era);
    }
    // The question only where the month and day leave the era open, and its answers.
    int asked = 0;
    const auto earlier = [&asked](const EraQuestion&) { return ++asked, EraChoice::Earlier; };
    EXPECT_EQ(PanelEraTexts({"2019", "6", ""}, earlier), (EraText{"令和", "1"}));
    EXPECT_EQ(PanelEraTexts({"x", "", ""}, earlier), (EraText{"－－", "--"}));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(PanelEraTexts({"2019", "", ""}, earlier), (EraText{"平成", "31"}));
    EXPECT_EQ(PanelEraTexts({"1989", "1", "y"}, [](const EraQuestion&) { return EraChoice::Later; }),
              (EraText{"平成", "1"}));
    EXPECT_EQ(asked, 1);
}

TEST(CalculationRulesTest, WesternYearFromEraFields)
{
    const auto row = [](const char* name) { return EraRowForName(name); };
    EXPECT_EQ(WesternYearText(row("平成"), "1"), "1989");
    EXPECT_EQ(WesternYearText(row("昭和"), "64"), "1989");
    EXPECT_EQ(WesternYearText(row("應永"), "0"), "1393");
    EXPECT_EQ(WesternYearText(row("－－"), "5"), "5");
    EXPECT_EQ(WesternYearText(row("令和"), "$8"), "2026");
    // An era year that does not read empties the year, even with no era picked.
    EXPECT_EQ(WesternYearText(row("平成"), "ab"), "");
    EXPECT_EQ(WesternYearText(row("平成"), "一"), "");
    EXPECT_EQ(WesternYearText(std::nullopt, "ab"), "");
    // No era to count from, or beyond 32 bits: the year is left as it is.
    EXPECT_EQ(WesternYearText(std::nullopt, "10"), std::nullopt);
    EXPECT_EQ(WesternYearText(row("令和"), "2147483647"), std::nullopt);
}

struct WeekdayCase {
    Date date;
    const char* label;
};
class WeekdayLabelTest : public ::testing::TestWithParam<WeekdayCase> { };
TEST_P(WeekdayLabelTest, Label)
{
    EXPECT_EQ(WeekdayLabel(GetParam().date), GetParam().label);
}
INSTANTIATE_TEST_SUITE_P(
    Labels, WeekdayLabelTest,
    ::testing::Values(WeekdayCase{{1582, 10, 15}, "（金曜日）"}, WeekdayCase{{1582, 10, 14}, "（　曜日）"},
                      WeekdayCase{{2000, 1, 1}, "（土曜日）"}, WeekdayCase{{1873, 1, 1}, "（水曜日）"},
                      WeekdayCase{{1582, 10, 16}, "（土曜日）"}, WeekdayCase{{1582, 10, 17}, "（日曜日）"},
                      WeekdayCase{{1582, 10, 18}, "（月曜日）"}, WeekdayCase{{1582, 10, 19}, "（火曜日）"},
                      WeekdayCase{{1582, 10, 20}, "（水曜日）"}, WeekdayCase{{1582, 10, 21}, "（木曜日）"},
                      WeekdayCase{{2026, 12, 7}, "（月曜日）"}, WeekdayCase{{1582, 9, 30}, "（　曜日）"},
                      WeekdayCase{{1581, 12, 31}, "（　曜日）"}, WeekdayCase{{-5, 1, 1}, "（　曜日）"},
                      // Field order passes, the count is negative: no label at all.
                      // (17 days from 10-14 to the end of October, then the offset.)
                      WeekdayCase{{1582, 11, -20}, ""}, WeekdayCase{{1582, 11, -24}, "（木曜日）"},
                      WeekdayCase{{1582, 11, -17}, "（木曜日）"}, WeekdayCase{{1582, 11, -16}, "（金曜日）"},
                      WeekdayCase{{1582, 12, -50}, ""}));

TEST(WeekdayLabelTest, BlankLabel)
{
    EXPECT_EQ(BlankWeekdayLabel(), "（　曜日）");
}

}  // namespace
}  // namespace vadelon
