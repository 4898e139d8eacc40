#include "platform/beside_modal.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace vadelon {

BesideModal::BesideModal(QWidget* window)
    : QObject(window)
    , window_(window)
{
    window->installEventFilter(this);
}

bool BesideModal::eventFilter(QObject* watched, QEvent* event)
{
    // A modal window has come up, or the one beside which the window was
    // usable has gone and another is still up.
    if (watched == window_ && event->type() == QEvent::WindowBlocked)
        StayUsableBeside(QApplication::activeModalWidget());
    // Sent once the modal window has been taken off Qt's list of modal
    // windows; a minimised window stays visible.
    else if (watched == modalOwner_ && event->type() == QEvent::Hide && !modalOwner_->isVisible())
        LeaveModalWindow();
    return QObject::eventFilter(watched, event);
}

void BesideModal::StayUsableBeside(QWidget* modal)
{
    QWindow* own = window_->windowHandle();
    QWindow* owner = modal ? modal->windowHandle() : nullptr;
    if (!own || !owner || owner == own || owner == modalOwner_)
        return;
    LeaveModalWindow();
    modalOwner_ = owner;
    owner->installEventFilter(this);
    connect(owner, &QObject::destroyed, this, &BesideModal::LeaveModalWindow);
    own->setTransientParent(owner);
}

void BesideModal::LeaveModalWindow()
{
    if (modalOwner_) {
        modalOwner_->removeEventFilter(this);
        disconnect(modalOwner_, &QObject::destroyed, this, &BesideModal::LeaveModalWindow);
    }
    modalOwner_.clear();
    // Qt asks again whether the window is blocked, and if another modal
    // window is still up, it is made usable beside that one (above).
    if (QWindow* own = window_->windowHandle(); own && own->transientParent())
        own->setTransientParent(nullptr);
}

}  // namespace vadelon
