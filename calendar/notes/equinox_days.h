#pragma once
// The JST days of the equinoxes, written at build time from the solar terms
// (tools/equinox_days_table.cpp) for every year that has holidays.
#include "calendar/notes/holidays.h"

#include <cstdint>

namespace vadelon::holiday_detail {

constexpr std::int32_t kHolidayYearCount = kLastHolidayYear - kFirstHolidayYear + 1;

// Row year - kFirstHolidayYear: the day of March of the March equinox, the
// day of September of the September equinox.
extern const std::uint8_t kEquinoxDaysOfMonth[kHolidayYearCount][2];

}  // namespace vadelon::holiday_detail
