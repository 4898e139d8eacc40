#include "help_window/help_window.h"

#include "help_window/help_location.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

namespace vadelon {

namespace {

QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
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
    for (const QString& line : ReadLines(QDir(folder_).filePath(QStringLiteral("contents.txt")))) {
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
    contents_->expandAll();
}

void HelpWindow::LoadKeywords()
{
    for (const QString& line : ReadLines(QDir(folder_).filePath(QStringLiteral("keywords.txt")))) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() >= 2)
            keywords_.emplace_back(fields[0].trimmed(), fields[1].trimmed());
    }
    FilterKeywords(QString());
}

void HelpWindow::FilterKeywords(const QString& typed)
{
    // A keyword with several targets is listed once for each, with the page's title.
    const QString wanted = NormaliseForSearch(typed).text;
    std::vector<std::size_t> starting, containing;
    for (std::size_t i = 0; i < keywords_.size(); ++i) {
        const QString keyword = NormaliseForSearch(keywords_[i].first).text;
        if (keyword.startsWith(wanted))
            starting.push_back(i);
        else if (keyword.contains(wanted))
            containing.push_back(i);
    }
    starting.insert(starting.end(), containing.begin(), containing.end());

    keywordList_->clear();
    for (std::size_t i : starting) {
        const auto& [keyword, target] = keywords_[i];
        const auto same = std::count_if(keywords_.begin(), keywords_.end(),
                                        [&](const auto& other) { return other.first == keyword; });
        const QString title = index_.PageTitle(target.section(u'#', 0, 0));
        auto* item = new QListWidgetItem(same > 1 ? QStringLiteral("%1（%2）").arg(keyword, title) : keyword);
        item->setData(kTargetRole, target);
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
    lastQuery_ = query;
    results_ = index_.Search(query);
    const QSignalBlocker blocker(resultList_);
    resultList_->clear();
    for (const SearchResult& result : results_)
        resultList_->addItem(result.title.isEmpty() ? result.file : result.title);
    resultCount_->setText(results_.empty() ? QStringLiteral("見つかりませんでした。")
                                           : QStringLiteral("%1 ページ見つかりました。").arg(results_.size()));
    if (!results_.empty()) {
        resultList_->setCurrentRow(0);
        OpenResult(0);
    }
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
    for (const auto& [start, end] : FindQueryHits(document->toPlainText(), query)) {
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
    // Minimising sends a Hide too, but leaves the window shown: the help stays
    // with it until it is really closed.
    if (watched == parentWidget() && event->type() == QEvent::Hide && parentWidget()->isHidden())
        LeaveModalWindow();
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::StayUsableBeside(QWidget* modal)
{
    if (!modal || modal == parentWidget() || modal == this)
        return;
    const QRect frame = geometry();
    const bool placed = testAttribute(Qt::WA_WState_Created);
    if (QWidget* old = parentWidget())
        old->removeEventFilter(this);
    setParent(modal, windowFlags() | Qt::Window);
    if (placed)
        setGeometry(frame);
    modal->installEventFilter(this);
}

void HelpWindow::LeaveModalWindow()
{
    // The window that owned us closes; the help stays where the user left it.
    // Its Hide arrives before the owned windows are hidden.
    const bool shown = isVisible();
    const QRect frame = geometry();
    parentWidget()->removeEventFilter(this);
    setParent(nullptr, windowFlags() | Qt::Window);
    setGeometry(frame);
    if (shown)
        show();
}

HelpViewer::~HelpViewer()
{
    delete window_;  // null when the window that owned it took it along
}

QStringList HelpViewer::Show(const QString& helpFile)
{
    QStringList looked;
    for (const QString& folder : HelpFolderCandidates(helpFile)) {
        if (QFileInfo::exists(QDir(folder).filePath(kHelpContentsFile))) {
            PresentHelpWindow(window_, folder);
            return {};
        }
        looked << QDir::toNativeSeparators(QDir(folder).filePath(kHelpContentsFile));
    }
    return looked;
}

void PresentHelpWindow(QPointer<HelpWindow>& window, const QString& folder)
{
    if (!window) {
        window = new HelpWindow(folder);
        // Closing the calculator window still ends the program.
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        window->StayUsableBeside(modal);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vadelon
