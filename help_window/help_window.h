#pragma once
// The help window: the manual's contents, keyword index and full-text search
// beside the page view, with back and forward and the links between pages.
// The program keeps one, modeless (PresentHelpWindow), and it stays usable
// beside the program's modal windows, as a help viewer of its own would.
#include "help_window/help_keywords.h"
#include "help_window/help_search.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace vadelon {

class SpokenNote;

inline const QString kHelpWindowTitle = QStringLiteral("ヘルプ トピック: ヴァデロン1.0");

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // folder: the manual, with contents.txt, keywords.txt and the pages.
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // target: "page.html" or "page.html#anchor", relative to the folder.
    void ShowPage(const QString& target);
    // Lists the pages that hold every word of the query and shows the first.
    void Search(const QString& query);
    // Shows the page of a result with every hit of the last search highlighted.
    void OpenResult(int row);
    void FilterKeywords(const QString& typed);
    void OpenKeyword(int row);

    QTabWidget* Tabs() const { return tabs_; }
    QTreeWidget* ContentsTree() const { return contents_; }
    QLineEdit* KeywordEdit() const { return keywordEdit_; }
    QListWidget* KeywordList() const { return keywordList_; }
    QLineEdit* SearchEdit() const { return searchEdit_; }
    QPushButton* SearchButton() const { return searchButton_; }
    QListWidget* ResultList() const { return resultList_; }
    QTextBrowser* Browser() const { return browser_; }
    const HelpSearchIndex& Index() const { return index_; }
    // The texts highlighted in the page view, in order.
    QStringList HighlightedTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a contents or keyword item keeps the page it opens.
    static constexpr int kTargetRole = Qt::UserRole;

    QWidget* BuildContentsTab();
    QWidget* BuildKeywordTab();
    QWidget* BuildSearchTab();
    QWidget* BuildPageView();
    void LoadContents();
    void LoadKeywords();
    QUrl PageUrl(const QString& target) const;
    void Highlight(const QString& query);
    void SelectContentsEntry(const QUrl& url);

    QString folder_;
    HelpSearchIndex index_;
    struct ListedKeyword {
        HelpKeyword keyword;
        QString shown;      // the keyword, with its page's title when it is listed more than once
        QStringList forms;  // keyword and readings in the searched form
    };
    std::vector<ListedKeyword> keywords_;  // in 五十音順
    std::vector<SearchResult> results_;
    QString lastQuery_;

    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* keywordEdit_ = nullptr;
    QListWidget* keywordList_ = nullptr;
    QPushButton* keywordShow_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QLabel* resultCount_ = nullptr;
    SpokenNote* countNote_ = nullptr;  // says how many pages a search found
    // The contents entry of the page shown, kept while the contents tab is
    // not the one shown: selected in a hidden tree, it would draw a screen
    // reader's focus there.
    QUrl pendingEntry_;
    QListWidget* resultList_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

// Shows the program's one help window, made on the manual in folder when there
// is none yet (then beside the window beside, when given), and raises it.
void PresentHelpWindow(QPointer<HelpWindow>& window, const QString& folder, const QWidget* beside = nullptr);

// The program's help viewer: the one help window, on the manual found for a
// help file's name (see HelpFolderCandidates).
class HelpViewer {
public:
    HelpViewer() = default;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    ~HelpViewer();

    // Shows the help window, at a page ("page.html" or "page.html#anchor")
    // when given; the contents files looked for when no manual was found.
    QStringList Show(const QString& helpFile, const QString& page = {});
    // The window the help window first opens beside (the calculator), so as
    // not to cover it.
    void OpenBeside(const QWidget* window) { beside_ = window; }

private:
    QPointer<HelpWindow> window_;
    QPointer<const QWidget> beside_;
};

}  // namespace vadelon
