#include "koyomi_command.h"

#include "calc_commands.h"

#include "calendar/calculation_rules.h"
#include "calendar/day_notes.h"
#include "calendar/integer_reading.h"
#include "calendar/solar_terms.h"

#include <optional>

namespace vadelon::tools {

int Koyomi(const std::vector<std::string>& values, std::ostream& out, std::ostream& err)
{
    const std::optional<std::int32_t> year = ReadInteger(values.at(0));
    const std::optional<std::int32_t> month = ReadInteger(values.at(1));
    const std::optional<std::int32_t> day = ReadInteger(values.at(2));
    if (!year || !month || !day) {
        err << DateInputMessage() << "\n";
        return kRefused;
    }
    if (*year < kFirstSolarTermYear || *year > kLastSolarTermYear) {
        err << "『暦注』西暦１５８３年から９９９９年までの日付に対応しています。\n";
        return kRefused;
    }
    const auto notes = DayNotesOf(*year, *month, *day);
    if (!notes) {
        err << DateInputMessage() << "\n";
        return kRefused;
    }
    std::string text;
    for (const DayNote& note : *notes)
        text.append(note.key).append("\t").append(note.value).append("\n");
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
