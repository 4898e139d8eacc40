#pragma once
// Keeps a modeless window usable while an application-modal window runs (the
// almanac window, a message box). Qt then takes input only in the modal
// window and the windows it owns, so when the modal window blocks ours, ours
// becomes one it owns (still a window of its own, where it was), and becomes
// nobody's again when the modal window is hidden.
#include <QObject>
#include <QPointer>

class QWidget;

namespace vadelon {

class BesideModal final : public QObject {
public:
    explicit BesideModal(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void JoinModal();
    void LeaveModal();

    QWidget* window_;
    QPointer<QWidget> modal_;
};

}  // namespace vadelon
