#include "calendar/day_notes.h"

#include "calendar/day_arithmetic.h"
#include "calendar/holidays.h"
#include "calendar/integer_reading.h"
#include "calendar/lunisolar.h"
#include "calendar/moon_phases.h"
#include "calendar/solar_terms.h"
#include "calendar/zassetsu.h"

namespace vadelon {

std::optional<std::array<DayNote, 6>> DayNotesOf(const Date& date)
{
    if (!IsRealDateIn(date, kFirstOldCalendarYear, kLastSolarTermYear))
        return std::nullopt;
    std::array<DayNote, 6> notes = {
        {{"旧暦", {}}, {"六曜", {}}, {"祝日", {}}, {"節気", {}}, {"雑節", {}}, {"月齢", {}}}};

    if (const std::optional<LunisolarDate> lunisolar = LunisolarDateOf(date)) {
        notes[0].value = IntegerText(lunisolar->year) + "年" + (lunisolar->leap ? "閏" : "") +
                         IntegerText(lunisolar->month) + "月" + IntegerText(lunisolar->day) + "日";
        notes[1].value = RokuyoName(*lunisolar);
    }
    notes[2].value = HolidayName(date);
    notes[3].value = SolarTermOn(date);
    for (const std::string_view name : ZassetsuOf(date))
        notes[4].value += (notes[4].value.empty() ? "" : "・") + std::string(name);
    if (const std::optional<std::int32_t> tenths = NoonMoonAgeTenths(date))
        notes[5].value = IntegerText(*tenths / 10) + "." + IntegerText(*tenths % 10);
    return notes;
}

}  // namespace vadelon
