#pragma once
// Full-text search over the manual's pages. Japanese puts no blanks between
// words, so no word list is built: the manual is small, and each query word is
// looked for as a substring of each page's text, both in the searched form
// (search_text.h). The keyword index lends the search its readings: a query
// word that is a keyword or a reading is also looked for in the other forms
// of that reading, and matches the pages its keywords point to.
//
// A query costs at most a fixed number of passes over each page, whatever was
// typed or pasted: the query is cut to kMaxQueryChars, a word that comes twice
// is looked for once, and a word has at most kMaxWordForms forms.
#include "help_window/help_keywords.h"
#include "help_window/search_text.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vadelon {

inline constexpr qsizetype kMaxQueryChars = 64;
inline constexpr qsizetype kMaxWordForms = 8;
// Hits highlighted on one page; the rest are found and counted all the same.
inline constexpr qsizetype kMaxHighlights = 500;

// A page reduced to what the search needs.
struct HelpPageText {
    QString file;                                           // "eras.html"
    QString title;                                          // of <title>
    QString body;                                           // the text as the page view holds it
    std::vector<std::pair<qsizetype, qsizetype>> headings;  // h1 to h3, ranges of body
    std::vector<std::pair<qsizetype, QString>> anchors;     // position in body, name
};
HelpPageText ReadHelpPage(const QString& file, const QString& html);

// One word of a query: the forms it is found by, in the searched form, the word itself first.
using QueryTerm = QStringList;

// Every occurrence in source of a form of the terms, as [start, end) ranges
// of source in order of start; at most kMaxHighlights of them.
std::vector<std::pair<qsizetype, qsizetype>> FindQueryHits(const QString& source, const std::vector<QueryTerm>& terms);

struct SearchResult {
    QString file;
    QString anchor;  // the section of the first hit; empty: the top of the page
    QString title;
    int score = 0;  // hits, a hit in a heading or a keyword counting kHeadingWeight
    int hits = 0;
};

// What a search did, to show that it is bounded.
struct SearchWork {
    qsizetype passes = 0;  // scans of one page's text for one form
    qsizetype hits = 0;    // occurrences looked at
};

class HelpSearchIndex {
public:
    static constexpr int kHeadingWeight = 5;

    void AddPage(const QString& file, const QString& html);
    // Every *.html file of folder that can be read within the manual's limits.
    void AddFolder(const QString& folder);
    void SetKeywords(const std::vector<HelpKeyword>& keywords);

    // The query's words, cut and without repeats, each with its forms.
    std::vector<QueryTerm> Terms(const QString& query) const;
    // The pages that hold every word of the query (in any of its forms, or
    // as a keyword pointing to them), best first.
    std::vector<SearchResult> Search(const QString& query, SearchWork* work = nullptr) const;

    qsizetype PageCount() const { return static_cast<qsizetype>(pages_.size()); }
    // The title of a page, or the file name when it has none or is not indexed.
    QString PageTitle(const QString& file) const;

private:
    struct Page {
        HelpPageText text;
        SearchText searched;
        std::vector<std::pair<QString, QString>> keywords;  // searched form, anchor
    };
    void AttachKeywords(Page& page) const;

    std::vector<Page> pages_;
    std::vector<HelpKeyword> keywords_;
    // A keyword or reading in the searched form → every form that shares a reading with it.
    QHash<QString, QStringList> forms_;
};

}  // namespace vadelon
