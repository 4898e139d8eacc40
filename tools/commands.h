#pragma once
// The commands of vadelon-calc, one function each, run by the table in
// command_table.cpp. Each gets the arguments its usage text allows, writes
// its result to out (UTF-8, or Shift-JIS for almanac --sjis) and messages to
// err, and returns the exit code: kUsage, for a wrong count of values, has
// the table show the usage.
#include "tools/command_line.h"

#include <ostream>

namespace vadelon::tools {

using CommandRun = int (*)(const Arguments& a, std::ostream& out, std::ostream& err);

// date_commands.cpp: the calculator's runs.
int DaysCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int ShiftCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int AgeCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int BirthCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int WeekdayCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int BusinessDaysCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// period_commands.cpp: months and years added, periods and their last days,
// and a birth date's ages, school years, 長寿祝い and 厄年 (lines of
// "KEY<TAB>VALUE" or "YEAR<TAB>AGE<TAB>LABEL").
int InclusiveDaysCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int ShiftMonthsCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int PeriodCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int DeadlineCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int NenreiCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int GakurekiCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int IwaiCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int YakudoshiCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// era_commands.cpp: the era fields and the almanac report.
int EraCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int WesternCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int AlmanacCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// year_list_commands.cpp: one line per solar term ("NAME<TAB>YYYY-MM-DD
// HH:MM", JST), per holiday ("YYYY-MM-DD<TAB>NAME") or per 旧暦 month
// ("YYYY年[閏]M月<TAB>" and its new moon) of a range of years.
int SetsuiriCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int HolidaysCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int KyurekiCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// koyomi_command.cpp: six lines "KEY<TAB>VALUE" of a date (旧暦, 六曜, 祝日,
// 節気, 雑節, 月齢).
int KoyomiCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// wareki_commands.cpp: a day's 和暦, one line per era reading, and the day
// ("Y M D") of a 和暦 date.
int WarekiCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int SeirekiCommand(const Arguments& a, std::ostream& out, std::ostream& err);

}  // namespace vadelon::tools
