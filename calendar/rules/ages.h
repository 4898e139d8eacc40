#pragma once
// Ages as Japanese law and custom count them: 満年齢 by the age law
// (年齢計算ニ関スル法律) with 民法 143, 数え年, the school years of
// 学校教育法 17, and the years of the 長寿祝い and the 厄年. Birth dates are
// real dates (calendar/rules/periods.h); years are returned in 64 bits so that no
// 32-bit birth year overflows.
#include "calendar/days/date.h"
#include "calendar/rules/periods.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vadelon {

// The first day of the age n: age is counted from the day of birth and rises
// at the end of the day before the birthday, so this is the n-th birthday, or
// 3月1日 for a 2月29日 birth in a common year (its n-year period ends on
// 2月28日). YearOutOfRange when that year leaves 32 bits.
ShiftedDate AgeBirthday(const Date& birth, std::int64_t n);

// "生年月日と日付の前後関係を確認して下さい。": a day asked about before the birth.
const std::string& BirthOrderMessage();

// 満年齢 on a day not before the birth: born 2000-02-29, 0 on 2001-02-28 and
// 1 from 2001-03-01; born 2000-04-01, 6 from 2006-04-01.
std::int64_t FullAge(const Date& birth, const Date& day);
// 数え年: 1 at birth, one more each 1月1日.
std::int64_t CountedAge(const Date& birth, const Date& day);

// The years, months and days lived on the day, counted as the age is: whole
// months end where the month's periods from the birth end (born 1月31日, the
// first month is full on 3月1日), so the years are always FullAge.
YearsMonthsDays TimeSinceBirth(const Date& birth, const Date& day);

// The next birthday after the day (the first day of the next age) and the
// days until it; none when its year leaves 32 bits.
struct NextBirthday {
    bool ok = false;
    Date date;
    std::int64_t daysLeft = 0;
};
NextBirthday NextBirthdayAfter(const Date& birth, const Date& day);

// The school year (April to March, named by the year of its April) in which a
// child enters 小学校: the first that begins after the child has turned 6.
// Births of 4月2日 to the next 4月1日 share a 学年; those of 1月1日 to 4月1日
// (早生まれ) enter in the calendar year of their sixth birthday, the others
// the year after.
std::int64_t FirstSchoolYear(const Date& birth);

struct SchoolStep {
    std::string_view name;  // "小学校入学"
    std::int64_t year = 0;
    std::int32_t month = 0;  // 4 for 入学, 3 for 卒業
};
// 小学校入学 to 大学卒業 (four years), in order.
std::array<SchoolStep, 8> SchoolSteps(const Date& birth);

struct LongevityYear {
    std::string_view name;  // "古希"
    std::int32_t age = 0;   // the 満年齢 it is named for; 還暦 60, 大還暦 120
    std::int64_t byFullAge = 0;
    std::int64_t byCountedAge = 0;  // the same year for 還暦 and 大還暦 (数え61, 121)
};
// 還暦 to 大還暦, in order.
std::vector<LongevityYear> LongevityYears(std::int64_t birthYear);

enum class Sex { Male, Female };
struct UnluckyYear {
    std::int64_t year = 0;
    std::int32_t countedAge = 0;
    std::string_view label;  // 前厄, 本厄, 本厄（大厄）, 後厄
};
// The 厄年 by 数え年 counted from 1月1日, each with its 前厄 and 後厄, in
// order of the years.
std::vector<UnluckyYear> UnluckyYears(std::int64_t birthYear, Sex sex);

}  // namespace vadelon
