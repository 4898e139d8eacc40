#include "calendar/days/era.h"

#include <array>

namespace vadelon {

namespace {

// One line per era: start year, start month, start day, name. Row 0 covers the
// years before the first era. A new era is one more line at the end.
constexpr std::array<std::string_view, 68> kEraRows = {
    "00010000－－", "13940705應永", "14280427正長", "14290905永享", "14410217嘉吉", "14440205文安", "14490728寳徳",
    "14520725享徳", "14550725康正", "14570928長祿", "14601221寛正", "14660228文正", "14670305應仁", "14690428文明",
    "14870720長享", "14890821延徳", "14920719明應", "15010229文龜", "15040230永正", "15210823大永", "15280820享祿",
    "15320729天文", "15551023弘治", "15580228永祿", "15700423元龜", "15730728天正", "15921208文祿", "15961027慶長",
    "16150713元和", "16240230寛永", "16441216正保", "16480215慶安", "16520918承應", "16550413明暦", "16580723萬治",
    "16610425寛文", "16730921延寳", "16810929天和", "16840221貞享", "16880930元祿", "17040313寶永", "17110425正徳",
    "17160622享保", "17360428元文", "17410227寛保", "17440221延享", "17480712寛延", "17511027寶暦", "17640602明和",
    "17721116安永", "17810402天明", "17890125寛政", "18010205享和", "18040211文化", "18180422文政", "18301210天保",
    "18441202弘化", "18480228嘉永", "18541127安政", "18600318萬延", "18610219文久", "18640220元治", "18650407慶應",
    "18680908明治", "19120730大正", "19261225昭和", "19890108平成", "20190501令和",
};

constexpr std::int32_t DigitsValue(std::string_view digits)
{
    std::int32_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

constexpr EraEntry MakeEntry(std::string_view row)
{
    return EraEntry{row.substr(0, 4),
                    row.substr(4, 2),
                    row.substr(6, 2),
                    row.substr(8),
                    DigitsValue(row.substr(0, 4)),
                    DigitsValue(row.substr(4, 2)),
                    DigitsValue(row.substr(6, 2))};
}

constexpr std::array<EraEntry, kEraRows.size()> MakeTable()
{
    std::array<EraEntry, kEraRows.size()> table{};
    for (std::size_t i = 0; i < kEraRows.size(); ++i)
        table[i] = MakeEntry(kEraRows[i]);
    return table;
}

constexpr std::array<EraEntry, kEraRows.size()> kEraTable = MakeTable();

constexpr bool StartYearsRise()
{
    for (std::size_t i = 1; i < kEraTable.size(); ++i) {
        if (kEraTable[i].startYearValue <= kEraTable[i - 1].startYearValue)
            return false;
    }
    return true;
}
static_assert(StartYearsRise(), "era rows must be in order of their start years");

}  // namespace

std::span<const EraEntry> EraTable()
{
    return kEraTable;
}

}  // namespace vadelon
