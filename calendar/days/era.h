#pragma once
// The Japanese era table and the conversions between Western years and era
// years. All texts are UTF-8.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vadelon {

struct EraEntry {
    std::string_view startYear;   // "1989"
    std::string_view startMonth;  // "01", leading zero kept
    std::string_view startDay;    // "08"
    std::string_view name;        // "平成"
    std::int32_t startYearValue;
    std::int32_t startMonthValue;
    std::int32_t startDayValue;
};

// Row 0 is the sentinel "00010000－－", then every era in order, the newest last.
std::span<const EraEntry> EraTable();

// What a panel shows for a year: the era name ("平成", "－－", "　　" or "")
// and the era-year text ("1" to "99", "  ", "--" or "").
struct EraText {
    std::string name;
    std::string year;
    bool operator==(const EraText&) const = default;
};

enum class EraChoice { Earlier, Later, None };

// The question of a year of change whose month or day leaves the era open.
struct EraQuestion {
    std::string_view startYear;  // of the era that begins, as stored
    std::string_view startMonth;
    std::string_view startDay;
    std::string_view earlierName;
    std::string_view laterName;
    EraText earlier;  // the answer Earlier gives
    EraText later;    // the answer Later gives
};

// Either the era text is settled by the date, or a question must be asked.
struct EraLookup {
    std::optional<EraText> settled;
    std::optional<EraQuestion> question;
};
EraLookup LookUpEra(std::int32_t year, std::int32_t month, std::int32_t day);

using AskEraChoiceFn = std::function<EraChoice(const EraQuestion&)>;

// A month or day of 0 counts as missing. Calls ask at most once, only for an
// undetermined date in a year of change; None gives the empty text.
EraText EraTextForYear(std::int32_t year, std::int32_t month, std::int32_t day, const AskEraChoiceFn& ask);

// Start year of the row - 1 + eraYear; nullopt when the row does not exist or
// the result leaves the 32-bit range.
std::optional<std::int32_t> WesternYearFromEra(std::int32_t row, std::int32_t eraYear);

// Index in an era drop-down (newest first) to table row and back.
std::int32_t EraRowForListIndex(std::int32_t index);
std::optional<std::int32_t> EraRowForName(std::string_view name);

}  // namespace vadelon
