#pragma once
#include "platform/platform.h"

#include <QPointer>

namespace vadelon {

class HelpWindow;

// The real desktop: QMessageBox, QApplication::beep, QFileDialog, QPrinterInfo,
// and the program's own help window.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
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
    QPointer<HelpWindow> helpWindow_;  // the one help window, made when first asked for
};

}  // namespace vadelon
