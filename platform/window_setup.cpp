#include "platform/window_setup.h"

#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace vadelon {

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    // The frame is known once the window manager has framed the window (it
    // stays known while the window is hidden); before, it is the inner area.
    const QRect frame = window.frameGeometry();
    const QPoint inset = window.geometry().topLeft() - frame.topLeft();
    const QRect centred =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame.size(), screen->availableGeometry());
    window.setGeometry(QRect(centred.topLeft() + inset, window.size()));
}

}  // namespace vadelon
