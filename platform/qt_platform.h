#pragma once
#include "platform/platform.h"

namespace vadelon {

// The real desktop: QMessageBox, QApplication::beep, QFileDialog, QPrinterInfo.
class QtPlatform final : public Platform {
public:
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
};

}  // namespace vadelon
