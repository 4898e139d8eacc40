#include "help_window/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

namespace vadelon {

namespace {

constexpr int kTargetRole = Qt::UserRole;

// The program's Japanese face, with IPAPGothic named as well for a program
// that has not installed the substitution.
QFont HelpFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPointSize(pointSize);
    return font;
}

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

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window), folder_(folder)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(kHelpWindowTitle);
    setAccessibleName(kHelpWindowTitle);
    setFont(HelpFont(10));
    index_.AddFolder(folder_);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    tabs_->setAccessibleName(QStringLiteral("ヘルプの探し方"));
    tabs_->addTab(BuildContentsTab(), QStringLiteral("目次(&C)"));
    tabs_->addTab(BuildKeywordTab(), QStringLiteral("キーワード(&K)"));
    tabs_->addTab(BuildSearchTab(), QStringLiteral("検索(&S)"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(tabs_);
    splitter->addWidget(BuildPageView());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 540});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);
    resize(800, 560);

    // Each tab's first control takes the focus when the tab is chosen.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        QWidget* first[] = {contents_, keywordEdit_, searchEdit_};
        first[tab]->setFocus();
    });
    setTabOrder(contents_, keywordEdit_);
    setTabOrder(keywordEdit_, keywordList_);
    setTabOrder(keywordList_, keywordShow_);
    setTabOrder(keywordShow_, searchEdit_);
    setTabOrder(searchEdit_, searchButton_);
    setTabOrder(searchButton_, resultList_);
    setTabOrder(resultList_, back_);
    setTabOrder(back_, forward_);
    setTabOrder(forward_, browser_);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    LoadContents();
    LoadKeywords();
    if (contents_->topLevelItemCount() > 0) {
        QTreeWidgetItem* first = contents_->topLevelItem(0);
        while (first->data(0, kTargetRole).toString().isEmpty() && first->childCount() > 0)
            first = first->child(0);
        contents_->setCurrentItem(first);
    }
    contents_->setFocus();
}

HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::BuildContentsTab()
{
    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("ContentsTree"));
    contents_->setAccessibleName(QStringLiteral("目次"));
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kTargetRole).toString().isEmpty())
            ShowPage(item->data(0, kTargetRole).toString());
    });
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kTargetRole).toString().isEmpty())
            ShowPage(item->data(0, kTargetRole).toString());
        else if (item)
            item->setExpanded(!item->isExpanded());
    });
    return contents_;
}

QWidget* HelpWindow::BuildKeywordTab()
{
    keywordEdit_ = new QLineEdit;
    keywordEdit_->setObjectName(QStringLiteral("KeywordEdit"));
    keywordEdit_->setAccessibleName(QStringLiteral("キーワードの入力"));
    keywordList_ = new QListWidget;
    keywordList_->setObjectName(QStringLiteral("KeywordList"));
    keywordList_->setAccessibleName(QStringLiteral("キーワードの一覧"));
    keywordShow_ = new QPushButton(QStringLiteral("表示(&D)"));
    keywordShow_->setObjectName(QStringLiteral("KeywordShow"));
    keywordShow_->setAccessibleName(QStringLiteral("選んだキーワードのページを表示"));

    connect(keywordEdit_, &QLineEdit::textChanged, this, &HelpWindow::FilterKeywords);
    connect(keywordEdit_, &QLineEdit::returnPressed, this, [this] { OpenKeyword(keywordList_->currentRow()); });
    connect(keywordList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenKeyword(keywordList_->row(item)); });
    connect(keywordShow_, &QPushButton::clicked, this, [this] { OpenKeyword(keywordList_->currentRow()); });
    // Up and down in the typed word move through the list.
    keywordEdit_->installEventFilter(this);

    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(BuddyLabel(QStringLiteral("探すキーワードを入力してください(&N):"), keywordEdit_));
    layout->addWidget(keywordEdit_);
    layout->addWidget(keywordList_, 1);
    layout->addWidget(keywordShow_, 0, Qt::AlignRight);
    return tab;
}

QWidget* HelpWindow::BuildSearchTab()
{
    searchEdit_ = new QLineEdit;
    searchEdit_->setObjectName(QStringLiteral("SearchEdit"));
    searchEdit_->setAccessibleName(QStringLiteral("検索する語句"));
    searchButton_ = new QPushButton(QStringLiteral("検索(&G)"));
    searchButton_->setObjectName(QStringLiteral("SearchButton"));
    searchButton_->setAccessibleName(QStringLiteral("検索"));
    resultCount_ = new QLabel;
    resultCount_->setObjectName(QStringLiteral("ResultCount"));
    resultList_ = new QListWidget;
    resultList_->setObjectName(QStringLiteral("ResultList"));
    resultList_->setAccessibleName(QStringLiteral("見つかったページ"));
    resultCount_->setBuddy(resultList_);

    connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { Search(searchEdit_->text()); });
    connect(searchButton_, &QPushButton::clicked, this, [this] { Search(searchEdit_->text()); });
    connect(resultList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            OpenResult(row);
    });
    connect(resultList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenResult(resultList_->row(item)); });

    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(BuddyLabel(QStringLiteral("検索する語句(&W):"), searchEdit_));
    auto* row = new QHBoxLayout;
    row->addWidget(searchEdit_, 1);
    row->addWidget(searchButton_);
    layout->addLayout(row);
    layout->addWidget(BuddyLabel(QStringLiteral("見つかったページ(&P):"), resultList_));
    layout->addWidget(resultList_, 1);
    layout->addWidget(resultCount_);
    return tab;
}

QWidget* HelpWindow::BuildPageView()
{
    back_ = new QPushButton(QStringLiteral("戻る(&B)"));
    back_->setObjectName(QStringLiteral("BackButton"));
    back_->setAccessibleName(QStringLiteral("前のページに戻る"));
    forward_ = new QPushButton(QStringLiteral("進む(&F)"));
    forward_->setObjectName(QStringLiteral("ForwardButton"));
    forward_->setAccessibleName(QStringLiteral("次のページに進む"));
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("PageView"));
    browser_->setAccessibleName(QStringLiteral("ヘルプのページ"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    browser_->document()->setDefaultFont(HelpFont(11));
    // <pre> and <code> would otherwise get the system's fixed font, which
    // has no Japanese.
    browser_->document()->setDefaultStyleSheet(QStringLiteral("pre, code, tt { font-family: IPAGothic; }"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        browser_->setExtraSelections({});
        SelectContentsEntry(url);
    });

    auto* view = new QWidget;
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    return view;
}

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
    if (watched == parentWidget() && event->type() == QEvent::Hide)
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
