// The help window's tabs and page view.
#include "help_window/help_window.h"

#include "fonts/fonts.h"
#include "help_window/help_page_view.h"
#include "help_window/page_links_accessible.h"
#include "platform/accessible_widgets.h"
#include "platform/beside_modal.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace vadelon {

namespace {

// The program's Japanese face, with IPAPGothic named as well for a program
// that has not installed the substitution.
QFont HelpFont(int pointSize)
{
    QFont font;
    font.setFamilies({kProportionalFamily, kProportionalSubstitute});
    font.setPointSize(pointSize);
    return font;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , folder_(folder)
{
    DescribeHelpWindow();
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
        if (first[tab] == contents_ && !pendingEntry_.isEmpty())
            SelectContentsEntry(std::exchange(pendingEntry_, QUrl()));
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
    // Usable beside the program's modal windows, as a help viewer of its own would be.
    new BesideModal(this);

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
    keywordEdit_->setMaxLength(static_cast<int>(kMaxQueryChars));
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
    // A query is bounded, so that no paste can make a search slow.
    searchEdit_->setMaxLength(static_cast<int>(kMaxQueryChars));
    searchEdit_->setAccessibleName(QStringLiteral("検索する語句"));
    searchButton_ = new QPushButton(QStringLiteral("検索(&G)"));
    searchButton_->setObjectName(QStringLiteral("SearchButton"));
    searchButton_->setAccessibleName(QStringLiteral("検索"));
    resultCount_ = new QLabel;
    resultCount_->setObjectName(QStringLiteral("ResultCount"));
    countNote_ = new SpokenNote(resultCount_);
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
    browser_ = new HelpPageView;
    browser_->setObjectName(QStringLiteral("PageView"));
    browser_->setAccessibleName(QStringLiteral("ヘルプのページ"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    browser_->document()->setDefaultFont(HelpFont(11));
    // <pre> and <code> would otherwise get the system's fixed font, which
    // has no Japanese.
    browser_->document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: %1; }").arg(kFixedSubstitute));
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

}  // namespace vadelon
