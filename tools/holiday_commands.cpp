#include "holiday_commands.h"

#include "calc_commands.h"

#include "calendar/calculation_rules.h"
#include "calendar/holidays.h"
#include "calendar/integer_reading.h"

#include <cstdio>
#include <optional>

namespace vadelon::tools {

namespace {

const std::string kRangeMessage = "『祝日』西暦１９４８年から９９９９年までの年に対応しています。";

}  // namespace

int ListHolidays(const std::vector<std::string>& values, std::ostream& out, std::ostream& err)
{
    const std::optional<std::int32_t> first = ReadInteger(values.at(0));
    const std::optional<std::int32_t> last = values.size() == 2 ? ReadInteger(values[1]) : first;
    if (!first || !last) {
        err << NumberInputMessage() << "\n";
        return kRefused;
    }
    for (const std::int32_t year : {*first, *last}) {
        if (year < kFirstHolidayYear || year > kLastHolidayYear) {
            err << kRangeMessage << "\n";
            return kRefused;
        }
    }
    if (*last < *first) {
        err << YearOrderMessage() << "\n";
        return kRefused;
    }
    std::string text;
    for (std::int32_t year = *first; year <= *last; ++year) {
        for (const Holiday& h : HolidaysOfYear(year)) {
            char date[16];
            const int n = std::snprintf(date, sizeof date, "%04d-%02d-%02d\t", static_cast<int>(year),
                                        static_cast<int>(h.month), static_cast<int>(h.day));
            text.append(date, static_cast<std::size_t>(n)).append(h.name) += '\n';
        }
    }
    out << text;
    return kSuccess;
}

}  // namespace vadelon::tools
