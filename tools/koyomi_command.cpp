// vadelon-calc koyomi: the notes (暦注) of one date.
#include "tools/command_line.h"
#include "tools/commands.h"

#include "calendar/days/integer_reading.h"
#include "calendar/notes/day_notes.h"
#include "calendar/notes/lunisolar.h"
#include "calendar/rules/calculation_rules.h"
#include "calendar/sky/solar_terms.h"

#include <optional>

namespace vadelon::tools {

int KoyomiCommand(const Arguments& a, std::ostream& out, std::ostream& err)
{
    if (a.values.size() != 3)
        return kUsage;
    if (const auto unread = UnreadNumber(a))
        return Refuse(err, *unread);
    const Date date = ValuesDate(a);
    if (date.year < kFirstOldCalendarYear || date.year > kLastSolarTermYear)
        return Refuse(err, "『暦注』西暦４４５年から９９９９年までの日付に対応しています。");
    const auto notes = DayNotesOf(date);
    if (!notes)
        return Refuse(err, DateInputMessage());
    std::string text;
    for (const DayNote& note : *notes)
        text.append(note.key).append("\t").append(note.value).append("\n");
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
