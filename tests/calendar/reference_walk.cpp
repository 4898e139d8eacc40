#include "reference_walk.h"

#include <cstring>

namespace vadelon::reference {

std::int64_t DaysInYear(std::int64_t year)
{
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 366 : 365;
}

std::int64_t DaysInMonth(std::int64_t year, std::int64_t month)
{
    if (month == 1 || month == 3 || month == 5 || month == 7 || month == 8 || month == 10 || month == 12) {
        return 31;
    }
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return 30;
    if (month == 2)
        return DaysInYear(year) == 366 ? 29 : 28;
    return 0;
}

std::optional<std::int64_t> DaysBetween(std::int64_t y1, std::int64_t m1, std::int64_t d1, std::int64_t y2,
                                        std::int64_t m2, std::int64_t d2)
{
    bool before;
    if (y1 != y2) {
        before = y1 < y2;
    } else if (m1 != m2) {
        before = m1 < m2;
    } else {
        before = d1 < d2;
    }
    if (!before)
        return std::nullopt;
    std::int64_t sum = 0;
    if (y1 < y2) {
        sum += DaysInMonth(y1, m1) - d1;
        for (std::int64_t m = m1 + 1; m <= 12; ++m)
            sum += DaysInMonth(y1, m);
        for (std::int64_t y = y1 + 1; y <= y2 - 1; ++y)
            sum += DaysInYear(y);
        for (std::int64_t m = 1; m <= m2 - 1; ++m)
            sum += DaysInMonth(y2, m);
        sum += d2;
    } else if (m1 < m2) {
        sum += DaysInMonth(y1, m1) - d1;
        for (std::int64_t m = m1 + 1; m <= m2 - 1; ++m)
            sum += DaysInMonth(y1, m);
        sum += d2;
    } else {
        sum = d2 - d1;
    }
    return sum;
}

WalkedDate ShiftDate(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t count)
{
    day += count;
    while (day > DaysInMonth(year, month)) {
        day -= DaysInMonth(year, month);
        ++month;
        if (month == 13) {
            month = 1;
            ++year;
        }
    }
    while (day <= 0) {
        --month;
        if (month == 0) {
            month = 12;
            --year;
        }
        day += DaysInMonth(year, month);
    }
    return WalkedDate{year, month, day};
}

std::string WeekdayLabel(std::int64_t year, std::int64_t month, std::int64_t day)
{
    const bool beforeReform = year < 1582 || (year == 1582 && month < 10) || (year == 1582 && month == 10 && day < 15);
    if (beforeReform)
        return "（　曜日）";
    const std::int64_t n = *DaysBetween(1582, 10, 14, year, month, day);
    static const char* const labels[] = {"（木曜日）", "（金曜日）", "（土曜日）", "（日曜日）",
                                         "（月曜日）", "（火曜日）", "（水曜日）"};
    const std::int64_t r = n % 7;
    if (r < 0)
        return "";
    return labels[r];
}

const char* const kEraRows[] = {
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
const int kEraRowCount = sizeof(kEraRows) / sizeof(kEraRows[0]);

namespace {

std::int64_t Field(int row, int from, int length)
{
    std::int64_t value = 0;
    for (int i = from; i < from + length; ++i)
        value = value * 10 + (kEraRows[row][i] - '0');
    return value;
}
std::int64_t StartYear(int row)
{
    return Field(row, 0, 4);
}
std::int64_t StartMonth(int row)
{
    return Field(row, 4, 2);
}
std::int64_t StartDay(int row)
{
    return Field(row, 6, 2);
}
std::string Name(int row)
{
    return std::string(kEraRows[row] + 8);
}

std::string YearField(std::int64_t n)
{
    if (n >= 1 && n <= 9)
        return std::string(1, static_cast<char>('0' + n));
    if (n >= 10 && n <= 99) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    }
    return "  ";
}

EraResult Settled(const std::string& name, const std::string& year)
{
    EraResult r;
    r.name = name;
    r.year = year;
    return r;
}

}  // namespace

EraResult EraTextForYear(std::int64_t y, std::int64_t m, std::int64_t d)
{
    const int last = kEraRowCount - 1;
    if (y == 0)
        return Settled("－－", "--");
    if (y == 1)
        return Settled("－－", "1");
    if (y > StartYear(last)) {
        const std::int64_t n = y - StartYear(last) + 1;
        if (n <= 99)
            return Settled(Name(last), YearField(n));
        return Settled("　　", "  ");
    }
    for (int i = 0; i <= last; ++i) {
        if (i != last && StartYear(i) < y && y < StartYear(i + 1)) {
            return Settled(Name(i), YearField(y - StartYear(i) + 1));
        }
        if (y == StartYear(i)) {
            const std::string earlierName = Name(i - 1);
            const std::string earlierYear = YearField(y - StartYear(i - 1) + 1);
            const std::string laterName = Name(i);
            const std::string laterYear = YearField(1);
            if (m != 0 && m < StartMonth(i))
                return Settled(earlierName, earlierYear);
            if (m != 0 && m > StartMonth(i))
                return Settled(laterName, laterYear);
            if (m == StartMonth(i) && d != 0) {
                return d < StartDay(i) ? Settled(earlierName, earlierYear) : Settled(laterName, laterYear);
            }
            EraResult r;
            r.asked = true;
            r.earlierName = earlierName;
            r.earlierYear = earlierYear;
            r.laterName = laterName;
            r.laterYear = laterYear;
            r.startYear = std::string(kEraRows[i], 4);
            r.startMonth = std::string(kEraRows[i] + 4, 2);
            r.startDay = std::string(kEraRows[i] + 6, 2);
            return r;
        }
    }
    return Settled("", "");
}

namespace {

const char* const kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kStars[] = {"一白水星", "二黒土星", "三碧木星", "四緑木星", "五黄土星",
                              "六白金星", "七赤金星", "八白土星", "九紫火星"};
const char* const kTerms[] = {"小寒（１月６日頃）",   "立春（２月４日頃）",   "啓蟄（３月６日頃）",
                              "清明（４月５日頃）",   "立夏（５月６日頃）",   "芒種（６月６日頃）",
                              "小暑（７月７日頃）",   "立秋（８月８日頃）",   "白露（９月８日頃）",
                              "寒露（１０月９日頃）", "立冬（１１月８日頃）", "大雪（１２月７日頃）"};

// Remainders of day numbers and years are taken non-negative.
std::int64_t Mod(std::int64_t a, std::int64_t b)
{
    return ((a % b) + b) % b;
}

std::string Star(std::int64_t y)
{
    std::int64_t number = 11 - Mod(y, 9);
    if (number > 9)
        number -= 9;
    return kStars[number - 1];
}

}  // namespace

Almanac ComputeAlmanac(std::int64_t y, std::int64_t m, std::int64_t d)
{
    Almanac a;
    const bool reformDay = y == 1582 && m == 10 && d == 15;
    a.julianDay = 2299161 + (reformDay ? 0 : *DaysBetween(1582, 10, 15, y, m, d));
    a.adopted = y >= 1873;
    a.dayStem = kStems[Mod(a.julianDay + 9, 10)];
    a.dayBranch = kBranches[Mod(a.julianDay + 1, 12)];
    a.yearStem = kStems[Mod(y + 6, 10)];
    a.yearBranch = kBranches[Mod(y + 8, 12)];
    a.yearStar = Star(y);
    a.prevYearStem = kStems[Mod(y + 5, 10)];
    a.prevYearBranch = kBranches[Mod(y + 7, 12)];
    a.prevYearStar = Star(y - 1);
    const std::int64_t base = (2 * Mod(y, 10) + 2) % 10;
    const std::int64_t s = (base + m) % 10;
    if (s >= 0) {
        a.monthStem = kStems[s];
        a.prevMonthStem = kStems[(s + 9) % 10];
    }
    if (m >= 1 && m <= 12) {
        a.monthBranch = kBranches[m % 12];
        a.prevMonthBranch = kBranches[(m + 11) % 12];
        a.solarTerm = kTerms[m - 1];
    }
    return a;
}

}  // namespace vadelon::reference
