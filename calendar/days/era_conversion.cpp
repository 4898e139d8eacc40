#include "calendar/days/era.h"

#include "calendar/days/integer_reading.h"

#include <algorithm>

namespace vadelon {

namespace {

constexpr std::string_view kSentinelName = "－－";
constexpr std::string_view kBlankName = "　　";

// n is at least 1: a digit, two digits, or two spaces from 100 on.
std::string EraYearText(std::int64_t n)
{
    if (n >= 100)
        return "  ";
    return IntegerText(n);
}

EraText Formatted(std::string_view name, std::int64_t n)
{
    return EraText{std::string(name), EraYearText(n)};
}

}  // namespace

EraLookup LookUpEra(std::int32_t year, std::int32_t month, std::int32_t day)
{
    const std::span<const EraEntry> table = EraTable();
    const std::size_t last = table.size() - 1;
    if (year == 0)
        return EraLookup{EraText{std::string(kSentinelName), "--"}, std::nullopt};
    if (year == 1)
        return EraLookup{EraText{std::string(kSentinelName), "1"}, std::nullopt};
    if (year > table[last].startYearValue) {
        const std::int64_t n = std::int64_t{year} - table[last].startYearValue + 1;
        if (n <= 99)
            return EraLookup{Formatted(table[last].name, n), std::nullopt};
        return EraLookup{EraText{std::string(kBlankName), "  "}, std::nullopt};
    }
    // The rows rise by start year: the last row that starts in or before the
    // year decides, as the first match of a visit in row order would.
    const auto after = std::upper_bound(table.begin(), table.end(), year,
                                        [](std::int32_t y, const EraEntry& row) { return y < row.startYearValue; });
    if (after != table.begin()) {
        const std::size_t i = static_cast<std::size_t>(after - table.begin()) - 1;
        const EraEntry& row = table[i];
        if (year != row.startYearValue || i == 0) {
            return EraLookup{Formatted(row.name, std::int64_t{year} - row.startYearValue + 1), std::nullopt};
        }
        const EraEntry& before = table[i - 1];
        const EraText earlier = Formatted(before.name, std::int64_t{year} - before.startYearValue + 1);
        const EraText later = Formatted(row.name, 1);
        if (month != 0 && month < row.startMonthValue)
            return EraLookup{earlier, std::nullopt};
        if (month != 0 && month > row.startMonthValue)
            return EraLookup{later, std::nullopt};
        if (month == row.startMonthValue && day != 0) {
            return EraLookup{day < row.startDayValue ? earlier : later, std::nullopt};
        }
        return EraLookup{std::nullopt, EraQuestion{row.startYear, row.startMonth, row.startDay, before.name, row.name,
                                                   earlier, later}};
    }
    // Only negative years reach here: no designation.
    return EraLookup{EraText{}, std::nullopt};
}

EraText EraTextForYear(std::int32_t year, std::int32_t month, std::int32_t day, const AskEraChoiceFn& ask)
{
    EraLookup lookup = LookUpEra(year, month, day);
    if (lookup.settled)
        return *lookup.settled;
    const EraChoice choice = ask ? ask(*lookup.question) : EraChoice::None;
    switch (choice) {
    case EraChoice::Earlier: return lookup.question->earlier;
    case EraChoice::Later: return lookup.question->later;
    case EraChoice::None: break;
    }
    return EraText{};
}

std::optional<std::int32_t> WesternYearFromEra(std::int32_t row, std::int32_t eraYear)
{
    const std::span<const EraEntry> table = EraTable();
    if (row < 0 || static_cast<std::size_t>(row) >= table.size())
        return std::nullopt;
    const std::int64_t year = std::int64_t{table[static_cast<std::size_t>(row)].startYearValue} - 1 + eraYear;
    if (year < INT32_MIN || year > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(year);
}

std::int32_t EraRowForListIndex(std::int32_t index)
{
    return static_cast<std::int32_t>(EraTable().size()) - 1 - index;
}

std::optional<std::int32_t> EraRowForName(std::string_view name)
{
    const std::span<const EraEntry> table = EraTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].name == name)
            return static_cast<std::int32_t>(i);
    }
    return std::nullopt;
}

}  // namespace vadelon
