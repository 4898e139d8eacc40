#pragma once
// The almanac text window: a small plain-text editor that shows the almanac
// report and opens, saves and prints Shift-JIS text files.
#include <QMainWindow>
#include <QStringList>
#include <array>
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

enum class ToolPicture;
class Platform;

// What enables an editing command's controls in the almanac window.
enum class EditEnabling { ClipboardHasText, Selection };

class TKoyomiForm : public QMainWindow {
    Q_OBJECT
public:
    // hintSink receives the hints of this window's menu items and tool
    // buttons (the calculator window's DisplayHint).
    TKoyomiForm(Platform& platform, std::function<void(const QString&)> hintSink, QWidget* parent = nullptr);
    ~TKoyomiForm() override;

    // The four operations the almanac report uses, in this order.
    void ClearText();
    void AppendLine(const QString& line);
    void SetCaption(const QString& caption);
    void ShowModal();  // returns once the window has been closed
    // The four in their order: the report's lines under its title; the
    // status bar meanwhile shows note (its long form, detail, as the tooltip).
    void ShowReport(const QStringList& lines, const QString& title, const QString& note = {},
                    const QString& detail = {});
    // The status bar's note beside a report; cleared with the editor and by Open.
    void SetReportNote(const QString& note, const QString& detail);
    QString ReportNote() const;

    // The rest (editor, menus, tool bar, commands) is the window's own.

    // The caption as the program set it (the document's name).
    QString Caption() const { return caption_; }
    QPlainTextEdit* Editor() const { return RichEdit1; }
    // The editor's text as its list of lines, joined by '\n'.
    QString Text() const;

    void UpdateEditCommands();
    // The save question, with the save step when the answer is はい: true when
    // the command that asked may go on (the text saved, or to be discarded),
    // false when it must stop (キャンセル, or the text could not be saved).
    [[nodiscard]] bool AskSaveChanges();

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
    void closeEvent(QCloseEvent* event) override;    // FormCloseQuery
    void resizeEvent(QResizeEvent* event) override;  // the note's tooltip follows the width

private:
    void BuildMenus();
    void BuildToolBar();
    QToolButton* AddToolButton(const char* objectName, const QString& name, ToolPicture picture, const QString& hint,
                               void (TKoyomiForm::*command)());
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                         void (TKoyomiForm::*command)());
    // Writes the text to path in the file format; shows the error box and
    // returns false when nothing could be written.
    bool WriteTextTo(const QString& path);
    // The name the save dialog offers: the caption, with ".txt" unless it has it.
    QString OfferedFileName() const;
    bool FormCloseQuery();
    // The note's detail as a tooltip wrapped to the window's width.
    void UpdateNoteTooltip();

    Platform& platform_;
    std::function<void(const QString&)> hintSink_;
    QString caption_;
    QString noteDetail_;  // the status bar's note in its long form, lines joined by '\n'
    bool shownBefore_ = false;
    int appendedLines_ = 0;  // since the last ClearText
    std::optional<QString> lastOpenName_;

    // An editing command's three controls, enabled together by its rule.
    struct EditCommandControls {
        EditEnabling rule = EditEnabling::Selection;
        QAction* menuItem = nullptr;
        QAction* popupItem = nullptr;
        QToolButton* toolButton = nullptr;
    };

    QToolBar* ToolBar1 = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* SolarTermNote = nullptr;  // the status bar's one text
    QMenu* PopupMenu1 = nullptr;
    // Cut, Copy, Paste and Delete, in the order of the menus.
    std::array<EditCommandControls, 4> editCommands_;
};

}  // namespace vadelon
