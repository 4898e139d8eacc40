#pragma once
// The month calendar as plain data: the month shown, the selected day and a
// range selected from it, the six weeks of cells as they are painted, the
// window's title and the line under the grid. The window only paints this and
// passes on keys and clicks.
#include "calendar/notes/month_notes.h"
#include "calendar_window/shown_dates.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vadelon {

// Red for Sundays and holidays, blue for Saturdays.
enum class DayColour { Plain, Red, Blue };
enum class LabelKind { None, Holiday, SolarTerm, Zassetsu };

struct DayCell {
    Date date;
    std::string number;  // "6"
    std::string label;   // the holiday's name, else the 節気, else the first 雑節
    LabelKind labelKind = LabelKind::None;
    std::string rokuyo;    // "仏滅", where the core gives 旧暦
    std::string lunarDay;  // "20", or "閏11/1" on the first of a 旧暦 month
    MoonMark moon = MoonMark::None;
    DayColour colour = DayColour::Plain;
    bool dimmed = false;     // a day of the month before or after
    bool selectable = true;  // from 445-01-01 to 9999-12-31
    bool today = false;
    bool selected = false;  // the selected day (the moving end of a range)
    bool inRange = false;   // between the range's ends, both included
};

constexpr int kWeeksShown = 6;
constexpr int kCellsShown = 7 * kWeeksShown;
using MonthCells = std::array<DayCell, kCellsShown>;

class MonthCalendar {
public:
    // Opens on selected, or on today when selected is no shown date.
    MonthCalendar(const Date& selected, const Date& today);

    const Date& Selected() const { return selected_; }
    // The fixed end of a range; none while a single day is selected.
    const std::optional<Date>& Anchor() const { return anchor_; }
    void SetToday(const Date& today) { today_ = today; }

    // Each move leaves the calendar as it was and answers false when its day
    // would lie outside 445-01-01 to 9999-12-31. With extend the move
    // stretches a range from the day selected before it (the range's anchor
    // stays through further extending moves); without, it ends any range.
    bool Select(const Date& day, bool extend);
    bool MoveDays(std::int64_t days, bool extend);
    // The same day of another month, or its last day when it has fewer.
    bool MoveMonths(std::int32_t months, bool extend);
    bool GoToToday();
    // Selects the day a text names as a Japanese user writes a date
    // (元禄15年12月14日, R8/5/6, 2026-05-06: calendar/notes/date_text_reading.h);
    // empty when it moved, else the message why not, nothing moved.
    std::string GoToText(std::string_view text);

    // "カレンダー 2026年5月" and "2026年5月" for the month of the selected day.
    std::string Title() const;
    std::string MonthText() const;

    // Six weeks from the Sunday on or before the 1st.
    MonthCells Cells();

    // Works out one month that the next move of a month or a year could
    // show, so that the move finds it known; false when there is none left.
    bool PrepareNearby();

    // One day in full: "2026年5月6日（水）　令和8年5月6日　振替休日　旧暦3月20日　仏滅
    // 月齢18.6"; before 1582-10-15 the Julian date after the weekday
    // ("（ユリウス暦1582年6月21日）"), before 1873 the 和暦 is the 旧暦.
    std::string DayLine(const Date& day);
    // The line under the grid: the selected day's, or the range's length
    // and business days.
    std::string StatusLine();

private:
    bool MoveTo(const Date& day, bool extend);

    NotesCache notes_;
    Date selected_;
    Date today_;
    std::optional<Date> anchor_;
};

// "2026年4月28日〜5月7日：9日（営業日3日、土日祝を除く）", the length counted as
// the day count counts it (the days after the first up to and including the
// second); when those days touch 29 December to 3 January, the business days
// without the year-end closure follow: "…土日祝を除く。年末年始も除くとM日）".
std::string RangeLine(const Date& first, const Date& second);

}  // namespace vadelon
