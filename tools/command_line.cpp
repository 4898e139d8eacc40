#include "tools/command_line.h"

#include "tools/printable_argument.h"

#include "calendar/integer_reading.h"

#include <algorithm>

namespace vadelon::tools {

namespace {

constexpr std::string_view kChoose = "--choose";

// True when the usage text names the option ("--yearend" in "[--yearend] Y").
bool UsageNames(std::string_view usage, std::string_view option)
{
    for (std::size_t at = usage.find("--"); at != std::string_view::npos; at = usage.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < usage.size() && ((usage[end] >= 'a' && usage[end] <= 'z') || usage[end] == '-'))
            ++end;
        if (usage.substr(at, end - at) == option)
            return true;
    }
    return false;
}

}  // namespace

bool Arguments::Has(std::string_view option) const
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

std::variant<Arguments, std::string> ParseArguments(std::span<const std::string> args, std::string_view usage)
{
    Arguments a;
    const bool takesChoice = UsageNames(usage, kChoose);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            a.values.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (takesChoice && (arg == kChoose || arg.starts_with("--choose="))) {
            std::string value;
            if (arg == kChoose) {
                if (i + 1 >= args.size())
                    return "--choose の後に earlier か later を指定して下さい。";
                value = args[++i];
            } else {
                value = arg.substr(kChoose.size() + 1);
            }
            if (value == "earlier") {
                a.choice = EraChoice::Earlier;
            } else if (value == "later") {
                a.choice = EraChoice::Later;
            } else {
                return "--choose には earlier か later を指定して下さい。";
            }
        } else if (UsageNames(usage, arg)) {
            a.options.push_back(arg);
        } else {
            return "不明なオプションです: " + PrintableArgument(arg);
        }
    }
    return a;
}

bool AllRead(const std::vector<std::string>& texts)
{
    return std::all_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return ReadInteger(text).has_value(); });
}

DateTexts PanelDate(const std::vector<std::string>& values)
{
    DateTexts date{values.at(0), {}, {}};
    if (values.size() > 1)
        date.month = values[1];
    if (values.size() > 2)
        date.day = values[2];
    return date;
}

int Refuse(std::ostream& err, std::string_view message)
{
    err << message << "\n";
    return kRefused;
}

int Report(const RunResult& result, std::ostream& out, std::ostream& err)
{
    if (!result.message.empty())
        err << result.message << "\n";
    for (std::size_t i = 0; i < result.texts.size(); ++i) {
        out << (i > 0 ? " " : "") << result.texts[i] << (i + 1 == result.texts.size() ? "\n" : "");
    }
    return result.message.empty() ? kSuccess : kRefused;
}

}  // namespace vadelon::tools
