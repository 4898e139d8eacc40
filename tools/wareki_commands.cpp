// vadelon-calc wareki and seireki: a day's 和暦 and the day of a 和暦 date,
// from 445 (the old calendar's first day) on.
#include "tools/command_line.h"
#include "tools/commands.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/era_dates.h"
#include "calendar/rules/calculation_rules.h"

#include <optional>

namespace vadelon::tools {

namespace {

constexpr std::string_view kWarekiRange = "『和暦』西暦４４５年１月２５日（ユリウス暦４４５年１月２１日）から９９９９年"
                                          "１２月３１日までの日付に対応しています。";

bool IsRealJulianDate(const Date& date)
{
    return date.year >= 1 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInJulianMonth(date.year, date.month);
}

// "閏4" or "4" (full-width forms too): the month and whether it is a 閏月.
std::optional<std::pair<std::int32_t, bool>> ReadMonth(std::string_view text)
{
    constexpr std::string_view kLeap = "閏";
    const bool leap = text.starts_with(kLeap);
    const std::optional<std::int32_t> month = ReadInteger(leap ? text.substr(kLeap.size()) : text);
    if (!month)
        return std::nullopt;
    return std::pair{*month, leap};
}

}  // namespace

int WarekiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const Date date = ValuesDate(a);
    const bool julian = a.Has("--julian");
    if (julian ? !IsRealJulianDate(date) : !IsRealDateIn(date, 1, 9999))
        return Refuse(err, DateInputMessage());
    const std::int64_t jdn = julian ? JdnOfJulian(date) : JdnOfGregorian(date);
    const std::vector<EraDate> dates = EraDatesOf(jdn);
    if (dates.empty())
        return Refuse(err, kWarekiRange);
    std::string text;
    for (const EraDate& eraDate : dates)
        text += EraDateText(eraDate) + "\n";
    out << text;
    return kSuccess;
}

int SeirekiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 4)
        return kUsage;
    const std::string& yearText = a.values[1];
    const std::optional<std::int32_t> year = yearText == "元" ? std::optional<std::int32_t>(1) : ReadInteger(yearText);
    const auto month = ReadMonth(a.values[2]);
    const std::optional<std::int32_t> day = ReadInteger(a.values[3]);
    if (!year || !month || !day)
        return Refuse(err, DateInputMessage());
    const auto found = DayOfEraDate(a.values[0], *year, month->first, month->second, *day);
    if (const auto* message = std::get_if<std::string>(&found))
        return Refuse(err, "『西暦』" + *message);
    const std::int64_t jdn = std::get<std::int64_t>(found);
    const Date date = a.Has("--julian") ? JulianOfJdn(jdn) : GregorianOfJdn(jdn);
    out << IntegerText(date.year) + " " + IntegerText(date.month) + " " + IntegerText(date.day) + "\n";
    return kSuccess;
}

}  // namespace vadelon::tools
