#include "calculator/up_down.h"

#include "calendar/days/integer_reading.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <limits>

namespace vadelon {

namespace {
// The desktop's usual auto-repeat: a pause, then a steady rate.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

// A spin button as a screen reader knows it: its value is the number in
// its field, and its two actions are the two arrows.
class UpDownAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(TUpDown* spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox)
    { }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return Spin()->FieldValue().value_or(0); }
    void setCurrentValue(const QVariant&) override { }  // it steps; it is not set
    QVariant maximumValue() const override { return std::numeric_limits<int>::max(); }
    QVariant minimumValue() const override { return std::numeric_limits<int>::min(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString& action) override
    {
        if (!Spin()->isEnabled() || (action != increaseAction() && action != decreaseAction()))
            return;
        // A press and its release, as the arrow's.
        Spin()->Step(action == increaseAction() ? 1 : -1);
        emit Spin()->MouseUp();
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == increaseAction())
            return {QStringLiteral("Up")};
        if (action == decreaseAction())
            return {QStringLiteral("Down")};
        return {};
    }

private:
    TUpDown* Spin() const { return static_cast<TUpDown*>(widget()); }
};

QAccessibleInterface* DescribeUpDown(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::TUpDown"))
        return new UpDownAccessible(static_cast<TUpDown*>(object));
    return nullptr;
}

}  // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
{
    static const bool described = (QAccessible::installFactory(&DescribeUpDown), true);
    Q_UNUSED(described);
    setFocusPolicy(Qt::TabFocus);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &TUpDown::Repeat);
}

bool TUpDown::Step(int direction)
{
    const int next = position_ + (direction > 0 ? 1 : -1);
    if (next < kMin || next > kMax)
        return false;
    position_ = next;
    emit Click(direction > 0 ? 1 : -1);
    // The handler has written the field by now: its new number is the value.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, FieldValue().value_or(0));
        QAccessible::updateAccessibility(&changed);
    }
    return true;
}

std::optional<int> TUpDown::FieldValue() const
{
    if (!field_)
        return std::nullopt;
    return ReadInteger(field_->text().toStdString());
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
