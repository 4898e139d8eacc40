#include "calendar/days/era.h"

#include "calendar/days/day_arithmetic.h"

#include "reference_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vadelon {
namespace {

// The row as the table stores it: start year, month and day, then the name.
std::string StoredRow(const EraEntry& era)
{
    return std::string(era.startYear) + std::string(era.startMonth) + std::string(era.startDay) + std::string(era.name);
}

// Era-year field for an era year n of at least 1, as a panel shows it.
std::string Shown(std::int64_t n)
{
    return n >= 100 ? "  " : std::to_string(n);
}

EraText Settled(std::int32_t y, std::int32_t m, std::int32_t d)
{
    int calls = 0;
    const EraText text = EraTextForYear(y, m, d, [&](const EraQuestion&) {
        ++calls;
        return EraChoice::None;
    });
    EXPECT_EQ(calls, 0) << y << "-" << m << "-" << d << " asked";
    return text;
}

TEST(EraTableTest, RowsAreTheWrittenDownTable)
{
    const auto table = EraTable();
    ASSERT_EQ(table.size(), 68u);
    ASSERT_EQ(static_cast<int>(table.size()), reference::kEraRowCount);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string row = reference::kEraRows[i];
        SCOPED_TRACE(row);
        EXPECT_EQ(table[i].startYear, row.substr(0, 4));
        EXPECT_EQ(table[i].startMonth, row.substr(4, 2));
        EXPECT_EQ(table[i].startDay, row.substr(6, 2));
        EXPECT_EQ(table[i].name, row.substr(8));
        EXPECT_EQ(table[i].startYearValue, std::stoi(row.substr(0, 4)));
        EXPECT_EQ(table[i].startMonthValue, std::stoi(row.substr(4, 2)));
        EXPECT_EQ(table[i].startDayValue, std::stoi(row.substr(6, 2)));
        // Two three-byte characters: one double-byte character each in the old code page.
        EXPECT_EQ(table[i].name.size(), 6u);
    }
    EXPECT_EQ(StoredRow(table[0]), "00010000－－");
    EXPECT_EQ(StoredRow(table[27]), "15961027慶長");  // its recorded start, not the 11月27日 first written down
    EXPECT_EQ(StoredRow(table[66]), "19890108平成");
    EXPECT_EQ(StoredRow(table[67]), "20190501令和");
}

// Every change: the day before belongs to the earlier era, the first day to
// the later one, and a missing month or day asks between the two.
class EraChangeTest : public ::testing::TestWithParam<int> { };

TEST_P(EraChangeTest, DayBeforeFirstDayAndQuestion)
{
    const int i = GetParam();
    const std::string row = reference::kEraRows[i];
    const std::string earlierRow = reference::kEraRows[i - 1];
    const std::int32_t y = std::stoi(row.substr(0, 4));
    const std::int32_t m = std::stoi(row.substr(4, 2));
    const std::int32_t d = std::stoi(row.substr(6, 2));
    const EraText earlier{earlierRow.substr(8), Shown(y - std::stoi(earlierRow.substr(0, 4)) + 1)};
    const EraText later{row.substr(8), "1"};
    SCOPED_TRACE(row);

    // The day before; 令和 begins on a 1st, so its eve is the end of April.
    if (d > 1) {
        EXPECT_EQ(Settled(y, m, d - 1), earlier);
    } else {
        EXPECT_EQ(Settled(y, m - 1, DaysInMonth(y, m - 1)), earlier);
    }
    EXPECT_EQ(Settled(y, m, d), later);
    if (m > 1) {
        EXPECT_EQ(Settled(y, m - 1, 0), earlier);
    }
    EXPECT_EQ(Settled(y, m + 1, 0), later);
    EXPECT_EQ(Settled(y, 13, 1), later);
    EXPECT_EQ(Settled(y, -1, 1), earlier);

    for (const auto& [month, day] : {std::pair{0, 0}, std::pair{0, 15}, std::pair{m, 0}}) {
        std::vector<EraQuestion> asked;
        for (EraChoice choice : {EraChoice::Earlier, EraChoice::Later, EraChoice::None}) {
            const EraText text = EraTextForYear(y, month, day, [&](const EraQuestion& q) {
                asked.push_back(q);
                return choice;
            });
            const EraText expected = choice == EraChoice::Earlier ? earlier
                                     : choice == EraChoice::Later ? later
                                                                  : EraText{};
            EXPECT_EQ(text, expected);
        }
        ASSERT_EQ(asked.size(), 3u);
        for (const EraQuestion& q : asked) {
            EXPECT_EQ(q.startYear, row.substr(0, 4));
            EXPECT_EQ(q.startMonth, row.substr(4, 2));
            EXPECT_EQ(q.startDay, row.substr(6, 2));
            EXPECT_EQ(q.earlierName, earlierRow.substr(8));
            EXPECT_EQ(q.laterName, row.substr(8));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllChanges, EraChangeTest, ::testing::Range(1, 68));

struct EraCase {
    std::int32_t y, m, d;
    EraText text;
};
class EraTextTest : public ::testing::TestWithParam<EraCase> { };
TEST_P(EraTextTest, Settled)
{
    EXPECT_EQ(Settled(GetParam().y, GetParam().m, GetParam().d), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Years, EraTextTest,
    ::testing::Values(
        EraCase{0, 0, 0, {"－－", "--"}}, EraCase{1, 0, 0, {"－－", "1"}}, EraCase{2, 0, 0, {"－－", "2"}},
        EraCase{9, 5, 5, {"－－", "9"}}, EraCase{10, 0, 0, {"－－", "10"}}, EraCase{99, 0, 0, {"－－", "99"}},
        EraCase{100, 0, 0, {"－－", "  "}}, EraCase{1393, 12, 31, {"－－", "  "}}, EraCase{1394, 7, 5, {"應永", "1"}},
        EraCase{1394, 8, 0, {"應永", "1"}}, EraCase{1394, 6, 30, {"－－", "  "}}, EraCase{1394, 7, 4, {"－－", "  "}},
        EraCase{1428, 4, 26, {"應永", "35"}}, EraCase{1428, 4, 27, {"正長", "1"}}, EraCase{1501, 2, 28, {"明應", "10"}},
        EraCase{1501, 2, 29, {"文龜", "1"}}, EraCase{1868, 9, 7, {"慶應", "4"}}, EraCase{1868, 9, 8, {"明治", "1"}},
        EraCase{1868, 10, 0, {"明治", "1"}}, EraCase{1989, 1, 7, {"昭和", "64"}}, EraCase{1989, 1, 8, {"平成", "1"}},
        EraCase{1989, 13, 0, {"平成", "1"}}, EraCase{1989, -1, 0, {"昭和", "64"}}, EraCase{1990, 0, 0, {"平成", "2"}},
        EraCase{2018, 0, 0, {"平成", "30"}}, EraCase{2019, 4, 30, {"平成", "31"}}, EraCase{2019, 5, 1, {"令和", "1"}},
        EraCase{2020, 0, 0, {"令和", "2"}}, EraCase{2026, 12, 7, {"令和", "8"}}, EraCase{2027, 0, 0, {"令和", "9"}},
        EraCase{2028, 0, 0, {"令和", "10"}}, EraCase{2117, 0, 0, {"令和", "99"}}, EraCase{2118, 0, 0, {"　　", "  "}},
        EraCase{INT32_MAX, 1, 1, {"　　", "  "}}, EraCase{-1, 1, 1, {"", ""}}, EraCase{INT32_MIN, 0, 0, {"", ""}}));

TEST(EraTextTest, EmptyCallbackCountsAsNoAnswer)
{
    EXPECT_EQ(EraTextForYear(1989, 1, 0, AskEraChoiceFn{}), EraText{});
}

TEST(EraTextTest, YearOfChangeQuestionAnswers)
{
    const auto earlier = [](const EraQuestion&) { return EraChoice::Earlier; };
    const auto later = [](const EraQuestion&) { return EraChoice::Later; };
    EXPECT_EQ(EraTextForYear(1989, 1, 0, earlier), (EraText{"昭和", "64"}));
    EXPECT_EQ(EraTextForYear(1989, 0, 0, later), (EraText{"平成", "1"}));
    EXPECT_EQ(EraTextForYear(2019, 0, 0, earlier), (EraText{"平成", "31"}));
    EXPECT_EQ(EraTextForYear(1394, 0, 0, earlier), (EraText{"－－", "  "}));
    EXPECT_EQ(EraTextForYear(1394, 0, 0, later), (EraText{"應永", "1"}));
}

TEST(EraLookupTest, QuestionCarriesBothAnswers)
{
    const EraLookup lookup = LookUpEra(1989, 1, 0);
    ASSERT_FALSE(lookup.settled.has_value());
    ASSERT_TRUE(lookup.question.has_value());
    EXPECT_EQ(lookup.question->startYear, "1989");
    EXPECT_EQ(lookup.question->startMonth, "01");
    EXPECT_EQ(lookup.question->startDay, "08");
    EXPECT_EQ(lookup.question->earlier, (EraText{"昭和", "64"}));
    EXPECT_EQ(lookup.question->later, (EraText{"平成", "1"}));
    const EraLookup plain = LookUpEra(1990, 0, 0);
    EXPECT_FALSE(plain.question.has_value());
    EXPECT_EQ(plain.settled, (EraText{"平成", "2"}));
}

struct WesternCase {
    std::int32_t row, eraYear;
    std::optional<std::int32_t> year;
};
class WesternYearTest : public ::testing::TestWithParam<WesternCase> { };
TEST_P(WesternYearTest, Year)
{
    EXPECT_EQ(WesternYearFromEra(GetParam().row, GetParam().eraYear), GetParam().year);
}
INSTANTIATE_TEST_SUITE_P(
    Conversions, WesternYearTest,
    ::testing::Values(WesternCase{66, 1, 1989}, WesternCase{65, 64, 1989}, WesternCase{1, 0, 1393},
                      WesternCase{0, 5, 5}, WesternCase{65, 10, 1935}, WesternCase{64, 10, 1921},
                      WesternCase{67, 8, 2026}, WesternCase{67, 1, 2019}, WesternCase{66, 31, 2019},
                      WesternCase{66, -5, 1983}, WesternCase{0, INT32_MIN, INT32_MIN},
                      WesternCase{67, INT32_MAX - 2018, INT32_MAX}, WesternCase{67, INT32_MAX - 2017, std::nullopt},
                      WesternCase{1, INT32_MIN, 1393 + INT32_MIN}, WesternCase{68, 1, std::nullopt},
                      WesternCase{-1, 1, std::nullopt}, WesternCase{INT32_MIN, 1, std::nullopt}));

TEST(EraListTest, IndexAndRowAndName)
{
    EXPECT_EQ(EraRowForListIndex(0), 67);
    EXPECT_EQ(EraRowForListIndex(1), 66);
    EXPECT_EQ(EraRowForListIndex(67), 0);
    EXPECT_EQ(EraRowForName("平成"), 66);
    EXPECT_EQ(EraRowForName("令和"), 67);
    EXPECT_EQ(EraRowForName("應永"), 1);
    EXPECT_EQ(EraRowForName("－－"), 0);
    EXPECT_EQ(EraRowForName("　　"), std::nullopt);
    EXPECT_EQ(EraRowForName(""), std::nullopt);
    EXPECT_EQ(EraRowForName("応永"), std::nullopt);  // the old form is kept, never normalised
}

}  // namespace
}  // namespace vadelon
