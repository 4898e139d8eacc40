#include "calendar/days/almanac.h"

#include "calendar/days/integer_reading.h"

namespace vadelon {

namespace {

// "西暦2000年（平成12年）1月1日": shared by the first line and the caption.
std::string DateHeading(const AlmanacPanelTexts& t)
{
    return "西暦" + t.westernYear + "年（" + t.eraName + t.eraYear + "年）" + t.month + "月" + t.day + "日";
}

}  // namespace

AlmanacReport ComposeAlmanacReport(const Date& date, const AlmanacPanelTexts& texts)
{
    const AlmanacValues v = ComputeAlmanac(date);
    AlmanacReport report;
    std::vector<std::string>& lines = report.lines;
    lines.push_back(DateHeading(texts) + texts.weekday + "は");
    lines.push_back("世界時１２時をもって、ユリウス日【" + IntegerText(v.julianDay) + "】日となる。");
    lines.emplace_back();
    lines.push_back("年干支は【" + v.yearStem + v.yearBranch + "】" + "年九星は【" + v.yearStar + "】");
    lines.push_back("月干支は【" + v.monthStem + v.monthBranch + "】");
    lines.push_back("日干支は【" + v.dayStem + v.dayBranch + "】");
    lines.emplace_back();
    lines.push_back("-----------------------＜注意！＞-----------------------");
    if (!v.adopted) {
        lines.push_back("※わが国において、この日付の時点では現行暦法であるグレゴ");
        lines.push_back("　リオ暦を採用していません。");
        lines.push_back("　それまでの旧暦とは日付が一致しませんのでご注意下さい。");
    }
    lines.push_back("※年干支九星は一年の始まりを１月１日として算出しています。");
    lines.push_back("　通常、占術などでは立春（２月４日ごろ）を一年の始まりと");
    lines.push_back("　しますからご注意下さい。");
    lines.push_back("　立春より前の場合、年干支は【" + v.prevYearStem + v.prevYearBranch + "】となります。");
    lines.push_back("　同様に、年九星は【" + v.prevYearStar + "】となります。");
    lines.push_back("※また月干支も毎月１日を月の始まりとして算出しています。");
    lines.push_back("　" + IntegerText(date.month) + "月の節入りは、" + v.solarTerm + "です。");
    lines.push_back("　節入り前の場合は前月の月干支【" + v.prevMonthStem + v.prevMonthBranch + "】を使用して下さい。");
    lines.push_back("※節入りの正確な日時は、別に暦などでお調べ下さい。");
    report.caption = DateHeading(texts) + "のこよみ";
    return report;
}

}  // namespace vadelon
