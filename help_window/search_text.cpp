#include "help_window/search_text.h"

#include <algorithm>
#include <array>

namespace vadelon {

namespace {

// The era table writes these era names' kanji in their old forms (應永,
// 寳徳, 長祿, 文龜, 萬治, 寶暦 ...); users type today's. The last three are
// old forms of kanji that the table writes in today's form (寛永, 正徳, 明暦).
constexpr std::array<std::pair<char16_t, char16_t>, 9> kOldKanji = {{
    {u'應', u'応'},
    {u'寳', u'宝'},
    {u'寶', u'宝'},
    {u'祿', u'禄'},
    {u'龜', u'亀'},
    {u'萬', u'万'},
    {u'寬', u'寛'},
    {u'德', u'徳'},
    {u'曆', u'暦'},
}};

QChar FoldChar(QChar c)
{
    const char16_t u = c.unicode();
    // Katakana ァ to ヶ and the iteration marks ヽ ヾ sit 0x60 above their hiragana.
    if ((u >= 0x30A1 && u <= 0x30F6) || u == 0x30FD || u == 0x30FE)
        return QChar(static_cast<char16_t>(u - 0x60));
    for (const auto& [old, today] : kOldKanji) {
        if (u == old)
            return QChar(today);
    }
    return c;
}

bool IsJoiner(QChar c)
{
    return c == u'-' || c == u'_' || c == u'\u2010' || c == u'\u2011' || c == u'\u2013' || c == u'\u2212';
}

// A voicing mark after a kana belongs to it: "ｶﾞ" and "カ\u3099" are ガ.
bool IsVoicingMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0xFF9E || u == 0xFF9F || u == 0x3099 || u == 0x309A || u == 0x309B || u == 0x309C;
}

// Characters that NFKC leaves alone: the searched form needs no Unicode tables for them.
bool IsPlain(char16_t u)
{
    return (u >= 0x3041 && u <= 0x3096) || (u >= 0x30A1 && u <= 0x30FA) || (u >= 0x4E00 && u <= 0x9FFF);
}

void Push(SearchText& out, QChar c, std::pair<qsizetype, qsizetype> span)
{
    out.text += c;
    out.span.push_back(span);
}

}  // namespace

SearchText NormaliseForSearch(QStringView source)
{
    SearchText folded;
    folded.text.reserve(source.size());
    folded.span.reserve(static_cast<std::size_t>(source.size()));
    for (qsizetype i = 0; i < source.size();) {
        qsizetype len = source[i].isHighSurrogate() && i + 1 < source.size() && source[i + 1].isLowSurrogate() ? 2 : 1;
        while (i + len < source.size() && IsVoicingMark(source[i + len]))
            ++len;
        const std::pair<qsizetype, qsizetype> span{i, i + len};
        const char16_t u = source[i].unicode();
        if (len == 1 && u < 0x80) {
            // Blanks carry no meaning between Japanese words; line ends do
            // stay, so that no word is found across two paragraphs.
            if (u == u'\n' || !QChar(u).isSpace())
                Push(folded, QChar(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u), span);
        } else if (len == 1 && IsPlain(u)) {
            Push(folded, FoldChar(QChar(u)), span);
        } else {
            const QString piece =
                source.mid(i, len).toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
            for (QChar c : piece) {
                if (c == u'\n' || !c.isSpace())
                    Push(folded, FoldChar(c), span);
            }
        }
        i += len;
    }

    SearchText out;
    out.text.reserve(folded.text.size());
    out.span.reserve(folded.span.size());
    for (qsizetype k = 0; k < folded.text.size(); ++k) {
        const QChar c = folded.text[k];
        if (IsJoiner(c) && k > 0 && k + 1 < folded.text.size() && folded.text[k - 1].isLetterOrNumber() &&
            folded.text[k + 1].isLetterOrNumber())
            continue;
        Push(out, c, folded.span[static_cast<std::size_t>(k)]);
    }
    return out;
}

QString SearchForm(QStringView source)
{
    return NormaliseForSearch(source).text;
}

}  // namespace vadelon
