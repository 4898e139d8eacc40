#pragma once
// What every command of vadelon-calc shares: the exit codes, the one reading
// of a command line, and the ways a result or a refusal is written.
#include "calendar/days/era.h"
#include "calendar/rules/calculation_rules.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vadelon::tools {

enum ExitCode : int {
    kSuccess = 0,
    kRefused = 1,        // an input the program does not take
    kUsage = 2,          // wrong arguments; the command's usage is shown
    kEraUnanswered = 3,  // a year of change needs --choose
    kOutputLost = 4,     // standard output could not be written
};

// An option given with its value ("--after" "5"), and the value's name in
// the usage ("N").
struct OptionValue {
    std::string option, name, text;
};

// The command line after the command's name.
struct Arguments {
    std::vector<std::string> options;       // the options given ("--before", "--after")
    std::optional<EraChoice> choice;        // --choose earlier|later
    std::vector<OptionValue> optionValues;  // the values of the options that take one, the last given
    std::vector<std::string> values;        // the positional arguments in their order
    std::vector<std::string> names;         // their names in the usage ("Y", "M", ...), where it has them

    bool Has(std::string_view option) const;
    // The value given to an option that takes one, or nothing.
    const std::string* Value(std::string_view option) const;
};

// Reads args against a command's usage text ("[--before] Y M D COUNT"): the
// command takes exactly the options its usage names, in any position. An
// option followed in the usage by a word ("--after N", "[--choose
// earlier|later]") takes the next argument as its value, or the text after
// "=" ("--after=5"). "--" alone ends the options, "-5" is a number. On a
// fault the message comes back instead, an argument in it made printable.
std::variant<Arguments, std::string> ParseArguments(std::span<const std::string> args, std::string_view usage);

// True when the arguments ask for help ("--help" or "-h" before a "--").
bool AsksForHelp(std::span<const std::string> args);

// The message for the first number given that does not read as an integer,
// the option values first, then the values from firstValue on: the argument
// by its name in the usage and as given, then the run's own message for such
// a field (a date's for Y, M, D, Y1...).
std::optional<std::string> UnreadNumber(const Arguments& a, std::size_t firstValue = 0);

// The date of the three positional values from first on, once UnreadNumber
// has found them all numbers; not checked to be a real date.
Date ValuesDate(const Arguments& a, std::size_t first = 0);

// The date of a panel from the positional arguments; a missing month or day
// is an empty field.
DateTexts PanelDate(const std::vector<std::string>& values);

// The message on err; returns kRefused.
int Refuse(std::ostream& err, std::string_view message);

// A run's result: its message on err, its texts on one line of out; an input
// is refused when the run has a message.
int Report(const RunResult& result, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
