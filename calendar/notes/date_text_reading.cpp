#include "calendar/notes/date_text_reading.h"

#include "calendar/days/day_arithmetic.h"
#include "calendar/days/integer_reading.h"
#include "calendar/days/julian_days.h"
#include "calendar/notes/era_dates.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace vadelon {

namespace {

constexpr std::string_view kUnreadable =
    "日付として読めません。「元禄15年12月14日」「R8/5/6」「2026-05-06」のように入力してください。";

// The eras' initials as forms and documents write them.
constexpr std::array<std::pair<char, std::string_view>, 5> kInitials = {{
    {'M', "明治"},
    {'T', "大正"},
    {'S', "昭和"},
    {'H', "平成"},
    {'R', "令和"},
}};

constexpr std::array<std::string_view, 10> kKanjiDigits = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// One UTF-8 character's length from its lead byte.
std::size_t CharLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Full-width ASCII (U+FF01 to U+FF5E) as ASCII, letters upper case, blanks
// and the ideographic space dropped, the long dash and the slash-like marks
// as ASCII separators.
std::string Plain(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = std::min(CharLength(lead), text.size() - i);
        const std::string_view c = text.substr(i, length);
        i += length;
        if (length == 3 && lead == 0xEF && (c[1] == '\xBC' || c[1] == '\xBD')) {
            const int code =
                0xF000 | ((static_cast<unsigned char>(c[1]) & 0x3F) << 6) | (static_cast<unsigned char>(c[2]) & 0x3F);
            const int ascii = code - 0xFEE0;  // U+FF01..U+FF5E → 0x21..0x7E
            if (ascii >= 0x21 && ascii <= 0x7E) {
                plain += static_cast<char>(ascii);
                continue;
            }
        }
        if (c == " " || c == "\t" || c == "　")
            continue;
        if (c == "ー" || c == "－" || c == "‐" || c == "−")
            plain += '-';
        else if (c == "・" || c == "．" || c == "。")
            plain += '.';
        else if (c == "／")
            plain += '/';
        else
            plain.append(c);
    }
    for (char& c : plain) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return plain;
}

// Kanji numerals (十五, 二十三, 二〇二六, 千八百六十八) as decimal digits, 元 before
// 年 as 1.
std::string DecimalNumerals(const std::string& text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::int64_t total = 0, digits = 0, current = -1;
        bool numeral = false, positional = true;
        std::size_t j = i;
        for (;;) {
            int digit = -1, unit = 0;
            for (std::size_t d = 0; d < kKanjiDigits.size(); ++d) {
                if (text.compare(j, kKanjiDigits[d].size(), kKanjiDigits[d]) == 0)
                    digit = static_cast<int>(d);
            }
            if (text.compare(j, 3, "十") == 0)
                unit = 10;
            else if (text.compare(j, 3, "百") == 0)
                unit = 100;
            else if (text.compare(j, 3, "千") == 0)
                unit = 1000;
            if (digit < 0 && unit == 0)
                break;
            numeral = true;
            j += 3;
            if (digit >= 0) {
                digits = digits * 10 + digit;
                current = digit;
            } else {
                positional = false;
                total += (current < 0 ? 1 : current) * unit;
                current = -1;
                digits = 0;
            }
        }
        if (!numeral) {
            if (text.compare(i, 6, "元年") == 0) {
                out += "1";
                i += 3;
                continue;
            }
            out += text[i++];
            continue;
        }
        const std::int64_t value = positional ? digits : total + (current < 0 ? 0 : current);
        out += IntegerText(value);
        i = j;
    }
    return out;
}

// The text split into its leading non-digits (an era, an initial or 西暦)
// and the three numbers with what follows each.
struct Parts {
    std::string head;
    std::array<std::int64_t, 3> numbers{};
    std::array<std::string, 3> after;  // the separator after each number
    bool leap = false;
};

std::optional<Parts> Split(const std::string& text)
{
    Parts parts;
    std::size_t i = 0;
    while (i < text.size() && (text[i] < '0' || text[i] > '9'))
        ++i;
    parts.head = text.substr(0, i);
    for (std::size_t n = 0; n < 3; ++n) {
        if (n == 1 && text.compare(i, 3, "閏") == 0) {
            parts.leap = true;
            i += 3;
        }
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 9) {
            parts.numbers[n] = parts.numbers[n] * 10 + (text[i++] - '0');
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        const std::size_t start = i;
        while (i < text.size() && (text[i] < '0' || text[i] > '9') && text.compare(i, 3, "閏") != 0)
            ++i;
        parts.after[n] = text.substr(start, i - start);
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

bool Separated(const Parts& parts)
{
    const std::string& sep = parts.after[0];
    const bool kanji = sep == "年" && parts.after[1] == "月" && (parts.after[2].empty() || parts.after[2] == "日");
    const bool marks = (sep == "." || sep == "/" || sep == "-") && parts.after[1] == sep && parts.after[2].empty();
    return kanji || (marks && !parts.leap);
}

// A weekday after the date, as calendars, letters and the calculator's
// weekday label write it ("（水）", "(水)", "（水曜日）"), dropped; eight digits alone (20260506) as a
// date with dashes.
std::string WithoutExtras(std::string text)
{
    for (const std::string_view open : {"（", "("}) {
        const std::size_t at = text.rfind(open);
        if (at != std::string::npos && at > 0 && (text.ends_with("）") || text.ends_with(")")) &&
            text.size() - at <= open.size() + 4 * 3 + 3)
            text.erase(at);
    }
    if (text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        text = text.substr(0, 4) + "-" + text.substr(4, 2) + "-" + text.substr(6, 2);
    return text;
}

}  // namespace

std::variant<std::int64_t, std::string> ReadDateText(std::string_view text)
{
    const std::optional<Parts> parts = Split(DecimalNumerals(WithoutExtras(Plain(text))));
    if (!parts || !Separated(*parts))
        return std::string(kUnreadable);
    const auto year = static_cast<std::int32_t>(parts->numbers[0]);
    const auto month = static_cast<std::int32_t>(parts->numbers[1]);
    const auto day = static_cast<std::int32_t>(parts->numbers[2]);
    std::string_view era = parts->head;
    if (era.size() == 1) {
        const auto initial =
            std::find_if(kInitials.begin(), kInitials.end(), [&](const auto& i) { return i.first == era[0]; });
        if (initial == kInitials.end())
            return std::string(kUnreadable);
        era = initial->second;
    }
    if (era.empty() || era == "西暦") {
        if (parts->leap || year < 1 || year > 9999)
            return std::string(kUnreadable);
        if (month < 1 || month > 12)
            return std::string("月は1から12までです。");
        if (day < 1 || day > DaysInMonth(year, month))
            return IntegerText(year) + "年" + IntegerText(month) + "月は" + IntegerText(DaysInMonth(year, month)) +
                   "日までです。";
        return JdnOfGregorian({year, month, day});
    }
    if (!EraNameOf(era))
        return "「" + std::string(era) + "」という年号はありません。";
    return DayOfEraDate(era, year, month, parts->leap, day);
}

}  // namespace vadelon
