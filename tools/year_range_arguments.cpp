#include "year_range_arguments.h"

#include "calc_commands.h"
#include "printable_argument.h"

#include "calendar/calculation_rules.h"
#include "calendar/integer_reading.h"
#include "calendar/solar_terms.h"

#include <cstdio>
#include <optional>

namespace vadelon::tools {

namespace {

int Usage(std::ostream& err, std::string_view usage, const std::string& reason = {})
{
    if (!reason.empty())
        err << reason << "\n";
    err << "使い方: " << usage << "\n";
    return kUsage;
}

int Refuse(std::ostream& err, std::string_view message)
{
    err << message << "\n";
    return kRefused;
}

}  // namespace

std::variant<YearRange, int> ReadYearRange(const std::vector<std::string>& args, std::string_view usage,
                                           const YearLimits& limits, std::ostream& err)
{
    YearRange range;
    bool optionsEnded = false;
    std::vector<std::string> values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // As for the other commands: "--" ends the options, "-5" is a number.
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            values.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--seconds") {
            range.seconds = true;
        } else {
            return Usage(err, usage, "不明なオプションです: " + PrintableArgument(arg));
        }
    }
    if (values.empty() || values.size() > 2)
        return Usage(err, usage);

    const std::optional<std::int32_t> first = ReadInteger(values[0]);
    const std::optional<std::int32_t> last = values.size() == 2 ? ReadInteger(values[1]) : first;
    if (!first || !last)
        return Refuse(err, NumberInputMessage());
    for (const std::int32_t year : {*first, *last}) {
        if (year < limits.first || year > limits.last)
            return Refuse(err, limits.message);
    }
    if (*last < *first)
        return Refuse(err, YearOrderMessage());
    range.first = *first;
    range.last = *last;
    return range;
}

std::string JstText(double julianDateUT, bool seconds)
{
    const JstDateTime t = JstFromJulianDate(julianDateUT, seconds ? 1 : 60);
    char text[32];
    int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", static_cast<int>(t.year),
                          static_cast<int>(t.month), static_cast<int>(t.day), static_cast<int>(t.hour),
                          static_cast<int>(t.minute));
    if (seconds)
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), ":%02d", static_cast<int>(t.second));
    return std::string(text, static_cast<std::size_t>(n));
}

}  // namespace vadelon::tools
