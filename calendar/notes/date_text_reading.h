#pragma once
// A date as a Japanese user writes it, read to its day: 和暦 (元禄15年12月14日,
// 元禄十五年十二月十四日, 慶応4年閏4月11日, 明治元年9月8日, H31.4.30, R8/5/6) or
// Western, proleptic Gregorian (2026-05-06, 2026/5/6, 2026年5月6日, 西暦2026年5月6日),
// or eight digits (20260506), with full-width digits and letters, blanks
// anywhere and a weekday after it ("（水）").
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vadelon {

// The Julian day number, or the message saying why the text is no day: one
// that cannot be read, or a day that does not exist (the era dates' messages,
// "2026年2月は28日までです。").
std::variant<std::int64_t, std::string> ReadDateText(std::string_view text);

}  // namespace vadelon
