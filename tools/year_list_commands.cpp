// The commands that list what a year or a range of years holds:
// "YEAR [LASTYEAR]", each year within the limits of what it lists.
#include "tools/command_line.h"
#include "tools/commands.h"

#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/holidays.h"
#include "calendar/notes/lunisolar.h"
#include "calendar/rules/calculation_rules.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_terms.h"

#include <cstdio>
#include <functional>
#include <optional>

namespace vadelon::tools {

namespace {

struct YearRange {
    std::int32_t first = 0, last = 0;
};

struct YearLimits {
    std::int32_t first, last;
    std::string_view message;  // when a year lies outside them
};

// The range, or the exit code after the message on err (kUsage for a wrong
// count of values).
std::variant<YearRange, int> ReadYearRange(const Arguments& a, const YearLimits& limits, std::ostream& err)
{
    const std::vector<std::string>& values = a.values;
    if (values.empty() || values.size() > 2)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const std::int32_t first = *ReadInteger(values[0]);
    const std::int32_t last = values.size() == 2 ? *ReadInteger(values[1]) : first;
    for (const std::int32_t year : {first, last}) {
        if (year < limits.first || year > limits.last)
            return Refuse(err, limits.message);
    }
    if (last < first)
        return Refuse(err, YearOrderMessage());
    return YearRange{first, last};
}

// The command's whole run: the range read within the limits, then the text
// list makes of each year, written year by year so that the first lines come
// at once; a refused range writes none. Output that cannot be written ends
// the run (main reports it), a closed pipe at the next year.
int ListYears(const Arguments& a, const YearLimits& limits, std::ostream& out, std::ostream& err,
              const std::function<std::string(std::int32_t year)>& list)
{
    const auto read = ReadYearRange(a, limits, err);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const YearRange range = std::get<YearRange>(read);
    for (std::int32_t year = range.first; year <= range.last && out; ++year)
        out << list(year) << std::flush;
    return kSuccess;
}

// "YYYY-MM-DD HH:MM" in JST of a Julian date in UT, to the nearest minute, or
// "YYYY-MM-DD HH:MM:SS" to the nearest second.
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

// "YYYY-MM-DD".
std::string DateText(const Date& date)
{
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.year),
                                static_cast<int>(date.month), static_cast<int>(date.day));
    return std::string(text, static_cast<std::size_t>(n));
}

// As JstText, in the almanac's local time (Tokyo mean time before 1888).
std::string LocalText(double julianDateUT, bool seconds)
{
    const JstDateTime t = AlmanacLocalTime(julianDateUT, seconds ? 1 : 60);
    std::string text = DateText(t.date());
    char clock[16];
    const int n = seconds ? std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", static_cast<int>(t.hour),
                                          static_cast<int>(t.minute), static_cast<int>(t.second))
                          : std::snprintf(clock, sizeof clock, " %02d:%02d", static_cast<int>(t.hour),
                                          static_cast<int>(t.minute));
    return text.append(clock, static_cast<std::size_t>(n));
}

}  // namespace

int SetsuiriCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const YearLimits limits{kFirstSolarTermYear, kLastSolarTermYear,
                            "『節入り』西暦１５８３年から９９９９年までの年に対応しています。"};
    const bool seconds = a.Has("--seconds");
    return ListYears(a, limits, out, err, [seconds](std::int32_t year) {
        std::string text;
        const auto terms = SolarTermsOfYear(year);
        for (std::size_t i = 0; i < terms.size(); ++i) {
            text.append(SolarTermShortNames[i]).append("\t");
            text.append(JstText(terms[i].julianDateUT, seconds)).append("\n");
        }
        return text;
    });
}

int HolidaysCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const YearLimits limits{kFirstHolidayYear, kLastHolidayYear,
                            "『祝日』西暦１９４８年から９９９９年までの年に対応しています。"};
    return ListYears(a, limits, out, err, [](std::int32_t year) {
        std::string text;
        for (const Holiday& h : HolidaysOfYear(year)) {
            char date[16];
            const int n = std::snprintf(date, sizeof date, "%04d-%02d-%02d\t", static_cast<int>(year),
                                        static_cast<int>(h.month), static_cast<int>(h.day));
            text.append(date, static_cast<std::size_t>(n)).append(h.name) += '\n';
        }
        return text;
    });
}

int KyurekiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    const YearLimits limits{kFirstOldCalendarYear, kLastLunisolarYear,
                            "『旧暦』西暦４４５年から２１００年までの年に対応しています。"};
    const bool seconds = a.Has("--seconds");
    return ListYears(a, limits, out, err, [seconds](std::int32_t year) {
        std::string text;
        for (const LunisolarMonth& m : LunisolarMonthsBeginningIn(year, year)) {
            text += std::to_string(m.year) + "年" + (m.leap ? "閏" : "") + std::to_string(m.month) + "月\t";
            const Date first = HistoricalDateOfJdn(m.firstJdn);
            if (m.newMoonUT == 0) {
                // The old calendar's months: their first day, as history
                // writes it.
                text += DateText(first) + (IsWrittenJulian(m.firstJdn) ? "\tユリウス暦\n" : "\n");
            } else if (seconds) {
                // To the second the new moon may fall in the last half minute
                // of the day before the one that its time to the minute, the
                // almanac's, gives the month.
                text += LocalText(m.newMoonUT, true) + "\t" + DateText(first) + "\n";
            } else {
                text += LocalText(m.newMoonUT, false) + "\n";
            }
        }
        return text;
    });
}

}  // namespace vadelon::tools
