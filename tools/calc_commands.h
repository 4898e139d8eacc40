#pragma once
// The sub-commands of vadelon-calc over the calendar core. Kept apart from
// main() so the exit codes and texts can be exercised without a process.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

enum ExitCode : int {
    kSuccess = 0,
    kRefused = 1,        // an input the program does not take
    kUsage = 2,          // wrong arguments; the usage is shown
    kEraUnanswered = 3,  // a year of change needs --choose
    kOutputLost = 4,     // standard output could not be written
};

// args without the program name. Results go to out (UTF-8, or Shift-JIS for
// almanac --sjis), messages to err.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
