#pragma once
// What every command of vadelon-calc shares: the exit codes, the one reading
// of a command line, and the ways a result or a refusal is written.
#include "calendar/calculation_rules.h"
#include "calendar/era.h"

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

// The command line after the command's name.
struct Arguments {
    std::vector<std::string> options;  // the flags given ("--before")
    std::optional<EraChoice> choice;   // --choose earlier|later
    std::vector<std::string> values;   // the positional arguments in their order

    bool Has(std::string_view option) const;
};

// Reads args against a command's usage text ("[--before] Y M D COUNT"): the
// command takes exactly the options its usage names. "--" alone ends the
// options, "-5" is a number. On a fault the message comes back instead, an
// argument in it made printable.
std::variant<Arguments, std::string> ParseArguments(std::span<const std::string> args, std::string_view usage);

// True when every text reads as an integer.
bool AllRead(const std::vector<std::string>& texts);

// The date of a panel from the positional arguments; a missing month or day
// is an empty field.
DateTexts PanelDate(const std::vector<std::string>& values);

// The message on err; returns kRefused.
int Refuse(std::ostream& err, std::string_view message);

// A run's result: its message on err, its texts on one line of out; an input
// is refused when the run has a message.
int Report(const RunResult& result, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
