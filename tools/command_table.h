#pragma once
// vadelon-calc's commands as one table. Kept apart from main() so the exit
// codes and texts can be exercised without a process.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

// args without the program name, the command's name first. Returns the exit
// code (tools/command_line.h).
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
