#pragma once
#include "platform/platform.h"
#include "platform/sound.h"

#include <utility>

namespace vadelon {

// The real desktop: QMessageBox, the desktop's sounds, QFileDialog, QPrinterInfo.
class QtPlatform final : public Platform {
public:
    explicit QtPlatform(std::unique_ptr<SoundPlayer> sound = MakeDesktopSound()) : sound_(std::move(sound)) {}

    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& message) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override;
    void Beep(BeepType type) override;
    QDate Today() override;
    void ShowHelpFinder(QWidget* parent, const QString& helpFile) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const QString& initialName,
                                           const QString& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const QString& proposedName,
                                           const QString& filter) override;
    std::unique_ptr<QPrinter> DefaultPrinter() override;
    void RunModal(QWidget* window) override;

private:
    std::unique_ptr<SoundPlayer> sound_;
};

}  // namespace vadelon
