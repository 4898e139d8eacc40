#pragma once
#include "platform/platform.h"
#include "platform/sound.h"

#include <utility>

#include <QPointer>

namespace vadelon {

class HelpWindow;

// The real desktop: QMessageBox, the desktop's sounds, QFileDialog, QPrinterInfo,
// and the program's own help window.
class QtPlatform final : public Platform {
public:
    explicit QtPlatform(std::unique_ptr<SoundPlayer> sound = MakeDesktopSound());
    ~QtPlatform() override;
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
    std::unique_ptr<SoundPlayer> sound_;
    QPointer<HelpWindow> helpWindow_;  // the one help window, made when first asked for
};

}  // namespace vadelon
