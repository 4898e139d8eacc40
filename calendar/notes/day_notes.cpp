#include "calendar/notes/day_notes.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/notes/holidays.h"
#include "calendar/notes/zassetsu.h"
#include "calendar/sky/moon_phases.h"
#include "calendar/sky/solar_terms.h"

namespace vadelon {

std::string LunisolarMonthDayText(const LunisolarDate& date)
{
    return (date.leap ? "閏" : "") + IntegerText(date.month) + "月" + IntegerText(date.day) + "日";
}

std::string LunisolarDateText(const LunisolarDate& date)
{
    return IntegerText(date.year) + "年" + LunisolarMonthDayText(date);
}

std::string ZassetsuText(const std::vector<std::string_view>& names)
{
    std::string text;
    for (const std::string_view name : names)
        text += (text.empty() ? "" : "・") + std::string(name);
    return text;
}

std::string MoonAgeText(std::int32_t tenths)
{
    return IntegerText(tenths / 10) + "." + IntegerText(tenths % 10);
}

std::array<DayNote, 6> DayNoteTexts(const DayNotes& notes, std::optional<std::int32_t> moonAgeTenths)
{
    std::array<DayNote, 6> texts = {
        {{"旧暦", {}}, {"六曜", {}}, {"祝日", {}}, {"節気", {}}, {"雑節", {}}, {"月齢", {}}}};
    if (notes.lunisolar) {
        texts[0].value = LunisolarDateText(*notes.lunisolar);
        texts[1].value = RokuyoName(*notes.lunisolar);
    }
    texts[2].value = notes.holiday;
    texts[3].value = notes.solarTerm;
    texts[4].value = ZassetsuText(notes.zassetsu);
    if (moonAgeTenths)
        texts[5].value = MoonAgeText(*moonAgeTenths);
    return texts;
}

std::optional<std::array<DayNote, 6>> DayNotesOf(const Date& date)
{
    if (!IsRealDateIn(date, kFirstOldCalendarYear, kLastSolarTermYear))
        return std::nullopt;
    // One date's record from the notes of that date alone: the month's
    // model would solve every crossing of the month and the year's 雑節.
    DayNotes notes;
    notes.holiday = HolidayName(date);
    notes.solarTerm = SolarTermOn(date);
    notes.zassetsu = ZassetsuOf(date);
    notes.lunisolar = LunisolarDateOf(date);
    return DayNoteTexts(notes, NoonMoonAgeTenths(date));
}

}  // namespace vadelon
