// The core operations on arbitrary 32-bit fields: no crash, no undefined
// behaviour, and the invariants that tie the operations together.
#include "calendar/almanac.h"
#include "calendar/business_days.h"
#include "calendar/day_arithmetic.h"
#include "calendar/era.h"
#include "calendar/holidays.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::int32_t Next() {
        std::uint32_t v = 0;
        const std::size_t n = size < 4 ? size : 4;
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return static_cast<std::int32_t>(v);
    }
};

bool IsRealDate(std::int32_t y, std::int32_t m, std::int32_t d) {
    return m >= 1 && m <= 12 && d >= 1 && d <= vadelon::DaysInMonth(y, m);
}

void CheckDayArithmetic(std::int32_t y1, std::int32_t m1, std::int32_t d1, std::int32_t y2,
                        std::int32_t m2, std::int32_t d2) {
    using namespace vadelon;
    const int length = DaysInMonth(y1, m1);
    Check(length == 0 || (length >= 28 && length <= 31));
    Check((length == 0) == (m1 < 1 || m1 > 12));
    Check(DaysInYear(y1) == 365 || DaysInYear(y1) == 366);

    const DayCount n = DaysBetween(y1, m1, d1, y2, m2, d2);
    Check(n.inOrder == DateFieldsBefore(y1, m1, d1, y2, m2, d2));
    Check(n.inOrder ? n.days == DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1) : n.days == 0);
    if (n.inOrder && IsRealDate(y1, m1, d1) && IsRealDate(y2, m2, d2)) Check(n.days > 0);
}

void CheckShift(std::int32_t y, std::int32_t m, std::int32_t d, std::int32_t count) {
    using namespace vadelon;
    std::int32_t year = y, month = m, day = d;
    const ShiftStatus status = ShiftDate(year, month, day, count);
    if (m < 1 || m > 12) {
        Check(status == ShiftStatus::MonthOutOfRange);
        Check(year == y && month == m && day == d);
        return;
    }
    if (status != ShiftStatus::Ok) {
        Check(status == ShiftStatus::YearOutOfRange);
        Check(year == y && month == m && day == d);
        return;
    }
    Check(IsRealDate(year, month, day));
    // The shift moves exactly count days from the day the fields stand for.
    Check(DayNumber(year, month, day) - DayNumber(y, m, d) == count);
    // And back again, where the count can be negated. The way back may leave
    // the year range when the day offset reached beyond it.
    if (count != INT32_MIN) {
        std::int32_t by = year, bm = month, bd = day;
        const ShiftStatus back = ShiftDate(by, bm, bd, -count);
        Check(back == ShiftStatus::Ok || (back == ShiftStatus::YearOutOfRange && !IsRealDate(y, m, d)));
        if (back == ShiftStatus::Ok) {
            Check(DayNumber(by, bm, bd) == DayNumber(y, m, d));
            Check(IsRealDate(by, bm, bd));
        }
    }
    // A real date shifted by 0 stays as it is.
    if (IsRealDate(y, m, d)) {
        std::int32_t sy = y, sm = m, sd = d;
        Check(ShiftDate(sy, sm, sd, 0) == ShiftStatus::Ok && sy == y && sm == m && sd == d);
    }
}

void CheckWeekday(std::int32_t y, std::int32_t m, std::int32_t d) {
    static const std::set<std::string> labels = {
        "（月曜日）", "（火曜日）", "（水曜日）", "（木曜日）", "（金曜日）",
        "（土曜日）", "（日曜日）", "（　曜日）", ""};
    const std::string label = vadelon::WeekdayLabel(y, m, d);
    Check(labels.count(label) == 1);
    Check((label == "（　曜日）") == vadelon::DateFieldsBefore(y, m, d, 1582, 10, 15));
}

void CheckEra(std::int32_t y, std::int32_t m, std::int32_t d, std::int32_t answer) {
    using namespace vadelon;
    int asked = 0;
    const EraChoice choice = static_cast<EraChoice>(static_cast<std::uint32_t>(answer) % 3);
    const EraText text = EraTextForYear(y, m, d, [&](const EraQuestion&) {
        ++asked;
        return choice;
    });
    Check(asked <= 1);
    Check(text.name.empty() || text.name == "　　" || EraRowForName(text.name).has_value());
    const std::string& t = text.year;
    const bool digits = (t.size() == 1 && t[0] >= '1' && t[0] <= '9') ||
                        (t.size() == 2 && t[0] >= '1' && t[0] <= '9' && t[1] >= '0' && t[1] <= '9');
    Check(digits || t == "  " || t == "--" || t.empty());
    Check(t.empty() == text.name.empty());

    const auto row = answer;
    const auto western = WesternYearFromEra(row, y);
    if (western) {
        Check(row >= 0 && row < static_cast<std::int32_t>(EraTable().size()));
        Check(std::int64_t{*western} ==
              std::int64_t{EraTable()[static_cast<std::size_t>(row)].startYearValue} - 1 + y);
    }
}

void CheckAlmanac(std::int32_t y, std::int32_t m, std::int32_t d) {
    using namespace vadelon;
    const AlmanacValues v = ComputeAlmanac(y, m, d);
    Check(v.dayStem.size() == 3 && v.dayBranch.size() == 3 && v.yearStar.size() == 12);
    Check(v.monthBranch.empty() == (m < 1 || m > 12));
    if (!AlmanacAcceptsDate(y, m, d)) return;
    const AlmanacReport report = ComposeAlmanacReport(y, m, d, AlmanacPanelTexts{});
    Check(report.lines.size() == (v.adopted ? 17u : 20u));
    Check(report.caption == "西暦年（年）月日のこよみ");
}

void CheckBusinessDays(std::int32_t y1, std::int32_t m1, std::int32_t d1, std::int32_t y2, std::int32_t m2,
                       std::int32_t d2, std::int32_t count) {
    using namespace vadelon;
    const bool closure = (count & 1) != 0;
    const DayCount days = DaysBetween(y1, m1, d1, y2, m2, d2);
    const DayCount business = BusinessDaysBetween(y1, m1, d1, y2, m2, d2, closure);
    Check(business.inOrder == days.inOrder);
    // At most 5 of 7 days, never of the other sign.
    Check(days.days >= 0 ? business.days >= 0 && business.days <= days.days
                         : business.days <= 0 && business.days >= days.days);
    if (!IsRealDate(y1, m1, d1)) return;
    Check(IsBusinessDay(y1, m1, d1, closure) == (BusinessDaysBetween(y1, m1, d1 - 1, y1, m1, d1, closure).days == 1));
    std::int32_t y = y1, m = m1, d = d1;
    const ShiftStatus status = ShiftBusinessDays(y, m, d, count, closure);
    if (status != ShiftStatus::Ok) {
        Check(status == ShiftStatus::YearOutOfRange && y == y1 && m == m1 && d == d1);
        return;
    }
    Check(IsRealDate(y, m, d));
    // The count-th business day: itself one, with count of them up to it.
    if (count == 0) {
        Check(y == y1 && m == m1 && d == d1);
        return;
    }
    Check(IsBusinessDay(y, m, d, closure) && HolidayName(y, m, d).empty());
    if (count > 0) Check(BusinessDaysBetween(y1, m1, d1, y, m, d, closure).days == count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    const std::int32_t y1 = in.Next(), m1 = in.Next(), d1 = in.Next();
    const std::int32_t y2 = in.Next(), m2 = in.Next(), d2 = in.Next();
    const std::int32_t count = in.Next(), extra = in.Next();
    CheckDayArithmetic(y1, m1, d1, y2, m2, d2);
    CheckShift(y1, m1, d1, count);
    // Small fields too: the random 32-bit ones rarely hit a real month.
    CheckShift(y1, 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) % 12), d1 % 64, count);
    CheckWeekday(y1, m1, d1);
    CheckWeekday(1582 + (y2 & 0xff), m2 % 16, d2 % 64);
    CheckEra(y1, m1, d1, extra);
    CheckEra(y2 % 2200, m2 % 14, d2 % 32, extra);
    CheckAlmanac(y1, m1, d1);
    CheckAlmanac(1582 + (y2 & 0x3ff), m2 % 16, d2 % 64);
    CheckBusinessDays(y1, m1, d1, y2, m2, d2, count);
    // Real dates, in and around the holiday years.
    CheckBusinessDays(1900 + (y2 & 0x3fff), 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) % 12),
                      1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(d2) % 28), y2, m1, d1, count % 5000);
    return 0;
}
