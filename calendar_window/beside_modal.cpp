#include "calendar_window/beside_modal.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace vadelon {

BesideModal::BesideModal(QWidget* window)
    : QObject(window)
    , window_(window)
{
    window->installEventFilter(this);
}

bool BesideModal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowBlocked) {
        // Qt tells every window while it is still going through them: the
        // window is moved under the modal one once that is done.
        QMetaObject::invokeMethod(this, &BesideModal::JoinModal, Qt::QueuedConnection);
    } else if (watched == modal_ && event->type() == QEvent::Hide && modal_->isHidden()) {
        // Minimising sends a Hide too, but leaves the modal window running.
        // This Hide comes before the windows it owns are hidden.
        LeaveModal();
    }
    return QObject::eventFilter(watched, event);
}

void BesideModal::JoinModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window_ || modal == modal_ || !modal->isVisible())
        return;
    if (modal_)
        modal_->removeEventFilter(this);
    modal_ = modal;
    const QRect frame = window_->geometry();
    const bool shown = window_->isVisible();
    window_->setParent(modal, window_->windowFlags() | Qt::Window);
    window_->setGeometry(frame);
    modal->installEventFilter(this);
    if (shown)
        window_->show();
}

void BesideModal::LeaveModal()
{
    modal_->removeEventFilter(this);
    // The next modal window down, if one still runs, owns the window now.
    QWidget* under = QApplication::activeModalWidget();
    if (under == modal_)
        under = nullptr;
    modal_ = nullptr;
    const QRect frame = window_->geometry();
    const bool shown = window_->isVisible();
    window_->setParent(under, window_->windowFlags() | Qt::Window);
    window_->setGeometry(frame);
    if (under) {
        modal_ = under;
        under->installEventFilter(this);
    }
    if (shown)
        window_->show();
}

}  // namespace vadelon
