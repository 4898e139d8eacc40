#include "calc_commands.h"

#include "holiday_commands.h"
#include "koyomi_command.h"
#include "kyureki_command.h"
#include "printable_argument.h"
#include "setsuiri_command.h"
#include "shift_jis.h"

#include "calendar/almanac.h"
#include "calendar/calculation_rules.h"
#include "calendar/era.h"
#include "calendar/integer_reading.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

namespace vadelon::tools {

namespace {

const std::map<std::string, std::string, std::less<>> kUsageLines = {
    {"days", "vadelon-calc days Y1 M1 D1 Y2 M2 D2"},
    {"shift", "vadelon-calc shift [--before] Y M D COUNT"},
    {"age", "vadelon-calc age BIRTHYEAR CURRENTYEAR"},
    {"birth", "vadelon-calc birth CURRENTYEAR AGE"},
    {"weekday", "vadelon-calc weekday Y M D"},
    {"era", "vadelon-calc era [--choose earlier|later] Y [M [D]]"},
    {"western", "vadelon-calc western ERANAME ERAYEAR"},
    {"almanac", "vadelon-calc almanac [--choose earlier|later] [--caption] [--sjis] Y M D"},
    {"setsuiri", kSetsuiriUsage},
    {"holidays", kHolidaysUsage},
    {"bizdays", "vadelon-calc bizdays [--yearend] (Y1 M1 D1 Y2 M2 D2 | --after N Y M D)"},
    {"koyomi", kKoyomiUsage},
    {"kyureki", kKyurekiUsage},
};
const char* const kCommandOrder[] = {"days",    "shift",    "age",      "birth",   "weekday", "era",    "western",
                                     "almanac", "setsuiri", "holidays", "bizdays", "koyomi",  "kyureki"};

// The command line after the sub-command: flags (with the value of
// --choose) and the positional arguments in their order.
struct Arguments {
    bool before = false, caption = false, sjis = false, yearEnd = false, after = false;
    std::optional<EraChoice> choice;
    std::vector<std::string> values;
    bool bad = false;
    std::string badReason;
};

Arguments Parse(const std::vector<std::string>& args, std::string_view command)
{
    Arguments a;
    const bool takesChoice = command == "era" || command == "almanac";
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // "--" alone ends the options; a single "-" starts a negative number.
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            a.values.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--before" && command == "shift") {
            a.before = true;
        } else if (arg == "--caption" && command == "almanac") {
            a.caption = true;
        } else if (arg == "--sjis" && command == "almanac") {
            a.sjis = true;
        } else if (arg == "--yearend" && command == "bizdays") {
            a.yearEnd = true;
        } else if (arg == "--after" && command == "bizdays") {
            a.after = true;
        } else if (takesChoice && (arg == "--choose" || arg.rfind("--choose=", 0) == 0)) {
            std::string value;
            if (arg == "--choose") {
                if (i + 1 >= args.size()) {
                    a.bad = true;
                    a.badReason = "--choose の後に earlier か later を指定して下さい。";
                    return a;
                }
                value = args[++i];
            } else {
                value = arg.substr(std::string_view("--choose=").size());
            }
            if (value == "earlier") {
                a.choice = EraChoice::Earlier;
            } else if (value == "later") {
                a.choice = EraChoice::Later;
            } else {
                a.bad = true;
                a.badReason = "--choose には earlier か later を指定して下さい。";
                return a;
            }
        } else {
            a.bad = true;
            a.badReason = "不明なオプションです: " + PrintableArgument(arg);
            return a;
        }
    }
    return a;
}

int Usage(std::ostream& err, std::string_view command, const std::string& reason = {})
{
    if (!reason.empty())
        err << reason << "\n";
    const auto found = kUsageLines.find(command);
    if (found != kUsageLines.end()) {
        err << "使い方: " << found->second << "\n";
    } else {
        err << "使い方:\n";
        for (const char* name : kCommandOrder)
            err << "  " << kUsageLines.find(name)->second << "\n";
    }
    return kUsage;
}

// True when every text reads as an integer.
bool AllRead(const std::vector<std::string>& texts)
{
    return std::all_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return ReadInteger(text).has_value(); });
}

// The date of a panel from the positional arguments; a missing month or day
// is an empty field.
DateTexts PanelDate(const std::vector<std::string>& values)
{
    DateTexts date{values.at(0), {}, {}};
    if (values.size() > 1)
        date.month = values[1];
    if (values.size() > 2)
        date.day = values[2];
    return date;
}

int Refuse(std::ostream& err, const std::string& message)
{
    err << message << "\n";
    return kRefused;
}

// A run's result: its message on err, its texts on one line of out; an input
// is refused when the run has a message.
int Report(const RunResult& result, std::ostream& out, std::ostream& err)
{
    if (!result.message.empty())
        err << result.message << "\n";
    for (std::size_t i = 0; i < result.texts.size(); ++i) {
        out << (i > 0 ? " " : "") << result.texts[i] << (i + 1 == result.texts.size() ? "\n" : "");
    }
    return result.message.empty() ? kSuccess : kRefused;
}

int Days(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 6)
        return Usage(err, "days");
    const std::vector<std::string>& v = a.values;
    return Report(RunDayCount({v[0], v[1], v[2]}, {v[3], v[4], v[5]}), out, err);
}

// The count between two dates, or with --after the date N business days on.
int BusinessDays(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    if (a.after) {
        if (v.size() != 4)
            return Usage(err, "bizdays");
        return Report(RunBusinessDayShift({v[1], v[2], v[3]}, v[0], a.yearEnd), out, err);
    }
    if (v.size() != 6)
        return Usage(err, "bizdays");
    return Report(RunBusinessDayCount({v[0], v[1], v[2]}, {v[3], v[4], v[5]}, a.yearEnd), out, err);
}

int Shift(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 4)
        return Usage(err, "shift");
    const std::vector<std::string>& v = a.values;
    return Report(RunDateShift({v[0], v[1], v[2]}, v[3], !a.before), out, err);
}

// age and birth: the difference of the two years.
int Difference(const Arguments& a, std::string_view command, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 2)
        return Usage(err, command);
    const std::vector<std::string>& v = a.values;
    return Report(command == "age" ? RunAgeCalc(v[0], v[1]) : RunBirthYearCalc(v[0], v[1]), out, err);
}

int Weekday(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return Usage(err, "weekday");
    if (!AllRead(a.values))
        return Refuse(err, DateInputMessage());
    out << PanelWeekdayLabel(PanelDate(a.values)) << "\n";
    return kSuccess;
}

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

int Era(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.empty() || a.values.size() > 3)
        return Usage(err, "era");
    if (!AllRead(a.values))
        return Refuse(err, DateInputMessage());
    const std::optional<EraText> text = PanelEra(PanelDate(a.values), a.choice, err);
    if (!text)
        return kEraUnanswered;
    out << PanelEraName(*text) << "\t" << text->year << "\n";
    return kSuccess;
}

int Western(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 2)
        return Usage(err, "western");
    const std::optional<std::int32_t> row = EraRowForName(a.values[0]);
    if (!row)
        return Refuse(err, "年号「" + PrintableArgument(a.values[0]) + "」はありません。");
    // An era year that does not read, or a year beyond the 32-bit range.
    const std::optional<std::string> year = WesternYearText(row, a.values[1]);
    if (!year || year->empty())
        return Refuse(err, NumberInputMessage());
    out << *year << "\n";
    return kSuccess;
}

int Almanac(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return Usage(err, "almanac");
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

    const std::vector<std::string> lines = a.caption ? std::vector<std::string>{report.caption} : report.lines;
    const char* const lineEnd = a.sjis ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    if (a.sjis) {
        const std::optional<std::string> bytes = EncodeShiftJis(text);
        if (!bytes)
            return Refuse(err, "Shift-JIS に変換できない文字があります。");
        text = *bytes;
    }
    out << text;
    return kSuccess;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return Usage(err, "");
    const std::string& command = args[0];
    if (kUsageLines.find(command) == kUsageLines.end()) {
        return Usage(err, "", "不明なコマンドです: " + PrintableArgument(command));
    }
    if (command == "setsuiri")
        return Setsuiri(args, out, err);
    if (command == "kyureki")
        return Kyureki(args, out, err);
    const Arguments a = Parse(args, command);
    if (a.bad)
        return Usage(err, command, a.badReason);
    if (command == "days")
        return Days(a, out, err);
    if (command == "shift")
        return Shift(a, out, err);
    if (command == "age" || command == "birth")
        return Difference(a, command, out, err);
    if (command == "weekday")
        return Weekday(a, out, err);
    if (command == "era")
        return Era(a, out, err);
    if (command == "western")
        return Western(a, out, err);
    if (command == "holidays") {
        if (a.values.empty() || a.values.size() > 2)
            return Usage(err, command);
        return ListHolidays(a.values, out, err);
    }
    if (command == "bizdays")
        return BusinessDays(a, out, err);
    if (command == "koyomi")
        return a.values.size() == 3 ? Koyomi(a.values, out, err) : Usage(err, command);
    return Almanac(a, out, err);
}

}  // namespace vadelon::tools
