#include "calendar_window/month_grid.h"

#include "calendar_window/month_grid_accessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vadelon {

namespace {
constexpr int kWheelStep = 120;  // one notch of a common wheel
}  // namespace

MonthGrid::MonthGrid(MonthCalendar& calendar, QWidget* parent)
    : QWidget(parent)
    , calendar_(calendar)
    , cells_(calendar.Cells())
{
    // Before the name: naming tells a screen reader, and the interface Qt
    // makes for that is the one it keeps.
    InstallGridAccessibility();
    setObjectName(QStringLiteral("MonthGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("日付"));
}

void MonthGrid::Refresh()
{
    Changed(true);
}

void MonthGrid::Changed(bool moved)
{
    if (!moved)
        return;
    cells_ = calendar_.Cells();
    update();
    emit Moved();
    AnnounceSelectedCell(this);
}

int MonthGrid::HeaderHeight() const
{
    return std::clamp(height() / 16, 18, 34);
}

QRect MonthGrid::CellRect(int index) const
{
    // Edges at whole pixels spread over the width and height, so that the
    // grid fills the widget whatever its size.
    const int top = HeaderHeight();
    const int column = index % 7;
    const int row = index / 7;
    const auto x = [this](int c) { return static_cast<int>(std::lround(double(width() - 1) * c / 7)); };
    const auto y = [&](int r) { return top + static_cast<int>(std::lround(double(height() - 1 - top) * r / 6)); };
    return QRect(QPoint(x(column), y(row)), QPoint(x(column + 1), y(row + 1)));
}

QRect MonthGrid::WeekdayRect(int weekday) const
{
    const QRect below = CellRect(weekday);
    return QRect(below.left(), 0, below.width(), HeaderHeight() + 1);
}

int MonthGrid::CellAt(const QPoint& point) const
{
    for (int i = 0; i < kCellsShown; ++i) {
        if (CellRect(i).contains(point))
            return i;
    }
    return -1;
}

void MonthGrid::keyPressEvent(QKeyEvent* event)
{
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left: return Changed(calendar_.MoveDays(-1, extend));
    case Qt::Key_Right: return Changed(calendar_.MoveDays(1, extend));
    case Qt::Key_Up: return Changed(calendar_.MoveDays(-7, extend));
    case Qt::Key_Down: return Changed(calendar_.MoveDays(7, extend));
    case Qt::Key_PageUp: return Changed(calendar_.MoveMonths(control ? -12 : -1, extend));
    case Qt::Key_PageDown: return Changed(calendar_.MoveMonths(control ? 12 : 1, extend));
    case Qt::Key_Home: return Changed(calendar_.GoToToday());
    case Qt::Key_Return:
    case Qt::Key_Enter: emit Chosen(); return;
    default: QWidget::keyPressEvent(event);  // Esc and the rest go on to the window
    }
}

void MonthGrid::mousePressEvent(QMouseEvent* event)
{
    const int index = CellAt(event->position().toPoint());
    pressedDay_.reset();
    if (event->button() != Qt::LeftButton || index < 0)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    const Date day = cells_[static_cast<std::size_t>(index)].date;
    Changed(calendar_.Select(day, event->modifiers() & Qt::ShiftModifier));
    if (calendar_.Selected() == day)
        pressedDay_ = day;
}

void MonthGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the two has selected the day, and may have turned
    // the month so that another day lies under the second: the day chosen
    // is the one the first click selected.
    if (event->button() == Qt::LeftButton && pressedDay_ && *pressedDay_ == calendar_.Selected())
        emit Chosen();
}

void MonthGrid::wheelEvent(QWheelEvent* event)
{
    // Turning the wheel towards the user shows later months, as scrolling
    // down a page does; a fine wheel's small steps add up to a month.
    wheelAngle_ += event->angleDelta().y();
    const int months = -wheelAngle_ / kWheelStep;
    wheelAngle_ += months * kWheelStep;
    if (months != 0)
        Changed(calendar_.MoveMonths(months, event->modifiers() & Qt::ShiftModifier));
    event->accept();
}

void MonthGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
    // After Qt has told the grid's own focus, which would cover the day's.
    QMetaObject::invokeMethod(
        this, [this] { AnnounceSelectedCell(this); }, Qt::QueuedConnection);
}

void MonthGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

QSize MonthGrid::sizeHint() const
{
    return {7 * 66, 24 + 6 * 62};
}

QSize MonthGrid::minimumSizeHint() const
{
    return {7 * 50, 18 + 6 * 46};
}

}  // namespace vadelon
