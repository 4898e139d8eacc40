#include "help_window/help_window.h"

#include "help_window/help_location.h"
#include "help_window/manual_files.h"
#include "platform/accessible_widgets.h"
#include "platform/window_setup.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <map>
#include <set>

namespace vadelon {

namespace {

constexpr int kBesideGap = 8;  // between the calculator and the help beside it

QStringList ReadLines(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadManualFile(path);
    if (!bytes)
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(*bytes).split(u'\n')) {
        QString text = line;
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (!text.trimmed().isEmpty() && !text.startsWith(u'#'))
            lines << text;
    }
    return lines;
}

}  // namespace

void HelpWindow::LoadContents()
{
    std::vector<QTreeWidgetItem*> parents;
    for (const QString& line : ReadLines(QDir(folder_).filePath(kHelpContentsFile))) {
        qsizetype indent = 0;
        while (indent < line.size() && line[indent] == u' ')
            ++indent;
        const auto depth = static_cast<std::size_t>(indent / 2);
        const QStringList fields = line.mid(indent).split(u'\t');
        parents.resize(std::min(depth, parents.size()));
        auto* item = parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, fields.value(0).trimmed());
        item->setData(0, kTargetRole, fields.value(1).trimmed());
        parents.push_back(item);
    }
    // Only the entries that hold others open: a page's entry is no branch,
    // and a screen reader would read it as one ("expanded").
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if ((*it)->childCount() > 0)
            (*it)->setExpanded(true);
    }
}

void HelpWindow::LoadKeywords()
{
    const std::optional<QByteArray> bytes = ReadManualFile(QDir(folder_).filePath(kHelpKeywordsFile));
    std::vector<HelpKeyword> keywords = ParseHelpKeywords(bytes ? QString::fromUtf8(*bytes) : QString());
    index_.SetKeywords(keywords);
    SortByReading(keywords);

    // A keyword listed for several pages names the page; a page is listed once per keyword.
    std::map<QString, QStringList> pagesOf;
    for (const HelpKeyword& keyword : keywords) {
        QStringList& pages = pagesOf[keyword.keyword];
        const QString page = keyword.target.section(u'#', 0, 0);
        if (!pages.contains(page))
            pages << page;
    }
    std::set<std::pair<QString, QString>> listed;  // keyword, page
    for (const HelpKeyword& keyword : keywords) {
        const QString page = keyword.target.section(u'#', 0, 0);
        if (!listed.emplace(keyword.keyword, page).second)
            continue;
        const bool several = pagesOf[keyword.keyword].size() > 1;
        const QString shown =
            several ? QStringLiteral("%1（%2）").arg(keyword.keyword, index_.PageTitle(page)) : keyword.keyword;
        QStringList forms{SearchForm(keyword.keyword)};
        for (const QString& reading : keyword.readings)
            forms << SearchForm(reading);
        keywords_.push_back({keyword, shown, forms});
    }
    FilterKeywords(QString());
}

void HelpWindow::FilterKeywords(const QString& typed)
{
    // The keyword or one of its readings: first those that start with what
    // was typed, then those that hold it.
    const QString wanted = SearchForm(QStringView(typed).left(kMaxQueryChars));
    std::vector<const ListedKeyword*> starting, containing;
    for (const ListedKeyword& listed : keywords_) {
        if (std::any_of(listed.forms.begin(), listed.forms.end(),
                        [&wanted](const QString& form) { return form.startsWith(wanted); }))
            starting.push_back(&listed);
        else if (std::any_of(listed.forms.begin(), listed.forms.end(),
                             [&wanted](const QString& form) { return form.contains(wanted); }))
            containing.push_back(&listed);
    }
    starting.insert(starting.end(), containing.begin(), containing.end());

    keywordList_->clear();
    for (const ListedKeyword* listed : starting) {
        auto* item = new QListWidgetItem(listed->shown);
        item->setData(kTargetRole, listed->keyword.target);
        // How the keyword reads, by which it is listed.
        item->setToolTip(listed->keyword.readings.isEmpty() ? listed->keyword.keyword
                                                            : listed->keyword.readings.join(u'、'));
        keywordList_->addItem(item);
    }
    if (keywordList_->count() > 0)
        keywordList_->setCurrentRow(0);
}

void HelpWindow::OpenKeyword(int row)
{
    if (QListWidgetItem* item = keywordList_->item(row))
        ShowPage(item->data(kTargetRole).toString());
}

void HelpWindow::Search(const QString& query)
{
    lastQuery_ = query.left(kMaxQueryChars);
    results_ = index_.Search(query);
    const QSignalBlocker blocker(resultList_);
    resultList_->clear();
    for (const SearchResult& result : results_)
        resultList_->addItem(result.title.isEmpty() ? result.file : result.title);
    resultCount_->setText(results_.empty() ? QStringLiteral("見つかりませんでした。")
                                           : QStringLiteral("%1 ページ見つかりました。").arg(results_.size()));
    countNote_->Say(resultCount_->text());
    if (results_.empty()) {
        // The page stays, without the marks of an earlier search.
        browser_->setExtraSelections({});
        return;
    }
    resultList_->setCurrentRow(0);
    OpenResult(0);
}

void HelpWindow::OpenResult(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= results_.size())
        return;
    const SearchResult& result = results_[static_cast<std::size_t>(row)];
    ShowPage(result.anchor.isEmpty() ? result.file : result.file + u'#' + result.anchor);
    Highlight(lastQuery_);
}

QUrl HelpWindow::PageUrl(const QString& target) const
{
    QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(target.section(u'#', 0, 0)));
    const QString anchor = target.section(u'#', 1);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

void HelpWindow::ShowPage(const QString& target)
{
    const QUrl url = PageUrl(target);
    if (browser_->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment)) {
        // Same page: only move to the section (setSource would not reload).
        browser_->setExtraSelections({});
        if (url.hasFragment())
            browser_->scrollToAnchor(url.fragment());
        else
            browser_->verticalScrollBar()->setValue(0);
        return;
    }
    browser_->setSource(url);
}

void HelpWindow::Highlight(const QString& query)
{
    QTextDocument* document = browser_->document();
    QList<QTextEdit::ExtraSelection> selections;
    QTextCharFormat format;
    format.setBackground(QColor(0xff, 0xe0, 0x60));
    format.setForeground(Qt::black);
    for (const auto& [start, end] : FindQueryHits(document->toPlainText(), index_.Terms(query))) {
        QTextCursor cursor(document);
        cursor.setPosition(static_cast<int>(start));
        cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        selections.append({cursor, format});
    }
    browser_->setExtraSelections(selections);
}

QStringList HelpWindow::HighlightedTexts() const
{
    QStringList texts;
    for (const QTextEdit::ExtraSelection& selection : browser_->extraSelections())
        texts << selection.cursor.selectedText();
    return texts;
}

void HelpWindow::SelectContentsEntry(const QUrl& url)
{
    if (tabs_->currentWidget() != contents_) {
        pendingEntry_ = url;
        return;
    }
    pendingEntry_.clear();
    const QString file = url.fileName();
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QString target = (*it)->data(0, kTargetRole).toString();
        if (target.section(u'#', 0, 0) != file)
            continue;
        if (target.section(u'#', 1) == url.fragment()) {
            best = *it;
            break;
        }
        if (!best)
            best = *it;
    }
    if (best && best != contents_->currentItem()) {
        const QSignalBlocker blocker(contents_);
        contents_->setCurrentItem(best);
    }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == keywordEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int row = keywordList_->currentRow() + (key == Qt::Key_Up ? -1 : 1);
            if (row >= 0 && row < keywordList_->count())
                keywordList_->setCurrentRow(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

HelpViewer::~HelpViewer()
{
    delete window_;
}

QStringList HelpViewer::Show(const QString& helpFile, const QString& page)
{
    QStringList looked;
    for (const QString& folder : HelpFolderCandidates(helpFile)) {
        // A contents file that is no regular file (a link to a device) is no manual.
        if (QFileInfo(QDir(folder).filePath(kHelpContentsFile)).isFile()) {
            PresentHelpWindow(window_, folder, beside_);
            if (!page.isEmpty())
                window_->ShowPage(page);
            return {};
        }
        looked << QDir::toNativeSeparators(QDir(folder).filePath(kHelpContentsFile));
    }
    return looked;
}

void PresentHelpWindow(QPointer<HelpWindow>& window, const QString& folder, const QWidget* beside)
{
    if (!window) {
        window = new HelpWindow(folder);
        // Closing the calculator window still ends the program.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        // The user's own place for it is kept from then on.
        if (beside && beside->isVisible())
            PlaceBeside(*window, *beside, kBesideGap);
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vadelon
