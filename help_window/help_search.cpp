#include "help_window/help_search.h"

#include "help_window/manual_files.h"

#include <QDir>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace vadelon {

namespace {

// Every start of form in text, in order, counted in work.
template <typename Visit>
void ForEachOccurrence(const QString& text, const QString& form, SearchWork& work, Visit visit)
{
    ++work.passes;
    for (qsizetype at = text.indexOf(form); at >= 0; at = text.indexOf(form, at + form.size())) {
        ++work.hits;
        visit(at);
    }
}

void AddUnique(QStringList& list, const QStringList& more)
{
    for (const QString& form : more) {
        if (!list.contains(form))
            list << form;
    }
}

}  // namespace

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

std::vector<std::pair<qsizetype, qsizetype>> FindQueryHits(const QString& source, const std::vector<QueryTerm>& terms)
{
    const SearchText searched = NormaliseForSearch(source);
    SearchWork work;
    std::vector<std::pair<qsizetype, qsizetype>> hits;
    for (const QueryTerm& term : terms) {
        for (const QString& form : term) {
            ForEachOccurrence(searched.text, form, work, [&](qsizetype at) {
                hits.emplace_back(searched.span[static_cast<std::size_t>(at)].first,
                                  searched.span[static_cast<std::size_t>(at + form.size() - 1)].second);
            });
        }
    }
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    if (static_cast<qsizetype>(hits.size()) > kMaxHighlights)
        hits.resize(static_cast<std::size_t>(kMaxHighlights));
    return hits;
}

void HelpSearchIndex::AddPage(const QString& file, const QString& html)
{
    Page page{ReadHelpPage(file, html), {}, {}};
    page.searched = NormaliseForSearch(page.text.body);
    AttachKeywords(page);
    pages_.push_back(std::move(page));
}

void HelpSearchIndex::AddFolder(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        if (const std::optional<QString> html = ReadManualPage(dir.filePath(name)))
            AddPage(name, *html);
    }
}

void HelpSearchIndex::SetKeywords(const std::vector<HelpKeyword>& keywords)
{
    keywords_ = keywords;
    forms_.clear();
    for (Page& page : pages_)
        AttachKeywords(page);

    // The keywords of each reading, with the reading itself.
    QHash<QString, QStringList> byReading;
    for (const HelpKeyword& keyword : keywords_) {
        for (const QString& reading : keyword.readings) {
            QStringList& group = byReading[SearchForm(reading)];
            AddUnique(group, {SearchForm(keyword.keyword), SearchForm(reading)});
        }
    }
    for (const HelpKeyword& keyword : keywords_) {
        const QString form = SearchForm(keyword.keyword);
        AddUnique(forms_[form], {form});
        for (const QString& reading : keyword.readings) {
            const QStringList& group = byReading[SearchForm(reading)];
            AddUnique(forms_[form], group);
            AddUnique(forms_[SearchForm(reading)], group);
        }
    }
}

void HelpSearchIndex::AttachKeywords(Page& page) const
{
    page.keywords.clear();
    for (const HelpKeyword& keyword : keywords_) {
        if (keyword.target.section(u'#', 0, 0) == page.text.file)
            page.keywords.emplace_back(SearchForm(keyword.keyword), keyword.target.section(u'#', 1));
    }
}

std::vector<QueryTerm> HelpSearchIndex::Terms(const QString& query) const
{
    QStringView bounded = QStringView(query).left(kMaxQueryChars);
    if (!bounded.isEmpty() && bounded.back().isHighSurrogate())
        bounded.chop(1);
    std::vector<QueryTerm> terms;
    // Any blank parts words, the full-width space of Japanese input among them.
    for (const QString& word : bounded.toString().simplified().split(u' ', Qt::SkipEmptyParts)) {
        const QString form = SearchForm(word);
        if (form.isEmpty() ||
            std::any_of(terms.begin(), terms.end(), [&form](const QueryTerm& term) { return term.front() == form; }))
            continue;
        QueryTerm term{form};
        AddUnique(term, forms_.value(form));
        terms.push_back(term.mid(0, kMaxWordForms));
    }
    return terms;
}

QString HelpSearchIndex::PageTitle(const QString& file) const
{
    for (const Page& page : pages_) {
        if (page.text.file == file && !page.text.title.isEmpty())
            return page.text.title;
    }
    return file;
}

std::vector<SearchResult> HelpSearchIndex::Search(const QString& query, SearchWork* work) const
{
    SearchWork counted;
    const std::vector<QueryTerm> terms = Terms(query);
    std::vector<SearchResult> results;
    for (const Page& page : pages_) {
        if (terms.empty())
            break;
        SearchResult result{page.text.file, QString(), page.text.title, 0, 0};
        qsizetype firstHit = -1;
        QString keywordAnchor;
        bool everyWord = true;
        for (const QueryTerm& term : terms) {
            int found = 0;
            for (const QString& form : term) {
                // Hits come in order: one walk through the headings serves them all.
                auto heading = page.text.headings.begin();
                ForEachOccurrence(page.searched.text, form, counted, [&](qsizetype at) {
                    const qsizetype where = page.searched.span[static_cast<std::size_t>(at)].first;
                    while (heading != page.text.headings.end() && heading->second <= where)
                        ++heading;
                    const bool inHeading = heading != page.text.headings.end() && heading->first <= where;
                    result.score += inHeading ? kHeadingWeight : 1;
                    ++found;
                    if (firstHit < 0 || where < firstHit)
                        firstHit = where;
                });
                for (const auto& [keyword, anchor] : page.keywords) {
                    if (keyword != form)
                        continue;
                    result.score += kHeadingWeight;
                    ++found;
                    if (keywordAnchor.isEmpty())
                        keywordAnchor = anchor;
                }
            }
            if (found == 0) {
                everyWord = false;
                break;
            }
            result.hits += found;
        }
        if (!everyWord)
            continue;
        if (firstHit < 0) {
            result.anchor = keywordAnchor;
        } else {
            for (const auto& [position, name] : page.text.anchors) {
                if (position <= firstHit)
                    result.anchor = name;
            }
        }
        results.push_back(std::move(result));
    }
    std::stable_sort(results.begin(), results.end(), [](const SearchResult& a, const SearchResult& b) {
        return a.score != b.score ? a.score > b.score : a.hits > b.hits;
    });
    if (work)
        *work = counted;
    return results;
}

}  // namespace vadelon
