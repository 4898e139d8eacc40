#include "platform/window_setup.h"

#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

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

void PlaceBeside(QWidget& window, const QWidget& other, int gap, Side first)
{
    const QScreen* screen = other.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = other.frameGeometry();
    // Not yet framed: the other window's frame is the best guess of its own.
    const QSize frame = window.size() + (beside.size() - other.size());
    const int lowest = room.left();
    const int highest = std::max(lowest, room.right() + 1 - frame.width());
    const int right = std::clamp(beside.right() + 1 + gap, lowest, highest);
    const int left = std::clamp(beside.left() - gap - frame.width(), lowest, highest);
    const int coveredRight = std::max(0, beside.right() + 1 - right);
    const int coveredLeft = std::max(0, left + frame.width() - beside.left());
    const bool rightFirst = first == Side::Right;
    const int preferred = rightFirst ? right : left, otherSide = rightFirst ? left : right;
    const int coveredPreferred = rightFirst ? coveredRight : coveredLeft;
    const int coveredOther = rightFirst ? coveredLeft : coveredRight;
    const int x = coveredPreferred == 0 || coveredPreferred <= coveredOther ? preferred : otherSide;
    const int y = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    window.move(x, y);
}

}  // namespace vadelon
