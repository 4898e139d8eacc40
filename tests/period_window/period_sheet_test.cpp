// The texts of the window 年齢と期間 from its fields: what is refused with
// which message, what is left blank while a field is empty, and the rows
// faded or marked by the day asked about.
#include "period_window/period_sheet.h"

#include <gtest/gtest.h>

namespace vadelon {
namespace {

TEST(PeriodSheetTest, AgesFromTheFields)
{
    struct Case {
        DateTexts birth, day;
        std::string message, fullAge, nextBirthday;
    };
    for (const Case& c : {
             Case{{"", "2", "29"}, {"2001", "2", "28"}, "", "", ""},
             Case{{"2001", "2", "29"}, {"2001", "3", "1"}, DateInputMessage(), "", ""},
             Case{{"2000", "x", "1"}, {"2001", "3", "1"}, DateInputMessage(), "", ""},
             Case{{"2001", "1", "1"}, {"2000", "12", "31"}, BirthOrderMessage(), "", ""},
             Case{{"2147483647", "1", "1"}, {"2147483647", "6", "1"}, YearRangeMessage(), "", ""},
             Case{{"２０００", "2", "29"}, {"2001", "2", "28"}, "", "0歳", "2001年3月1日（木）　あと1日で1歳"},
             Case{{"2000", "2", "29"}, {"2001", "3", "1"}, "", "1歳", "2002年3月1日（金）　あと365日で2歳"},
             // 和暦 in the year field: a whole date, or an era's year beside the month and day.
             Case{{"平成12年2月29日", "", ""}, {"H13", "2", "28"}, "", "0歳", "2001年3月1日（木）　あと1日で1歳"},
             Case{{"平成13", "2", "29"}, {"2001", "3", "1"}, "平成13年2月は28日までです。", "", ""},
         }) {
        const AgeSheet sheet = ComposeAgeSheet(c.birth, c.day, Sex::Male);
        EXPECT_EQ(sheet.message, c.message) << c.birth.year << " " << c.day.year;
        EXPECT_EQ(sheet.ok, c.message.empty() && !c.fullAge.empty());
        EXPECT_EQ(sheet.fullAge, c.fullAge);
        EXPECT_EQ(sheet.nextBirthday, c.nextBirthday);
    }
    const AgeSheet sheet = ComposeAgeSheet({"1983", "1", "15"}, {"2024", "6", "1"}, Sex::Male);
    EXPECT_EQ(sheet.lived, "41年4か月17日（15,113日）");
    EXPECT_EQ(sheet.birthYearSigns, "癸亥　八白土星\n（立春より前の生まれ。立春で年を分けると壬戌・九紫火星）");
    ASSERT_EQ(sheet.school.size(), 8u);
    EXPECT_EQ(sheet.school[0].cells, (std::vector<std::string>{"小学校入学", "1989年4月", "平成元年4月"}));
    EXPECT_TRUE(sheet.school[7].passed);
    ASSERT_EQ(sheet.unlucky.size(), 9u);
    EXPECT_EQ(sheet.unlucky[4].cells, (std::vector<std::string>{"2024年", "数え42歳", "本厄（大厄）"}));
    EXPECT_TRUE(sheet.unlucky[3].passed);
    EXPECT_TRUE(sheet.unlucky[4].current);
    EXPECT_FALSE(sheet.unlucky[4].passed);
    EXPECT_FALSE(sheet.unlucky[5].passed);
    EXPECT_FALSE(sheet.longevity[0].passed);
    EXPECT_EQ(sheet.spoken, "満年齢41歳、数え年42歳、経過41年4か月17日、次の誕生日まであと228日");
}

TEST(PeriodSheetTest, LastDayFromTheFields)
{
    struct Case {
        DateTexts start;
        std::string count;
        PeriodUnit unit;
        bool firstDay, nextBusinessDay;
        std::string message, lastDay, note;
    };
    for (const Case& c : {
             Case{{"2026", "4", "3"}, "", PeriodUnit::Months, false, false, "", "", ""},
             Case{{"2026", "4", "31"}, "1", PeriodUnit::Months, false, false, DateInputMessage(), "", ""},
             Case{{"2026", "4", "3"}, "0", PeriodUnit::Months, false, false, PeriodCountMessage(), "", ""},
             Case{{"2026", "4", "3"}, "x", PeriodUnit::Days, false, false, NumberInputMessage(), "", ""},
             Case{{"2026", "4", "3"},
                  "1",
                  PeriodUnit::Months,
                  false,
                  false,
                  "",
                  "2026年5月3日（日）　令和8年5月3日",
                  "初日は数えず、翌日から数えています（民法140条）。"},
             Case{{"2026", "4", "3"},
                  "1",
                  PeriodUnit::Months,
                  false,
                  true,
                  "",
                  "2026年5月7日（木）　令和8年5月7日",
                  "2026年5月3日（日）が休日のため、翌営業日に延びます（民法142条）。"},
             Case{{"2019", "4", "1"},
                  "1",
                  PeriodUnit::Months,
                  true,
                  false,
                  "",
                  "2019年4月30日（火）　平成31年4月30日",
                  "初日を含めて数えています。"},
             Case{{"1000", "1", "1"},
                  "1",
                  PeriodUnit::Days,
                  true,
                  false,
                  "",
                  "1000年1月1日（水）",
                  "初日を含めて数えています。"},
         }) {
        const DeadlineSheet sheet = ComposeDeadline(c.start, c.count, c.unit, c.firstDay, c.nextBusinessDay);
        EXPECT_EQ(sheet.message, c.message) << c.start.year << "-" << c.start.month << "-" << c.start.day;
        EXPECT_EQ(sheet.lastDay, c.lastDay);
        EXPECT_EQ(sheet.note, c.note);
    }
    EXPECT_EQ(JapaneseDateText({2019, 5, 1}), "令和元年5月1日");
}

}  // namespace
}  // namespace vadelon
