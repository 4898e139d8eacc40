#pragma once
// Full-text search over the manual's pages. Japanese puts no blanks between
// words, so no word list is built: the manual is small, and each query word is
// looked for as a substring of each page's text, both brought to one form
// first (NFKC, case folded, blanks dropped; "Shift-JIS", "shift jis",
// "シフトJIS" and "シフト JIS" all alike).
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vadelon {

// Text in the searched form; span[i] is the range in the source that text[i] came from.
struct SearchText {
    QString text;
    std::vector<std::pair<qsizetype, qsizetype>> span;
};
SearchText NormaliseForSearch(const QString& source);

// The query's words (split at blanks), each in the searched form.
QStringList QueryWords(const QString& query);

// Every occurrence in source of every word of the query, as [start, end)
// ranges of source, in order of start.
std::vector<std::pair<qsizetype, qsizetype>> FindQueryHits(const QString& source, const QString& query);

// A page reduced to what the search needs.
struct HelpPageText {
    QString file;                                           // "eras.html"
    QString title;                                          // of <title>
    QString body;                                           // the text as the page view holds it
    std::vector<std::pair<qsizetype, qsizetype>> headings;  // h1 to h3, ranges of body
    std::vector<std::pair<qsizetype, QString>> anchors;     // position in body, name
};
HelpPageText ReadHelpPage(const QString& file, const QString& html);

struct SearchResult {
    QString file;
    QString anchor;  // the section of the first hit; empty: the top of the page
    QString title;
    int score = 0;  // hits, a hit in a heading counting kHeadingWeight
    int hits = 0;
};

class HelpSearchIndex {
public:
    static constexpr int kHeadingWeight = 5;

    void AddPage(const QString& file, const QString& html);
    // Every *.html file of folder.
    void AddFolder(const QString& folder);
    // The pages that hold every word of the query, best first.
    std::vector<SearchResult> Search(const QString& query) const;
    qsizetype PageCount() const { return static_cast<qsizetype>(pages_.size()); }
    // The title of a page, or the file name when it has none or is not indexed.
    QString PageTitle(const QString& file) const;

private:
    struct Page {
        HelpPageText text;
        SearchText searched;
    };
    std::vector<Page> pages_;
};

}  // namespace vadelon
