#pragma once
// The manual's keyword index, keywords.txt: one keyword a line,
//   KEYWORD<TAB>よみ<TAB>page.html#anchor
// よみ is the keyword's reading in kana (九星 きゅうせい), several readings
// parted by "、" (干支 かんし、えと); it may be left empty only for a keyword
// written without kanji (Overflow, えと). The キーワード tab lists the index in
// 五十音順 of the first reading, and the full-text search reads a query the
// way the index does: a query word that is a keyword or one of its readings
// also finds the other keywords of that reading and the pages they point to
// (まんねんれい finds 満年齢, SJIS finds Shift-JIS).
#include <QString>
#include <QStringList>
#include <vector>

namespace vadelon {

struct HelpKeyword {
    QString keyword;       // as listed
    QStringList readings;  // in kana; empty for a keyword without kanji
    QString target;        // "page.html" or "page.html#anchor"

    // The keyword's place in the list: its first reading, or the keyword itself.
    const QString& SortKey() const { return readings.isEmpty() ? keyword : readings.front(); }
};

inline const QString kHelpKeywordsFile = QStringLiteral("keywords.txt");

// The keywords of a keywords.txt text, in file order; lines that are empty,
// start with "#" or lack a target are left out.
std::vector<HelpKeyword> ParseHelpKeywords(const QString& text);

// In 五十音順 by SortKey (Japanese collation: ガ beside カ, ー as the vowel it
// lengthens); keywords without kana, such as Latin words, come first.
void SortByReading(std::vector<HelpKeyword>& keywords);

}  // namespace vadelon
