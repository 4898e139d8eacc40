#include "tools/command_line.h"

#include "tools/printable_argument.h"

#include "calendar/days/integer_reading.h"

#include <algorithm>

namespace vadelon::tools {

namespace {

constexpr std::string_view kChoose = "--choose";

// An option a usage text names, with the name of its value ("--after", "N"),
// empty for an option that takes none.
struct UsageOption {
    std::string_view option, valueName;
};

// The words of a usage text, parted by blanks, the brackets kept on them.
std::vector<std::string_view> Words(std::string_view usage)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < usage.size();) {
        const std::size_t end = std::min(usage.find(' ', at), usage.size());
        if (end > at)
            words.push_back(usage.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// A word without its brackets: "[M" is M, "[D]]" is D.
std::string_view Bare(std::string_view word)
{
    while (!word.empty() && (word.front() == '[' || word.front() == '('))
        word.remove_prefix(1);
    while (!word.empty() && (word.back() == ']' || word.back() == ')'))
        word.remove_suffix(1);
    return word;
}

// An option word not closed by its bracket takes the next word as the name of
// its value: "[--choose earlier|later]", "--after N"; "[--before]" takes none.
bool TakesValue(const std::vector<std::string_view>& words, std::size_t i)
{
    return !words[i].ends_with(']') && !words[i].ends_with(')') && i + 1 < words.size() && words[i + 1] != "|";
}

std::vector<UsageOption> UsageOptions(std::string_view usage)
{
    const std::vector<std::string_view> words = Words(usage);
    std::vector<UsageOption> options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!Bare(words[i]).starts_with("--"))
            continue;
        const bool takesValue = TakesValue(words, i);
        options.push_back({Bare(words[i]), takesValue ? Bare(words[i + 1]) : std::string_view()});
        i += takesValue ? 1 : 0;
    }
    return options;
}

// The names of the positional values in a usage. Of alternatives in
// parentheses ("(Y1 M1 D1 Y2 M2 D2 | --after N Y M D)") the one whose option
// was given counts, or else the one that names no option.
std::vector<std::string> ValueNames(std::string_view usage, const Arguments& a)
{
    const std::vector<std::string_view> words = Words(usage);
    // Which alternative each word belongs to: 0 outside parentheses, then 1, 2...
    std::vector<int> alternativeOf(words.size(), 0);
    int alternative = 0, count = 0, chosen = 0;
    std::vector<bool> namesOption(1, false), optionGiven(1, false);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].starts_with('(') || words[i] == "|") {
            alternative = ++count;
            namesOption.push_back(false);
            optionGiven.push_back(false);
        }
        alternativeOf[i] = alternative;
        if (Bare(words[i]).starts_with("--")) {
            namesOption[static_cast<std::size_t>(alternative)] = true;
            if (a.Has(Bare(words[i])))
                optionGiven[static_cast<std::size_t>(alternative)] = true;
        }
        if (words[i].ends_with(')'))
            alternative = 0;
    }
    for (int k = 1; k <= count && chosen == 0; ++k)
        chosen = optionGiven[static_cast<std::size_t>(k)] ? k : 0;
    for (int k = 1; k <= count && chosen == 0; ++k)
        chosen = namesOption[static_cast<std::size_t>(k)] ? 0 : k;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (alternativeOf[i] != 0 && alternativeOf[i] != chosen)
            continue;
        const std::string_view word = Bare(words[i]);
        if (word.starts_with("--"))
            i += TakesValue(words, i) ? 1 : 0;
        else if (word != "|" && !word.empty())
            names.emplace_back(word);
    }
    return names;
}

// "earlier|later" as a message names it: "earlier か later".
std::string Choices(std::string_view valueName)
{
    std::string text;
    for (const char c : valueName)
        text += c == '|' ? std::string(" か ") : std::string(1, c);
    return text;
}

// Leading blanks, a sign and decimal digits: a number, if too large for a field.
bool IsDecimal(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    if (text.starts_with('+') || text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Y, M, D and their numbered forms (Y1, D2) name a date's fields.
bool IsDatePart(std::string_view name)
{
    return (name.size() == 1 || (name.size() == 2 && (name[1] == '1' || name[1] == '2'))) &&
           (name[0] == 'Y' || name[0] == 'M' || name[0] == 'D');
}

std::optional<std::string> Unread(const std::string& name, std::string_view text, std::string_view message)
{
    if (ReadInteger(text))
        return std::nullopt;
    return name + "「" + PrintableArgument(text) + "」" +
           (IsDecimal(text) ? "は範囲（-2147483648〜2147483647）を超えています。" : "は数として読めません。") +
           std::string(message);
}

}  // namespace

bool Arguments::Has(std::string_view option) const
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

const std::string* Arguments::Value(std::string_view option) const
{
    const auto found = std::find_if(optionValues.begin(), optionValues.end(),
                                    [&](const OptionValue& v) { return v.option == option; });
    return found == optionValues.end() ? nullptr : &found->text;
}

std::variant<Arguments, std::string> ParseArguments(std::span<const std::string> args, std::string_view usage)
{
    Arguments a;
    const std::vector<UsageOption> known = UsageOptions(usage);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            a.values.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const auto option =
            std::find_if(known.begin(), known.end(), [&](const UsageOption& o) { return o.option == name; });
        if (option == known.end() || (equals != std::string::npos && option->valueName.empty()))
            return "不明なオプションです: " + PrintableArgument(arg);
        if (!a.Has(name))
            a.options.emplace_back(name);
        if (option->valueName.empty())
            continue;
        std::string value;
        if (equals != std::string::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return std::string(name) + " の後に " + Choices(option->valueName) + " を指定して下さい。";
        if (name == kChoose) {
            if (value == "earlier") {
                a.choice = EraChoice::Earlier;
            } else if (value == "later") {
                a.choice = EraChoice::Later;
            } else {
                return "--choose には earlier か later を指定して下さい。";
            }
        } else {
            std::erase_if(a.optionValues, [&](const OptionValue& v) { return v.option == name; });
            a.optionValues.push_back({std::string(name), std::string(option->valueName), value});
        }
    }
    a.names = ValueNames(usage, a);
    return a;
}

bool AsksForHelp(std::span<const std::string> args)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

std::optional<std::string> UnreadNumber(const Arguments& a, std::size_t firstValue)
{
    for (const OptionValue& v : a.optionValues) {
        if (auto unread = Unread(v.option + " の値 " + v.name, v.text, NumberInputMessage()))
            return unread;
    }
    for (std::size_t i = firstValue; i < a.values.size(); ++i) {
        const std::string name = i < a.names.size() ? a.names[i] : std::string();
        if (auto unread = Unread(name.empty() ? std::to_string(i + 1) + "番目の引数" : "引数 " + name, a.values[i],
                                 IsDatePart(name) ? DateInputMessage() : NumberInputMessage()))
            return unread;
    }
    return std::nullopt;
}

Date ValuesDate(const Arguments& a, std::size_t first)
{
    const std::vector<std::string>& v = a.values;
    return Date{*ReadInteger(v[first]), *ReadInteger(v[first + 1]), *ReadInteger(v[first + 2])};
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
