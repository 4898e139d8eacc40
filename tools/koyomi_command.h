#pragma once
// vadelon-calc koyomi: the notes (暦注) of one date.
#include <ostream>
#include <string>
#include <vector>

namespace vadelon::tools {

inline constexpr const char* kKoyomiUsage = "vadelon-calc koyomi Y M D";

// values: the year, month and day as typed. Writes six lines "KEY<TAB>VALUE"
// (旧暦, 六曜, 祝日, 節気, 雑節, 月齢); returns the exit code.
int Koyomi(const std::vector<std::string>& values, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
