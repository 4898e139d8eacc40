// The era fields and the almanac report from the command line.
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/printable_argument.h"
#include "tools/shift_jis.h"

#include "calendar/days/almanac.h"
#include "calendar/days/era.h"
#include "calendar/days/integer_reading.h"
#include "calendar/rules/calculation_rules.h"

#include <optional>

namespace vadelon::tools {

namespace {

// The era drop-down selects only a name it lists; "　　" and "" leave it empty.
std::string PanelEraName(const EraText& text)
{
    return EraRowForName(text.name) ? text.name : std::string();
}

// The era text of a panel, or nothing when the question stays unanswered
// (the message is then written).
std::optional<EraText> PanelEra(const DateTexts& date, const std::optional<EraChoice>& choice, std::ostream& err)
{
    bool unanswered = false;
    const EraText text = PanelEraTexts(date, [&](const EraQuestion& q) {
        if (choice)
            return *choice;
        unanswered = true;
        err << q.startYear << "年は" << q.earlierName << "から" << q.laterName << "に改元された年です（" << q.laterName
            << "は" << q.startYear << "年" << q.startMonth << "月" << q.startDay << "日から）。\n"
            << "月日を指定するか、--choose earlier（" << q.earlierName << "）または --choose later（" << q.laterName
            << "）を指定して下さい。\n";
        return EraChoice::None;
    });
    if (unanswered)
        return std::nullopt;
    return text;
}

}  // namespace

int EraCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.empty() || a.values.size() > 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const std::optional<EraText> text = PanelEra(PanelDate(a.values), a.choice, err);
    if (!text)
        return kEraUnanswered;
    out << PanelEraName(*text) << "\t" << text->year << "\n";
    return kSuccess;
}

int WesternCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 2)
        return kUsage;
    const std::optional<std::int32_t> row = EraRowForName(a.values[0]);
    if (!row)
        return Refuse(err, "年号「" + PrintableArgument(a.values[0]) + "」はありません。");
    if (const auto unread = UnreadNumber(a, 1))
        return Refuse(err, *unread);
    // A year beyond the 32-bit range.
    const std::optional<std::string> year = WesternYearText(row, a.values[1]);
    if (!year || year->empty())
        return Refuse(err, NumberInputMessage());
    out << *year << "\n";
    return kSuccess;
}

int AlmanacCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const DateTexts date = PanelDate(a.values);
    const AlmanacRun run = RunAlmanac(date);
    if (!run.accepted)
        return Refuse(err, run.message);
    const std::optional<EraText> era = PanelEra(date, a.choice, err);
    if (!era)
        return kEraUnanswered;
    AlmanacPanelTexts texts;
    texts.westernYear = IntegerText(run.date.year);
    texts.eraName = PanelEraName(*era);
    texts.eraYear = era->year;
    texts.month = IntegerText(run.date.month);
    texts.day = IntegerText(run.date.day);
    texts.weekday = PanelWeekdayLabel(date);
    const AlmanacReport report = ComposeAlmanacReport(run.date, texts);

    const bool sjis = a.Has("--sjis");
    const std::vector<std::string> lines = a.Has("--caption") ? std::vector<std::string>{report.caption} : report.lines;
    const char* const lineEnd = sjis ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    if (sjis) {
        const std::optional<std::string> bytes = EncodeShiftJis(text);
        if (!bytes)
            return Refuse(err, "Shift-JIS に変換できない文字があります。");
        text = *bytes;
    }
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
