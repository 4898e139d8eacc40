#include "help_window/help_search.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace vadelon {

namespace {

bool IsHyphen(QChar c)
{
    return c == u'-' || c == u'\u2010' || c == u'\u2011' || c == u'\u2013' || c == u'\u2212';
}

void Push(SearchText& out, QChar c, std::pair<qsizetype, qsizetype> span)
{
    out.text += c;
    out.span.push_back(span);
}

}  // namespace

SearchText NormaliseForSearch(const QString& source)
{
    SearchText folded;
    for (qsizetype i = 0; i < source.size();) {
        const qsizetype len =
            source[i].isHighSurrogate() && i + 1 < source.size() && source[i + 1].isLowSurrogate() ? 2 : 1;
        const QString piece = source.mid(i, len).normalized(QString::NormalizationForm_KC).toCaseFolded();
        for (QChar c : piece) {
            // Blanks carry no meaning between Japanese words; line ends do
            // stay, so that no word is found across two paragraphs.
            if (c != u'\n' && c.isSpace())
                continue;
            Push(folded, c, {i, i + len});
        }
        i += len;
    }

    // "Shift-JIS" and "UTF-8" are the same words without their hyphens.
    SearchText joined;
    for (qsizetype k = 0; k < folded.text.size(); ++k) {
        const QChar c = folded.text[k];
        if (IsHyphen(c) && k > 0 && k + 1 < folded.text.size() && folded.text[k - 1].isLetterOrNumber() &&
            folded.text[k + 1].isLetterOrNumber())
            continue;
        Push(joined, c, folded.span[k]);
    }

    // The katakana spelling of "Shift" is the same word.
    static const QString kKana = QStringLiteral("シフト");
    static const QString kLatin = QStringLiteral("shift");
    SearchText out;
    for (qsizetype k = 0; k < joined.text.size();) {
        if (QStringView(joined.text).mid(k, kKana.size()) == kKana) {
            const std::pair<qsizetype, qsizetype> span{joined.span[k].first, joined.span[k + kKana.size() - 1].second};
            for (QChar c : kLatin)
                Push(out, c, span);
            k += kKana.size();
            continue;
        }
        Push(out, joined.text[k], joined.span[k]);
        ++k;
    }
    return out;
}

QStringList QueryWords(const QString& query)
{
    QStringList words;
    QString word;
    auto flush = [&] {
        const QString searched = NormaliseForSearch(word).text;
        if (!searched.isEmpty())
            words << searched;
        word.clear();
    };
    for (QChar c : query) {
        if (c.isSpace())
            flush();
        else
            word += c;
    }
    flush();
    return words;
}

std::vector<std::pair<qsizetype, qsizetype>> FindQueryHits(const QString& source, const QString& query)
{
    const SearchText searched = NormaliseForSearch(source);
    std::vector<std::pair<qsizetype, qsizetype>> hits;
    for (const QString& word : QueryWords(query)) {
        for (qsizetype at = searched.text.indexOf(word); at >= 0; at = searched.text.indexOf(word, at + word.size()))
            hits.emplace_back(searched.span[at].first, searched.span[at + word.size() - 1].second);
    }
    std::sort(hits.begin(), hits.end());
    return hits;
}

HelpPageText ReadHelpPage(const QString& file, const QString& html)
{
    // Qt's own reading of the page, the one the page view shows: positions
    // here are positions there.
    QTextDocument document;
    document.setHtml(html);
    HelpPageText page;
    page.file = file;
    page.title = document.metaInformation(QTextDocument::DocumentTitle).simplified();
    page.body = document.toPlainText();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level >= 1 && level <= 3)
            page.headings.emplace_back(block.position(), block.position() + block.length() - 1);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (const QString& name : fragment.charFormat().anchorNames())
                page.anchors.emplace_back(fragment.position(), name);
        }
    }
    return page;
}

void HelpSearchIndex::AddPage(const QString& file, const QString& html)
{
    Page page{ReadHelpPage(file, html), {}};
    page.searched = NormaliseForSearch(page.text.body);
    pages_.push_back(std::move(page));
}

void HelpSearchIndex::AddFolder(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            AddPage(name, QString::fromUtf8(file.readAll()));
    }
}

QString HelpSearchIndex::PageTitle(const QString& file) const
{
    for (const Page& page : pages_) {
        if (page.text.file == file && !page.text.title.isEmpty())
            return page.text.title;
    }
    return file;
}

std::vector<SearchResult> HelpSearchIndex::Search(const QString& query) const
{
    const QStringList words = QueryWords(query);
    std::vector<SearchResult> results;
    if (words.isEmpty())
        return results;
    for (const Page& page : pages_) {
        SearchResult result{page.text.file, QString(), page.text.title, 0, 0};
        qsizetype firstHit = -1;
        bool everyWord = true;
        for (const QString& word : words) {
            int found = 0;
            const QString& text = page.searched.text;
            for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size())) {
                const qsizetype where = page.searched.span[at].first;
                const bool inHeading =
                    std::any_of(page.text.headings.begin(), page.text.headings.end(),
                                [where](const auto& h) { return where >= h.first && where < h.second; });
                result.score += inHeading ? kHeadingWeight : 1;
                ++found;
                if (firstHit < 0 || where < firstHit)
                    firstHit = where;
            }
            if (found == 0) {
                everyWord = false;
                break;
            }
            result.hits += found;
        }
        if (!everyWord)
            continue;
        for (const auto& [position, name] : page.text.anchors) {
            if (position <= firstHit)
                result.anchor = name;
        }
        results.push_back(std::move(result));
    }
    std::stable_sort(results.begin(), results.end(), [](const SearchResult& a, const SearchResult& b) {
        return a.score != b.score ? a.score > b.score : a.hits > b.hits;
    });
    return results;
}

}  // namespace vadelon
