#pragma once
// The five calculation kinds of the calculator window. The selection itself
// is not stored: the mode button that is down is the selection.

namespace vadelon {

enum class CalcMode { DayCount, DateShift, AgeCalc, BirthYearCalc, Almanac };

// The three groups of fields that ClearFields empties.
enum class FieldGroup { UpperPanel, NumberField, LowerPanel };

}  // namespace vadelon
