#include "calendar/civil_days.h"

namespace vadelon {

namespace {

// Floor division for a positive divisor.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}

constexpr std::int64_t kDaysPerEra = 146097;  // 400 Gregorian years
constexpr std::int64_t kEpochShift = 719468;  // 0000-03-01 to 1970-01-01

}  // namespace

// Years are counted from March, so the leap day falls at the end of the
// counted year and each 400-year era has the same shape.
std::int64_t DaysFromCivil(std::int64_t year, std::int32_t month, std::int32_t day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;                              // 0 to 399
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;       // 0 to 11
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;      // 0 to 365
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kEpochShift;
}

CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t z = days + kEpochShift;
    const std::int64_t era = FloorDiv(z, kDaysPerEra);
    const std::int64_t dayOfEra = z - era * kDaysPerEra;  // 0 to 146096
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int32_t day = static_cast<std::int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const std::int32_t month = static_cast<std::int32_t>(shiftedMonth < 10 ? shiftedMonth + 3
                                                                          : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return CivilDate{year, month, day};
}

}  // namespace vadelon
