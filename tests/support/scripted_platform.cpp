#include "tests/support/scripted_platform.h"

#include <QWidget>

namespace vadelon::testing {

void ScriptedPlatform::ShowMessage(QWidget*, const QString& text)
{
    boxes.push_back({ShownBox::Message, text});
}

void ScriptedPlatform::ShowError(QWidget*, const QString& message)
{
    boxes.push_back({ShownBox::Error, ErrorBoxText(message)});
}

SaveAnswer ScriptedPlatform::AskSaveChanges(QWidget*, const QString& text)
{
    boxes.push_back({ShownBox::SaveQuestion, text});
    if (saveAnswers.empty())
        return SaveAnswer::Cancel;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::GetOpenFileName(QWidget*, const QString& initialName, const QString&)
{
    openProposals << initialName;
    if (openAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer;
    answer.swap(openAnswers.front());
    openAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(QWidget*, const QString& proposedName, const QString&)
{
    saveProposals << proposedName;
    if (saveFileAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer;
    answer.swap(saveFileAnswers.front());
    saveFileAnswers.pop_front();
    return answer;
}

std::unique_ptr<QPrinter> ScriptedPlatform::DefaultPrinter()
{
    return printerFactory ? printerFactory() : nullptr;
}

void ScriptedPlatform::RunModal(QWidget* window)
{
    ++modalRuns;
    window->show();
    std::function<void(QWidget*)> handler = defaultModalHandler;
    if (!modalHandlers.empty()) {
        handler = std::move(modalHandlers.front());
        modalHandlers.pop_front();
    }
    if (handler)
        handler(window);
    if (window->isVisible())
        window->hide();
}

QStringList ScriptedPlatform::MessageTexts() const
{
    QStringList texts;
    for (const ShownBox& box : boxes)
        texts << box.text;
    return texts;
}

void ScriptedPlatform::Reset()
{
    boxes.clear();
    beeps.clear();
    helpRequests.clear();
    openProposals.clear();
    saveProposals.clear();
    modalRuns = 0;
}

}  // namespace vadelon::testing
