#include "kyureki_command.h"

#include "calc_commands.h"
#include "year_range_arguments.h"

#include "calendar/lunisolar.h"
#include "calendar/moon_phases.h"

namespace vadelon::tools {

int Kyureki(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto read = ReadYearRange(
        args, kKyurekiUsage,
        {kFirstLunisolarYear, kLastLunisolarYear, "『旧暦』西暦１８７３年から２１００年までの年に対応しています。"},
        err);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const YearRange& range = std::get<YearRange>(read);

    std::string text;
    for (const LunisolarMonth& m : LunisolarMonthsBeginningIn(range.first, range.last)) {
        text += std::to_string(m.year) + "年" + (m.leap ? "閏" : "") + std::to_string(m.month) + "月\t";
        text += JstText(m.newMoonUT, range.seconds) + "\n";
    }
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
