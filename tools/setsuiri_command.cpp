#include "setsuiri_command.h"

#include "calc_commands.h"
#include "year_range_arguments.h"

#include "calendar/solar_terms.h"

namespace vadelon::tools {

int Setsuiri(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto read = ReadYearRange(
        args, kSetsuiriUsage,
        {kFirstSolarTermYear, kLastSolarTermYear, "『節入り』西暦１５８３年から９９９９年までの年に対応しています。"},
        err);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const YearRange& range = std::get<YearRange>(read);

    std::string text;
    for (std::int32_t year = range.first; year <= range.last; ++year) {
        const auto terms = SolarTermsOfYear(year);
        for (std::size_t i = 0; i < terms.size(); ++i) {
            text.append(SolarTermShortNames[i]).append("\t");
            text.append(JstText(terms[i].julianDateUT, range.seconds)).append("\n");
        }
    }
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
