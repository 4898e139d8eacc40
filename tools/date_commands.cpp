// The calculator's runs from the command line: the same rulebook as the
// window, from the same field texts.
#include "tools/command_line.h"
#include "tools/commands.h"

#include "calendar/rules/calculation_rules.h"

namespace vadelon::tools {

int DaysCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.Has("--inclusive"))
        return InclusiveDaysCommand(a, out, err);
    if (a.values.size() != 6)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const std::vector<std::string>& v = a.values;
    return Report(RunDayCount({v[0], v[1], v[2]}, {v[3], v[4], v[5]}), out, err);
}

int ShiftCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.Has("--months") && a.Has("--years"))
        return kUsage;
    if (a.Has("--months") || a.Has("--years"))
        return ShiftMonthsCommand(a, out, err);
    if (a.values.size() != 4)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const std::vector<std::string>& v = a.values;
    return Report(RunDateShift({v[0], v[1], v[2]}, v[3], !a.Has("--before")), out, err);
}

int AgeCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 2)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    return Report(RunAgeCalc(a.values[0], a.values[1]), out, err);
}

int BirthCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 2)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    return Report(RunBirthYearCalc(a.values[0], a.values[1]), out, err);
}

int WeekdayCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    out << PanelWeekdayLabel(PanelDate(a.values)) << "\n";
    return kSuccess;
}

// The count between two dates, or with --after N the date N business days on.
int BusinessDaysCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& v = a.values;
    const bool yearEnd = a.Has("--yearend");
    const std::string* const count = a.Value("--after");
    if (v.size() != (count ? 3U : 6U))
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    if (count)
        return Report(RunBusinessDayShift({v[0], v[1], v[2]}, *count, yearEnd), out, err);
    return Report(RunBusinessDayCount({v[0], v[1], v[2]}, {v[3], v[4], v[5]}, yearEnd), out, err);
}

}  // namespace vadelon::tools
