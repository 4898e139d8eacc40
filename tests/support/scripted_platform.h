#pragma once
// A Platform whose every answer the test decides beforehand, and which
// records what the program showed and sounded.
#include "platform/platform.h"

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace vadelon::testing {

struct ShownBox {
    enum Kind { Message, Error, SaveQuestion } kind;
    QString text;  // for Error, the text as the box shows it (ErrorBoxText)
};

class ScriptedPlatform final : public Platform {
public:
    // --- what happened
    std::vector<ShownBox> boxes;
    std::vector<BeepType> beeps;
    QStringList helpRequests;
    QStringList openProposals;  // the initial name each open dialog was given
    QStringList saveProposals;  // the proposed name each save dialog was given
    int modalRuns = 0;

    // --- what to answer
    QDate today{2026, 12, 7};
    std::deque<SaveAnswer> saveAnswers;                  // empty: Cancel
    std::deque<std::optional<QString>> openAnswers;      // empty: cancelled
    std::deque<std::optional<QString>> saveFileAnswers;  // empty: cancelled
    // Returns the printer to use, or null for "no default printer".
    std::function<std::unique_ptr<QPrinter>()> printerFactory;
    // Called with each window run modally while it is shown; it must close the
    // window (an OK click, close(), hide()). Without a handler the window is
    // hidden again at once.
    std::deque<std::function<void(QWidget*)>> modalHandlers;
    std::function<void(QWidget*)> defaultModalHandler;

    void ShowMessage(QWidget*, const QString& text) override;
    void ShowError(QWidget*, const QString& message) override;
    SaveAnswer AskSaveChanges(QWidget*, const QString& text) override;
    void Beep(BeepType type) override { beeps.push_back(type); }
    QDate Today() override { return today; }
    void ShowHelpFinder(QWidget*, const QString& helpFile) override { helpRequests << helpFile; }
    std::optional<QString> GetOpenFileName(QWidget*, const QString& initialName, const QString& filter) override;
    std::optional<QString> GetSaveFileName(QWidget*, const QString& proposedName, const QString& filter) override;
    std::unique_ptr<QPrinter> DefaultPrinter() override;
    void RunModal(QWidget* window) override;

    // Convenience for tests.
    QStringList MessageTexts() const;
    void Reset();
};

}  // namespace vadelon::testing
