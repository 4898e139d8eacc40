#pragma once
#include "platform/platform.h"
#include "platform/sound.h"

#include <QStringList>
#include <functional>
#include <utility>

namespace vadelon {

// The help viewer behind ShowHelpFinder: shows the finder of the help file
// it is given, or returns the files it looked for in vain.
using HelpViewerFn = std::function<QStringList(const QString& helpFile)>;

// The real desktop: QMessageBox, the desktop's sounds, QFileDialog, QPrinterInfo,
// and the help viewer the program hands it.
class QtPlatform final : public Platform {
public:
    explicit QtPlatform(HelpViewerFn help = {}, std::unique_ptr<SoundPlayer> sound = MakeDesktopSound());
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& message) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override;
    void Beep(BeepType type) override;
    QDate Today() override;
    void ShowHelpFinder(QWidget* parent, const QString& helpFile) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const QString& initialName, const QString& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const QString& proposedName,
                                           const QString& filter) override;
    std::unique_ptr<QPrinter> DefaultPrinter() override;
    void RunModal(QWidget* window) override;

private:
    HelpViewerFn help_;
    std::unique_ptr<SoundPlayer> sound_;
};

}  // namespace vadelon
