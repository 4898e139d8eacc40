#include "calendar/days/almanac.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vadelon {
namespace {

const AlmanacPanelTexts kNewYear2000{"2000", "平成", "12", "1", "1", "（土曜日）"};

TEST(AlmanacReportTest, NewYear2000LineForLine)
{
    const AlmanacReport report = ComposeAlmanacReport({2000, 1, 1}, kNewYear2000);
    const std::vector<std::string> expected = {
        "西暦2000年（平成12年）1月1日（土曜日）は",
        "世界時１２時をもって、ユリウス日【2451545】日となる。",
        "",
        "年干支は【庚辰】年九星は【九紫火星】",
        "月干支は【丁丑】",
        "日干支は【戊午】",
        "",
        "-----------------------＜注意！＞-----------------------",
        "※年干支九星は一年の始まりを１月１日として算出しています。",
        "　通常、占術などでは立春（２月４日ごろ）を一年の始まりと",
        "　しますからご注意下さい。",
        "　立春より前の場合、年干支は【己卯】となります。",
        "　同様に、年九星は【一白水星】となります。",
        "※また月干支も毎月１日を月の始まりとして算出しています。",
        "　1月の節入りは、小寒（１月６日頃）です。",
        "　節入り前の場合は前月の月干支【丙子】を使用して下さい。",
        "※節入りの正確な日時は、別に暦などでお調べ下さい。",
    };
    ASSERT_EQ(report.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(report.lines[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_EQ(report.caption, "西暦2000年（平成12年）1月1日のこよみ");
}

TEST(AlmanacReportTest, DashesAreTwentyThreeOnEachSide)
{
    const std::string line = ComposeAlmanacReport({2000, 1, 1}, kNewYear2000).lines[7];
    EXPECT_EQ(line, std::string(23, '-') + "＜注意！＞" + std::string(23, '-'));
}

TEST(AlmanacReportTest, PanelTextsAreCopiedAsTheyStand)
{
    const AlmanacPanelTexts texts{"$7D0", "", "", " 1", "01", ""};
    const AlmanacReport report = ComposeAlmanacReport({2000, 1, 1}, texts);
    EXPECT_EQ(report.lines[0], "西暦$7D0年（年） 1月01日は");
    EXPECT_EQ(report.caption, "西暦$7D0年（年） 1月01日のこよみ");
    // The solar-term line uses the month read as a number, not the field text.
    EXPECT_EQ(report.lines[14], "　1月の節入りは、小寒（１月６日頃）です。");
}

TEST(AlmanacReportTest, AdoptionNoticeUpTo1872)
{
    const AlmanacPanelTexts texts{"1872", "明治", "5", "12", "31", "（火曜日）"};
    const AlmanacReport before = ComposeAlmanacReport({1872, 12, 31}, texts);
    ASSERT_EQ(before.lines.size(), 20u);
    EXPECT_EQ(before.lines[8], "※わが国において、この日付の時点では現行暦法であるグレゴ");
    EXPECT_EQ(before.lines[9], "　リオ暦を採用していません。");
    EXPECT_EQ(before.lines[10], "　それまでの旧暦とは日付が一致しませんのでご注意下さい。");
    EXPECT_EQ(before.lines[11], "※年干支九星は一年の始まりを１月１日として算出しています。");
    EXPECT_EQ(before.lines[19], "※節入りの正確な日時は、別に暦などでお調べ下さい。");
    EXPECT_EQ(ComposeAlmanacReport({1873, 1, 1}, texts).lines.size(), 17u);
}

TEST(AlmanacReportTest, MonthThirteenLeavesMonthTextsEmpty)
{
    const AlmanacPanelTexts texts{"2000", "平成", "12", "13", "1", "（月曜日）"};
    const AlmanacReport report = ComposeAlmanacReport({2000, 13, 1}, texts);
    ASSERT_EQ(report.lines.size(), 17u);
    // 2000: base 2, (2 + 13) mod 10 = 5: the stem of 己 and nothing else.
    EXPECT_EQ(report.lines[4], "月干支は【己】");
    EXPECT_EQ(report.lines[14], "　13月の節入りは、です。");
    EXPECT_EQ(report.lines[15], "　節入り前の場合は前月の月干支【戊】を使用して下さい。");
}

TEST(AlmanacValuesTest, NewYear2000)
{
    const AlmanacValues v = ComputeAlmanac({2000, 1, 1});
    EXPECT_EQ(v.julianDay, 2451545);
    EXPECT_TRUE(v.adopted);
    EXPECT_EQ(v.yearStem + v.yearBranch, "庚辰");
    EXPECT_EQ(v.yearStar, "九紫火星");
    EXPECT_EQ(v.monthStem + v.monthBranch, "丁丑");
    EXPECT_EQ(v.dayStem + v.dayBranch, "戊午");
    EXPECT_EQ(v.prevYearStem + v.prevYearBranch, "己卯");
    EXPECT_EQ(v.prevYearStar, "一白水星");
    EXPECT_EQ(v.prevMonthStem + v.prevMonthBranch, "丙子");
    EXPECT_EQ(v.solarTerm, "小寒（１月６日頃）");
}

TEST(AlmanacValuesTest, FirstGregorianDay)
{
    const AlmanacValues v = ComputeAlmanac({1582, 10, 15});
    EXPECT_EQ(v.julianDay, 2299161);
    EXPECT_FALSE(v.adopted);
    EXPECT_EQ(v.dayStem + v.dayBranch, "甲戌");
    EXPECT_EQ(v.yearStem + v.yearBranch, "壬午");
    EXPECT_EQ(v.yearStar, "四緑木星");
    EXPECT_EQ(v.monthStem + v.monthBranch, "庚戌");
    const AlmanacPanelTexts texts{"1582", "天正", "10", "10", "15", "（金曜日）"};
    EXPECT_EQ(ComposeAlmanacReport({1582, 10, 15}, texts).lines.size(), 20u);
}

TEST(AlmanacValuesTest, KinoeYearMonthsAndDecember)
{
    // 2004 ends in 4: a 甲 year.
    const AlmanacValues feb = ComputeAlmanac({2004, 2, 10});
    EXPECT_EQ(feb.monthStem + feb.monthBranch, "丙寅");
    const AlmanacValues jan = ComputeAlmanac({2004, 1, 10});
    EXPECT_EQ(jan.monthStem + jan.monthBranch, "乙丑");
    EXPECT_EQ(jan.prevMonthStem + jan.prevMonthBranch, "甲子");
    const AlmanacValues dec = ComputeAlmanac({2004, 12, 10});
    EXPECT_EQ(dec.monthBranch, "子");
    EXPECT_EQ(dec.prevMonthBranch, "亥");
    EXPECT_EQ(dec.solarTerm, "大雪（１２月７日頃）");
}

TEST(AlmanacValuesTest, MonthsBelowOne)
{
    // 2000: base 2. Month -2 gives s = 0; month -3 a negative s and no stems.
    const AlmanacValues m2 = ComputeAlmanac({2000, -2, 1});
    EXPECT_EQ(m2.monthStem, "甲");
    EXPECT_EQ(m2.prevMonthStem, "癸");
    EXPECT_EQ(m2.monthBranch, "");
    EXPECT_EQ(m2.solarTerm, "");
    const AlmanacValues m3 = ComputeAlmanac({2000, -3, 1});
    EXPECT_EQ(m3.monthStem, "");
    EXPECT_EQ(m3.prevMonthStem, "");
    const AlmanacValues m0 = ComputeAlmanac({2000, 0, 1});
    EXPECT_EQ(m0.monthStem, "丙");
    EXPECT_EQ(m0.prevMonthBranch, "");
}

// The remainder tables, one row per remainder.
struct StemRow {
    int r;
    const char* dayStem;
    const char* yearStem;
    const char* prevYearStem;
};
class StemTableTest : public ::testing::TestWithParam<StemRow> { };
TEST_P(StemTableTest, Row)
{
    const StemRow& row = GetParam();
    // 2000-01-01 is Julian day 2451545, remainder 5 by 10.
    const std::int32_t day = 1 + (row.r - 5 + 10) % 10;
    EXPECT_EQ(ComputeAlmanac({2000, 1, day}).dayStem, row.dayStem);
    const AlmanacValues year = ComputeAlmanac({1590 + row.r, 6, 1});
    EXPECT_EQ(year.yearStem, row.yearStem);
    EXPECT_EQ(year.prevYearStem, row.prevYearStem);
}
INSTANTIATE_TEST_SUITE_P(Stems, StemTableTest,
                         ::testing::Values(StemRow{0, "癸", "庚", "己"}, StemRow{1, "甲", "辛", "庚"},
                                           StemRow{2, "乙", "壬", "辛"}, StemRow{3, "丙", "癸", "壬"},
                                           StemRow{4, "丁", "甲", "癸"}, StemRow{5, "戊", "乙", "甲"},
                                           StemRow{6, "己", "丙", "乙"}, StemRow{7, "庚", "丁", "丙"},
                                           StemRow{8, "辛", "戊", "丁"}, StemRow{9, "壬", "己", "戊"}));

struct BranchRow {
    int r;
    const char* dayBranch;
    const char* yearBranch;
    const char* prevYearBranch;
};
class BranchTableTest : public ::testing::TestWithParam<BranchRow> { };
TEST_P(BranchTableTest, Row)
{
    const BranchRow& row = GetParam();
    // 2451545 is 5 by 12 as well.
    const std::int32_t day = 1 + (row.r - 5 + 12) % 12;
    EXPECT_EQ(ComputeAlmanac({2000, 1, day}).dayBranch, row.dayBranch);
    const AlmanacValues year = ComputeAlmanac({1596 + row.r, 6, 1});  // 1596 = 12 * 133
    EXPECT_EQ(year.yearBranch, row.yearBranch);
    EXPECT_EQ(year.prevYearBranch, row.prevYearBranch);
}
INSTANTIATE_TEST_SUITE_P(Branches, BranchTableTest,
                         ::testing::Values(BranchRow{0, "丑", "申", "未"}, BranchRow{1, "寅", "酉", "申"},
                                           BranchRow{2, "卯", "戌", "酉"}, BranchRow{3, "辰", "亥", "戌"},
                                           BranchRow{4, "巳", "子", "亥"}, BranchRow{5, "午", "丑", "子"},
                                           BranchRow{6, "未", "寅", "丑"}, BranchRow{7, "申", "卯", "寅"},
                                           BranchRow{8, "酉", "辰", "卯"}, BranchRow{9, "戌", "巳", "辰"},
                                           BranchRow{10, "亥", "午", "巳"}, BranchRow{11, "子", "未", "午"}));

struct StarRow {
    int r;
    const char* star;
    const char* prevStar;
};
class StarTableTest : public ::testing::TestWithParam<StarRow> { };
TEST_P(StarTableTest, Row)
{
    const AlmanacValues v = ComputeAlmanac({1593 + GetParam().r, 6, 1});  // 1593 = 9 * 177
    EXPECT_EQ(v.yearStar, GetParam().star);
    EXPECT_EQ(v.prevYearStar, GetParam().prevStar);
}
INSTANTIATE_TEST_SUITE_P(Stars, StarTableTest,
                         ::testing::Values(StarRow{0, "二黒土星", "三碧木星"}, StarRow{1, "一白水星", "二黒土星"},
                                           StarRow{2, "九紫火星", "一白水星"}, StarRow{3, "八白土星", "九紫火星"},
                                           StarRow{4, "七赤金星", "八白土星"}, StarRow{5, "六白金星", "七赤金星"},
                                           StarRow{6, "五黄土星", "六白金星"}, StarRow{7, "四緑木星", "五黄土星"},
                                           StarRow{8, "三碧木星", "四緑木星"}));

TEST(AlmanacDateTest, AcceptsFromTheReformOn)
{
    EXPECT_FALSE(AlmanacAcceptsDate({1582, 10, 14}));
    EXPECT_TRUE(AlmanacAcceptsDate({1582, 10, 15}));
    EXPECT_TRUE(AlmanacAcceptsDate({1582, 11, 1}));
    EXPECT_TRUE(AlmanacAcceptsDate({1582, 11, -100}));  // field by field
    EXPECT_FALSE(AlmanacAcceptsDate({1582, 9, 40}));
    EXPECT_FALSE(AlmanacAcceptsDate({1581, 12, 31}));
    EXPECT_TRUE(AlmanacAcceptsDate({1583, 0, 0}));
}

TEST(AlmanacValuesTest, ExtremeFieldsStayInsideTheTables)
{
    for (std::int32_t y : {INT32_MIN, -1, 1582, INT32_MAX}) {
        for (std::int32_t m : {INT32_MIN, -11, 0, 12, INT32_MAX}) {
            for (std::int32_t d : {INT32_MIN, 0, INT32_MAX}) {
                const AlmanacValues v = ComputeAlmanac({y, m, d});
                EXPECT_EQ(v.dayStem.size(), 3u);
                EXPECT_EQ(v.dayBranch.size(), 3u);
                EXPECT_EQ(v.yearStar.size(), 12u);
                EXPECT_EQ(v.prevYearStar.size(), 12u);
            }
        }
    }
}

TEST(AlmanacTablesTest, NamesInTheirOrder)
{
    EXPECT_EQ(StemNames.front(), "甲");
    EXPECT_EQ(StemNames.back(), "癸");
    EXPECT_EQ(BranchNames.front(), "子");
    EXPECT_EQ(BranchNames.back(), "亥");
    EXPECT_EQ(StarNames[4], "五黄土星");
    EXPECT_EQ(SolarTermNames[1], "立春（２月４日頃）");
    EXPECT_EQ(SolarTermNames[9], "寒露（１０月９日頃）");
}

}  // namespace
}  // namespace vadelon
