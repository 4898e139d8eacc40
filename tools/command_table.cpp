#include "tools/command_table.h"

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/printable_argument.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

namespace vadelon::tools {

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments; the options it names are the ones the command takes
    CommandRun run;
};

// In the order the usage lists them.
constexpr Command kCommands[] = {
    {"days", "[--inclusive] Y1 M1 D1 Y2 M2 D2", DaysCommand},
    {"shift", "[--before] (Y M D COUNT | --months N Y M D | --years N Y M D)", ShiftCommand},
    {"period", "Y1 M1 D1 Y2 M2 D2", PeriodCommand},
    {"deadline", "[--first-day] [--next-business-day] Y M D N UNIT", DeadlineCommand},
    {"age", "BIRTHYEAR CURRENTYEAR", AgeCommand},
    {"birth", "CURRENTYEAR AGE", BirthCommand},
    {"nenrei", "BY BM BD [Y M D]", NenreiCommand},
    {"gakureki", "BY BM BD", GakurekiCommand},
    {"iwai", "BY BM BD", IwaiCommand},
    {"yakudoshi", "BY 男|女", YakudoshiCommand},
    {"weekday", "Y M D", WeekdayCommand},
    {"era", "[--choose earlier|later] Y [M [D]]", EraCommand},
    {"western", "ERANAME ERAYEAR", WesternCommand},
    {"almanac", "[--choose earlier|later] [--caption] [--sjis] Y M D", AlmanacCommand},
    {"setsuiri", "[--seconds] YEAR [LASTYEAR]", SetsuiriCommand},
    {"holidays", "YEAR [LASTYEAR]", HolidaysCommand},
    {"bizdays", "[--yearend] (Y1 M1 D1 Y2 M2 D2 | --after N Y M D)", BusinessDaysCommand},
    {"koyomi", "Y M D", KoyomiCommand},
    {"kyureki", "[--seconds] YEAR [LASTYEAR]", KyurekiCommand},
    {"wareki", "[--julian] Y M D", WarekiCommand},
    {"seireki", "[--julian] ERA YEAR MONTH DAY", SeirekiCommand},
};

std::ostream& UsageLine(std::ostream& stream, const Command& command)
{
    return stream << "vadelon-calc " << command.name << " " << command.usage << "\n";
}

// Every command's usage, on err after a usage error, on out when asked for.
std::ostream& EveryUsage(std::ostream& stream)
{
    stream << "使い方:\n";
    for (const Command& command : kCommands)
        UsageLine(stream << "  ", command);
    return stream << "  vadelon-calc COMMAND --help\n"
                  << "  vadelon-calc --version\n";
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        EveryUsage(err);
        return kUsage;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        EveryUsage(out);
        return kSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "vadelon-calc " << VADELON_VERSION << "\n";
        return kSuccess;
    }
    const auto command =
        std::find_if(std::begin(kCommands), std::end(kCommands), [&](const Command& c) { return c.name == args[0]; });
    if (command == std::end(kCommands)) {
        err << "不明なコマンドです: " << PrintableArgument(args[0]) << "\n";
        EveryUsage(err);
        return kUsage;
    }
    if (AsksForHelp(std::span(args).subspan(1))) {
        UsageLine(out << "使い方: ", *command);
        return kSuccess;
    }
    const auto parsed = ParseArguments(std::span(args).subspan(1), command->usage);
    int code = kUsage;
    if (const auto* reason = std::get_if<std::string>(&parsed))
        err << *reason << "\n";
    else
        code = command->run(std::get<Arguments>(parsed), out, err);
    if (code == kUsage)
        UsageLine(err << "使い方: ", *command);
    return code;
}

}  // namespace vadelon::tools
