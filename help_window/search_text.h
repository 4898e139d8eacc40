#pragma once
// The one form in which the help compares text: a query, a page, a keyword
// and a reading are all brought to it the same way, so that Japanese matches
// however it was typed. NFKC (full-width letters and digits become
// half-width, half-width katakana full-width), case folded, katakana as
// hiragana (マンネンレイ = まんねんれい), the old forms of the era names'
// kanji as today's (應永 = 応永, 寶暦 = 宝暦, 元祿 = 元禄), blanks dropped,
// and a hyphen or underscore between two letters dropped ("Shift-JIS",
// "Shift_JIS", "shift jis" and "ShiftJIS" alike).
#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

namespace vadelon {

// Text in the searched form; span[i] is the range of the source that text[i] came from.
struct SearchText {
    QString text;
    std::vector<std::pair<qsizetype, qsizetype>> span;
};
SearchText NormaliseForSearch(QStringView source);

// The searched form alone.
QString SearchForm(QStringView source);

}  // namespace vadelon
