// Writes the manual's era page with the era table filled in from the calendar
// core's own table, so that the manual can never disagree with the program:
//   vadelon_era_table_page eras.html OUT/eras.html
// The page holds the line "<!-- era-table -->" once; it becomes the table.
#include "calendar/days/era.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr std::string_view kMarker = "<!-- era-table -->";

std::string EraTableHtml()
{
    const auto table = vadelon::EraTable();
    std::ostringstream html;
    html << "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
         << "<tr><th>年号</th><th>始まりの日</th><th>最初の西暦年</th><th>最後の西暦年</th></tr>\n";
    // Row 0 stands for the years before the first era; it is no era.
    for (std::size_t row = 1; row < table.size(); ++row) {
        const vadelon::EraEntry& era = table[row];
        html << "<tr><td>" << era.name << "</td><td>" << era.startYearValue << "年" << era.startMonthValue << "月"
             << era.startDayValue << "日</td><td>" << era.startYearValue << "</td><td>";
        // The year of a change belongs to both eras; the newest era has no end.
        if (row + 1 < table.size())
            html << table[row + 1].startYearValue;
        html << "</td></tr>\n";
    }
    html << "</table>";
    return html.str();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: vadelon_era_table_page ERAS.html OUT.html\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::ostringstream source;
    source << in.rdbuf();
    std::string page = source.str();
    const std::size_t at = page.find(kMarker);
    if (at == std::string::npos || page.find(kMarker, at + 1) != std::string::npos) {
        std::cerr << argv[1] << ": needs the line " << kMarker << " exactly once\n";
        return 1;
    }
    page.replace(at, kMarker.size(), EraTableHtml());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << page;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
