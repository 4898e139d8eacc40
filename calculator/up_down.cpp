#include "calculator/up_down.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace vadelon {

namespace {
// The desktop's usual auto-repeat: a pause, then a steady rate.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;
}  // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &TUpDown::Repeat);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, kMin, kMax);
}

bool TUpDown::Step(int direction)
{
    const int next = position_ + (direction > 0 ? 1 : -1);
    if (next < kMin || next > kMax)
        return false;
    position_ = next;
    emit Click(direction > 0 ? 1 : -1);
    return true;
}

void TUpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool sunken = held_ == (i == 0 ? 1 : -1);
        button.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        if (sunken)
            arrow.rect.translate(1, 1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter,
                               this);
    }
    // It takes the focus from the keyboard only, so the mark is drawn
    // whenever it has the focus, whatever the style's rule for mouse users.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    held_ = event->position().y() < height() / 2 ? 1 : -1;
    update();
    Step(held_);
    repeat_.start(kRepeatDelayMs);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    // Any button's release counts; only the left one ends a press.
    if (event->button() == Qt::LeftButton) {
        repeat_.stop();
        held_ = 0;
        update();
    }
    emit MouseUp();
}

// With the focus on it, the arrow keys step it as the arrows do, so that the
// window can be used without a mouse; the keyboard's own repeat holds them.
void TUpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        Step(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TUpDown::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && !event->isAutoRepeat()) {
        emit MouseUp();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TUpDown::Repeat()
{
    if (held_ == 0) {
        repeat_.stop();
        return;
    }
    repeat_.setInterval(kRepeatIntervalMs);
    // Repeat only while the pointer is still over the arrow that was pressed.
    const QPoint at = mapFromGlobal(QCursor::pos());
    const bool overUpper = rect().contains(at) && at.y() < height() / 2;
    const bool overLower = rect().contains(at) && at.y() >= height() / 2;
    if ((held_ > 0 && overUpper) || (held_ < 0 && overLower))
        Step(held_);
}

}  // namespace vadelon
