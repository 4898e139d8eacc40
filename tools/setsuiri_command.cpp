#include "setsuiri_command.h"

#include "calc_commands.h"
#include "printable_argument.h"

#include "calendar/calculation_rules.h"
#include "calendar/integer_reading.h"
#include "calendar/solar_terms.h"

#include <cstdio>
#include <optional>

namespace vadelon::tools {

namespace {

const std::string kRangeMessage = "『節入り』西暦１５８３年から９９９９年までの年に対応しています。";
const std::string kOrderMessage = "年の前後関係を確認して下さい。";

int Usage(std::ostream& err, const std::string& reason = {})
{
    if (!reason.empty())
        err << reason << "\n";
    err << "使い方: " << kSetsuiriUsage << "\n";
    return kUsage;
}

}  // namespace

int Setsuiri(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool seconds = false, optionsEnded = false;
    std::vector<std::string> values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // As for the other commands: "--" ends the options, "-5" is a number.
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            values.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--seconds") {
            seconds = true;
        } else {
            return Usage(err, "不明なオプションです: " + PrintableArgument(arg));
        }
    }
    if (values.empty() || values.size() > 2)
        return Usage(err);

    const std::optional<std::int32_t> first = ReadInteger(values[0]);
    const std::optional<std::int32_t> last = values.size() == 2 ? ReadInteger(values[1]) : first;
    if (!first || !last) {
        err << NumberInputMessage() << "\n";
        return kRefused;
    }
    for (const std::int32_t year : {*first, *last}) {
        if (year < kFirstSolarTermYear || year > kLastSolarTermYear) {
            err << kRangeMessage << "\n";
            return kRefused;
        }
    }
    if (*last < *first) {
        err << kOrderMessage << "\n";
        return kRefused;
    }

    std::string text;
    for (std::int32_t year = *first; year <= *last; ++year) {
        const auto terms = SolarTermsOfYear(year);
        for (std::size_t i = 0; i < terms.size(); ++i) {
            const JstDateTime t = JstFromJulianDate(terms[i].julianDateUT, seconds ? 1 : 60);
            char line[64];
            const int n = std::snprintf(line, sizeof line, "\t%04d-%02d-%02d %02d:%02d", static_cast<int>(t.year),
                                        static_cast<int>(t.month), static_cast<int>(t.day), static_cast<int>(t.hour),
                                        static_cast<int>(t.minute));
            text.append(SolarTermShortNames[i]).append(line, static_cast<std::size_t>(n));
            if (seconds) {
                std::snprintf(line, sizeof line, ":%02d", static_cast<int>(t.second));
                text.append(line);
            }
            text += '\n';
        }
    }
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
