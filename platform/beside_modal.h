#pragma once
// Keeps a modeless window usable while an application-modal window runs (the
// almanac window, a message box). Qt then takes input only in the modal
// window and the windows it owns: the window becomes one of those until the
// modal window is hidden. Only Qt's idea of ownership (the transient parent)
// changes: a window of the plain kind tells the window manager nothing of it,
// so the window stays a window of its own, never stacked, minimised, hidden
// or moved with the modal one.
#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace vadelon {

class BesideModal final : public QObject {
public:
    // Watches window for as long as it lives.
    explicit BesideModal(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StayUsableBeside(QWidget* modal);
    void LeaveModalWindow();

    QWidget* window_;
    QPointer<QWindow> modalOwner_;
};

}  // namespace vadelon
