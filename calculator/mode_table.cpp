#include "calculator/mode_table.h"

#include "fonts/standard_colours.h"

namespace vadelon {

namespace {

// Read top to bottom, the labels of a mode form one sentence.
const ModeRow kModes[] = {
    {
        .buttonName = "SpeedButton1",
        .caption = "日数計算",
        .colour = kNavy,
        .hint = "入力した２つの日付から、両者間の経過日数を計算します。",
        .menuName = "N3",
        .menuCaption = "日数計算(&N)",
        .run = [](const RunFields& in) -> RunOutcome { return RunDayCount(in.upper, in.lower); },
        .result = ResultField::NumberField,
        .monthAndDay = true,
        .today = "きょう",
        .upperTitle = "この日付から",
        .numberTitle = {"経過日数は", "経過日数は"},
        .numberUnit = {"日", "日"},
        .note = "期間日数は１を加算",
        .lowerTitle = "この日付までの",
    },
    {
        .buttonName = "SpeedButton2",
        .caption = "日付計算",
        .colour = kNavy,
        .hint = "入力した日付の、入力した日数後あるいは日数前の日付を計算します。",
        .menuName = "D1",
        .menuCaption = "日付計算(&D)",
        .run = [](const RunFields& in) -> RunOutcome { return RunDateShift(in.upper, in.number, in.shiftForward); },
        .result = ResultField::LowerPanel,
        .monthAndDay = true,
        .today = "きょう",
        .upperTitle = "この日付から",
        .numberTitle = {"加算日数", "減算日数"},
        .numberUnit = {"日後は", "日前は"},
        .note = "日後／前の切替→",
        .toggle = true,
        .lowerTitle = "計算結果日付",
    },
    {
        .buttonName = "SpeedButton3",
        .caption = "年齢計算",
        .colour = kMaroon,
        .hint = "生年と現在年を入力し、誕生日後での満年齢を計算します。",
        .menuName = "A1",
        .menuCaption = "年齢計算(&A)",
        .run = [](const RunFields& in) -> RunOutcome { return RunAgeCalc(in.upper.year, in.lower.year); },
        .result = ResultField::NumberField,
        .monthAndDay = false,
        .today = "ことし",
        .upperTitle = "この年うまれの人の",
        .numberTitle = {"満年齢は", "満年齢は"},
        .numberUnit = {"歳", "歳"},
        .note = "数え年は１を加算",
        .lowerTitle = "この年誕生日後の",
    },
    {
        .buttonName = "SpeedButton4",
        .caption = "生年計算",
        .colour = kMaroon,
        .hint = "現在年と満年齢を入力し、生年を計算します。",
        .menuName = "B1",
        .menuCaption = "生年計算(&B)",
        .run = [](const RunFields& in) -> RunOutcome { return RunBirthYearCalc(in.upper.year, in.number); },
        .result = ResultField::LowerPanel,
        .monthAndDay = false,
        .today = "ことし",
        .upperTitle = "この年誕生日が来て",
        .numberTitle = {"満", "満"},
        .numberUnit = {"歳", "歳"},
        .note = "になる人の",
        .lowerTitle = "うまれた年は",
    },
    {
        .buttonName = "SpeedButton5",
        .caption = "こよみ",
        .colour = kGreen,
        .hint = "入力した日付の、ユリウス日や年月日それぞれの干支、年九星を計算します。",
        .menuName = "W1",
        .menuCaption = "こよみ(&W)",
        .run = [](const RunFields& in) -> RunOutcome { return RunAlmanac(in.upper); },
        .result = ResultField::AlmanacText,
        .monthAndDay = true,
        .today = "きょう",
        .upperTitle = "こよみ計算日付",
    },
};

}  // namespace

std::span<const ModeRow> ModeTable()
{
    return kModes;
}

const ModeRow& RowOf(CalcMode mode)
{
    return kModes[static_cast<int>(mode)];
}

}  // namespace vadelon
