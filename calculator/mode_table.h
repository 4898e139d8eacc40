#pragma once
// The modes as data, one row each in the order of CalcMode: the mode's
// button and radio menu item, its run and where the run's result goes, and
// how the window is laid out in the mode.
#include "calculator/calc_mode.h"
#include "calendar/rules/calculation_rules.h"

#include <QColor>
#include <span>
#include <string>
#include <variant>

namespace vadelon {

// Where a mode's result appears (AlmanacText: the almanac text window). A
// change to any other field empties it.
enum class ResultField { NumberField, LowerPanel, AlmanacText };

// What a run reads: both panels' dates as typed, the number field, and the
// direction of the date shift.
struct RunFields {
    DateTexts upper;
    std::string number;
    DateTexts lower;
    bool shiftForward = true;
};

// A run gives the texts for its result field, or the almanac's date.
using RunOutcome = std::variant<RunResult, AlmanacRun>;

struct ModeRow {
    // The mode button and its menu item.
    const char* buttonName;  // SpeedButton1 to SpeedButton5
    const char* caption;
    QColor colour;
    const char* hint;  // the button's and the menu item's
    const char* menuName;
    const char* menuCaption;

    // The run and the field that shows its result.
    RunOutcome (*run)(const RunFields&);
    ResultField result;

    // The window in the mode.
    bool monthAndDay;                  // the month and day controls of both panels shown
    const char* today;                 // caption of Button1, and of Button2 where it is shown
    const char* upperTitle;            // Label2
    const char* numberTitle[2] = {};   // Label16, shifting forward and back
    const char* numberUnit[2] = {};    // Label17, likewise
    const char* note = nullptr;        // Label18
    bool toggle = false;               // SpeedButton6 shown
    const char* lowerTitle = nullptr;  // Label9
};

std::span<const ModeRow> ModeTable();
const ModeRow& RowOf(CalcMode mode);

}  // namespace vadelon
