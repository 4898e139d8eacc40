#include "calc_commands.h"

#include "printable_argument.h"
#include "setsuiri_command.h"
#include "shift_jis.h"

#include "calendar/almanac.h"
#include "calendar/day_arithmetic.h"
#include "calendar/era.h"
#include "calendar/integer_reading.h"

#include <climits>
#include <map>
#include <optional>
#include <string_view>

namespace vadelon::tools {

namespace {

const std::string kDateMessage = "日付を正しく入力して下さい。";
const std::string kValueMessage = "正しく入力して下さい。";
const std::string kOverflow = "Overflow";
constexpr std::int64_t kLargestShownCount = 9'999'999;

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
};
const char* const kCommandOrder[] = {"days",    "shift", "age",     "birth",
                                     "weekday", "era",   "western", "almanac", "setsuiri"};

// The command line after the sub-command: flags (with the value of
// --choose) and the positional arguments in their order.
struct Arguments {
    bool before = false, caption = false, sjis = false;
    std::optional<EraChoice> choice;
    std::vector<std::string> values;
    bool bad = false;
    std::string badReason;
};

Arguments Parse(const std::vector<std::string>& args, std::string_view command) {
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

int Usage(std::ostream& err, std::string_view command, const std::string& reason = {}) {
    if (!reason.empty()) err << reason << "\n";
    const auto found = kUsageLines.find(command);
    if (found != kUsageLines.end()) {
        err << "使い方: " << found->second << "\n";
    } else {
        err << "使い方:\n";
        for (const char* name : kCommandOrder) err << "  " << kUsageLines.find(name)->second << "\n";
    }
    return kUsage;
}

// Reads every text with the integer reading; false at the first that fails.
bool ReadAll(const std::vector<std::string>& texts, std::size_t from, std::size_t count,
             std::vector<std::int32_t>& values) {
    values.clear();
    for (std::size_t i = from; i < from + count; ++i) {
        const std::optional<std::int32_t> v = ReadInteger(texts[i]);
        if (!v) return false;
        values.push_back(*v);
    }
    return true;
}

int Refuse(std::ostream& err, const std::string& message) {
    err << message << "\n";
    return kRefused;
}

int Days(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.size() != 6) return Usage(err, "days");
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, 6, v)) return Refuse(err, kDateMessage);
    const DayCount n = DaysBetween(v[0], v[1], v[2], v[3], v[4], v[5]);
    if (!n.inOrder) {
        err << OrderMessage() << "\n";
        out << "0\n";
        return kRefused;
    }
    if (n.days > kLargestShownCount) {
        out << kOverflow << "\n";
        return kSuccess;
    }
    // As the window refuses it: a count below the 32-bit range.
    if (n.days < INT32_MIN) return Refuse(err, kDateMessage);
    out << IntegerText(n.days) << "\n";
    return kSuccess;
}

int Shift(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.size() != 4) return Usage(err, "shift");
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, 4, v)) return Refuse(err, kDateMessage);
    std::int32_t year = v[0], month = v[1], day = v[2];
    ShiftStatus status;
    if (a.before && v[3] == INT32_MIN) {
        // 2^31 days forward does not fit one count: two steps on a copy.
        status = ShiftDate(year, month, day, INT32_MAX);
        if (status == ShiftStatus::Ok) status = ShiftDate(year, month, day, 1);
    } else {
        status = ShiftDate(year, month, day, a.before ? -v[3] : v[3]);
    }
    if (status != ShiftStatus::Ok) {
        // A month outside 1 to 12 or a year beyond the 32-bit range: refused
        // as the desktop program refuses them, with its date message.
        return Refuse(err, kDateMessage);
    }
    out << year << " " << month << " " << day << "\n";
    return kSuccess;
}

// age and birth: a difference of two readings, refused (never wrapped) when it
// leaves the range a field can hold.
int Difference(const Arguments& a, std::string_view command, std::ostream& out,
               std::ostream& err) {
    if (a.values.size() != 2) return Usage(err, command);
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, 2, v)) return Refuse(err, kValueMessage);
    const std::int64_t result =
        command == "age" ? std::int64_t{v[1]} - v[0] : std::int64_t{v[0]} - v[1];
    if (result < INT32_MIN || result > INT32_MAX) return Refuse(err, kValueMessage);
    out << result << "\n";
    return kSuccess;
}

// What a panel's weekday label shows: blank while the month or day is 0.
std::string PanelWeekday(std::int32_t y, std::int32_t m, std::int32_t d) {
    if (m == 0 || d == 0) return BlankWeekdayLabel();
    return WeekdayLabel(y, m, d);
}

int Weekday(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.size() != 3) return Usage(err, "weekday");
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, 3, v)) return Refuse(err, kDateMessage);
    out << PanelWeekday(v[0], v[1], v[2]) << "\n";
    return kSuccess;
}

// The era drop-down selects only a name it lists; "　　" and "" leave it empty.
std::string PanelEraName(const EraText& text) {
    return EraRowForName(text.name) ? text.name : std::string();
}

// The era text of a panel, or nothing when the question stays unanswered
// (the message is then written).
std::optional<EraText> PanelEra(std::int32_t y, std::int32_t m, std::int32_t d,
                                const std::optional<EraChoice>& choice, std::ostream& err) {
    const EraLookup lookup = LookUpEra(y, m, d);
    if (lookup.settled) return *lookup.settled;
    const EraQuestion& q = *lookup.question;
    if (choice) return *choice == EraChoice::Earlier ? q.earlier : q.later;
    err << q.startYear << "年は" << q.earlierName << "から" << q.laterName
        << "に改元された年です（" << q.laterName << "は" << q.startYear << "年" << q.startMonth
        << "月" << q.startDay << "日から）。\n"
        << "月日を指定するか、--choose earlier（" << q.earlierName << "）または --choose later（"
        << q.laterName << "）を指定して下さい。\n";
    return std::nullopt;
}

int Era(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.empty() || a.values.size() > 3) return Usage(err, "era");
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, a.values.size(), v)) return Refuse(err, kDateMessage);
    v.resize(3, 0);  // a missing month or day counts as 0
    const std::optional<EraText> text = PanelEra(v[0], v[1], v[2], a.choice, err);
    if (!text) return kEraUnanswered;
    out << PanelEraName(*text) << "\t" << text->year << "\n";
    return kSuccess;
}

int Western(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.size() != 2) return Usage(err, "western");
    const std::optional<std::int32_t> row = EraRowForName(a.values[0]);
    if (!row) return Refuse(err, "年号「" + PrintableArgument(a.values[0]) + "」はありません。");
    const std::optional<std::int32_t> eraYear = ReadInteger(a.values[1]);
    if (!eraYear) return Refuse(err, kValueMessage);
    const std::optional<std::int32_t> year = WesternYearFromEra(*row, *eraYear);
    if (!year) return Refuse(err, kValueMessage);
    out << *year << "\n";
    return kSuccess;
}

int Almanac(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.values.size() != 3) return Usage(err, "almanac");
    std::vector<std::int32_t> v;
    if (!ReadAll(a.values, 0, 3, v)) return Refuse(err, kDateMessage);
    const std::int32_t y = v[0], m = v[1], d = v[2];
    if (!AlmanacAcceptsDate(y, m, d)) return Refuse(err, AlmanacDateMessage());
    const std::optional<EraText> era = PanelEra(y, m, d, a.choice, err);
    if (!era) return kEraUnanswered;
    AlmanacPanelTexts texts;
    texts.westernYear = IntegerText(y);
    texts.eraName = PanelEraName(*era);
    texts.eraYear = era->year;
    texts.month = IntegerText(m);
    texts.day = IntegerText(d);
    texts.weekday = PanelWeekday(y, m, d);
    const AlmanacReport report = ComposeAlmanacReport(y, m, d, texts);

    const std::vector<std::string> lines =
        a.caption ? std::vector<std::string>{report.caption} : report.lines;
    const char* const lineEnd = a.sjis ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    if (a.sjis) {
        const std::optional<std::string> bytes = EncodeShiftJis(text);
        if (!bytes) return Refuse(err, "Shift-JIS に変換できない文字があります。");
        text = *bytes;
    }
    out << text;
    return kSuccess;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err, "");
    const std::string& command = args[0];
    if (kUsageLines.find(command) == kUsageLines.end()) {
        return Usage(err, "", "不明なコマンドです: " + PrintableArgument(command));
    }
    if (command == "setsuiri") return Setsuiri(args, out, err);
    const Arguments a = Parse(args, command);
    if (a.bad) return Usage(err, command, a.badReason);
    if (command == "days") return Days(a, out, err);
    if (command == "shift") return Shift(a, out, err);
    if (command == "age" || command == "birth") return Difference(a, command, out, err);
    if (command == "weekday") return Weekday(a, out, err);
    if (command == "era") return Era(a, out, err);
    if (command == "western") return Western(a, out, err);
    return Almanac(a, out, err);
}

}  // namespace vadelon::tools
