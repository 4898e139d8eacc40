#pragma once
// What the program asks of the desktop: message boxes, sounds, today's date,
// the help viewer, file dialogs, the default printer, and running a window
// modally. Windows take a Platform& so that tests can script every answer
// instead of blocking in a nested event loop.
#include <QDate>
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace vadelon {

inline const QString kAppTitle = QStringLiteral("ヴァデロン1.0");
// The manual: a folder under the data folders (share/vadelon/help).
inline const QString kHelpFile = QStringLiteral("vadelon/help");
inline const QString kTextFileFilter = QStringLiteral("テキストファイル|*.txt|すべてのファイル|*.*");

enum class BeepType { Default = 0, Exclamation = 48 };
enum class SaveAnswer { Yes, No, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    // Plain message box: the text, one OK button, kAppTitle as caption, no icon.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // Generic error box: kAppTitle, the error icon, OK; the text as ErrorBoxText gives it.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
    // The warning question "警告" with はい(&Y) (default), いいえ(&N), キャンセル;
    // Esc and the close box answer Cancel.
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) = 0;

    virtual void Beep(BeepType type) = 0;
    virtual QDate Today() = 0;

    // The help-topics finder of the manual helpFile: contents, keywords, search.
    virtual void ShowHelpFinder(QWidget* parent, const QString& helpFile) = 0;

    // filter in the "name|pattern|name|pattern" form; nullopt when cancelled.
    virtual std::optional<QString> GetOpenFileName(QWidget* parent, const QString& initialName,
                                                   const QString& filter) = 0;
    // Asks before an existing file is replaced; nullopt when cancelled.
    virtual std::optional<QString> GetSaveFileName(QWidget* parent, const QString& proposedName,
                                                   const QString& filter) = 0;

    // The default printer, or null when none is set up.
    virtual std::unique_ptr<QPrinter> DefaultPrinter() = 0;

    // Shows window modally and returns once it has been hidden again.
    virtual void RunModal(QWidget* window) = 0;
};

// The generic error box's text: "." appended when the last character sorts
// after "." (a message ending in kanji or kana gets it).
QString ErrorBoxText(const QString& message);

// "テキストファイル|*.txt|..." as a file dialog's name filters ("テキストファイル (*.txt)", ...).
QStringList FileDialogFilters(const QString& filter);

}  // namespace vadelon
