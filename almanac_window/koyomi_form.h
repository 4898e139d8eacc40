#pragma once
// The almanac text window: a small plain-text editor that shows the almanac
// report and opens, saves and prints Shift-JIS text files.
#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace vadelon {

class Platform;

class TKoyomiForm : public QMainWindow {
    Q_OBJECT
public:
    // hintSink receives the hints of this window's menu items and tool
    // buttons (the calculator window's DisplayHint).
    TKoyomiForm(Platform& platform, std::function<void(const QString&)> hintSink,
                QWidget* parent = nullptr);
    ~TKoyomiForm() override;

    // The four operations the almanac report uses, in this order.
    void ClearText();
    void AppendLine(const QString& line);
    void SetCaption(const QString& caption);
    void ShowModal();  // returns once the window has been closed

    // The rest (editor, menus, tool bar, commands) is the window's own.

    // The caption as the program set it (the document's name).
    QString Caption() const { return caption_; }
    bool SaveCancelled() const { return saveCancelled_; }
    QPlainTextEdit* Editor() const { return RichEdit1; }
    // The editor's text as its list of lines, joined by '\n'.
    QString Text() const;

    void UpdateEditCommands();
    // The save question; its outcome is SaveCancelled().
    void AskSaveChanges();

    // Commands; every menu item, popup item and tool button of one command
    // is connected to the same one.
    void OpenTextFile();
    void SaveAs1Click();
    void Print1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void SelectAll1Click();
    void SearchforHelpOn1Click();
    void Exit1Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

private:
    void BuildMenus();
    void BuildToolBar();
    QToolButton* AddToolButton(const char* name, int picture, const QString& hint,
                               void (TKoyomiForm::*command)());
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                         void (TKoyomiForm::*command)());
    // Writes the text to path in the file format; shows the error box and
    // returns false when nothing could be written.
    bool WriteTextTo(const QString& path);
    bool FormCloseQuery();

    Platform& platform_;
    std::function<void(const QString&)> hintSink_;
    QString caption_;
    bool saveCancelled_ = false;
    bool shownBefore_ = false;
    int appendedLines_ = 0;  // since the last ClearText
    std::optional<QString> lastOpenName_;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    QToolButton* ToolButton7 = nullptr;
    QToolButton* ToolButton8 = nullptr;
    QToolButton* ToolButton9 = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* Cut2 = nullptr;
    QAction* C1 = nullptr;
    QAction* Paste2 = nullptr;
    QAction* Delete2 = nullptr;
};

}  // namespace vadelon
