// Mode selection, the five mode layouts, clearing and the after/before toggle.
#include "calculator/baked_pictures.h"
#include "calculator/mode_table.h"
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"
#include "fonts/standard_colours.h"
#include "platform/accessible_widgets.h"
#include "platform/window_setup.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vadelon {

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

void SetLabel(QLabel* label, const QString& text, const QColor& colour)
{
    SetTextColour(label, colour);
    label->setText(text);
    label->adjustSize();
}

void SetLabel(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

// The two today buttons read alike: a screen reader names each by its panel.
void SetTodayCaption(QPushButton* today, const QString& caption)
{
    today->setText(caption);
    today->setAccessibleName(today->parentWidget()->accessibleName() + u' ' + caption);
}

}  // namespace

void TVadelonForm::ShowRunImage(RunImage image)
{
    QLabel* holder = runImages_[static_cast<std::size_t>(image)];
    if (holder->pixmap().isNull())
        holder->setPixmap(RunImagePicture(image));
    BitBtn1->setIcon(QIcon(holder->pixmap()));
}

QAbstractButton* TVadelonForm::ModeButton(CalcMode mode) const
{
    return modeGroup_->button(static_cast<int>(mode));
}

QAction* TVadelonForm::ModeMenuItem(CalcMode mode) const
{
    return modeMenuGroup_->actions().at(static_cast<int>(mode));
}

CalcMode TVadelonForm::CurrentMode() const
{
    return static_cast<CalcMode>(modeGroup_->checkedId());
}

void TVadelonForm::SelectMode(CalcMode mode, bool fromMenu)
{
    ModeMenuItem(mode)->setChecked(true);
    if (fromMenu) {
        ModeButton(mode)->setChecked(true);
        // A mode button is told as it takes the focus; a menu item leaves
        // the focus where it was, so the mode it chose is told here.
        if (QAccessibleInterface* button = QAccessible::queryAccessibleInterface(ModeButton(mode)))
            resultNote_->Say(button->text(QAccessible::Name));
    }
    // The new mode is down before anything is emptied, so the change
    // handling that the emptying fires already sees it.
    ClearFields(FieldGroup::NumberField);
    ClearFields(FieldGroup::LowerPanel);
    ApplyModeLayout(mode);
}

void TVadelonForm::ApplyModeLayout(CalcMode mode)
{
    const ModeRow& l = RowOf(mode);
    DatePanel& upper = Panel(PanelSide::Upper);
    DatePanel& lower = Panel(PanelSide::Lower);
    // The picture's arrow points at the field that shows the result.
    ShowRunImage(l.result == ResultField::NumberField  ? RunImage::Image1
                 : l.result == ResultField::LowerPanel ? RunImage::Image2
                                                       : RunImage::Image3);
    for (QWidget* w : upper.MonthAndDay())
        w->setVisible(l.monthAndDay);
    SetTodayCaption(upper.today, Text(l.today));
    SetLabel(upper.title, Text(l.upperTitle));
    if (l.result == ResultField::AlmanacText) {
        // The number and lower panels are hidden, the rest of them left as it was.
        Panel3->hide();
        lower.frame->hide();
    } else {
        // A title or unit in blue belongs to a field the user fills in, one
        // in red to a field that receives the result.
        const bool resultBelow = l.result == ResultField::LowerPanel;
        const QColor& numberColour = resultBelow ? kBlue : kRed;
        const int direction = shiftForward_ ? 0 : 1;
        Panel3->show();
        // The panel that receives the result takes no input, but its fields
        // take the focus, so that the result can be reached and read.
        Edit9->setReadOnly(!resultBelow);
        LookAsResultPanel(Panel3, !resultBelow);
        SetLabel(Label16, Text(l.numberTitle[direction]), numberColour);
        SetLabel(Label17, Text(l.numberUnit[direction]), numberColour);
        SetLabel(Label18, Text(l.note));
        SpeedButton6->setVisible(l.toggle);
        // Named with the direction it has set, so that a press is heard.
        SpeedButton6->setAccessibleName(shiftForward_ ? QStringLiteral("切替 日後") : QStringLiteral("切替 日前"));
        lower.frame->show();
        for (QLineEdit* field : lower.TypedFields())
            field->setReadOnly(resultBelow);
        LookAsResultPanel(lower.frame, resultBelow);
        for (QWidget* input : lower.InputControls())
            input->setEnabled(!resultBelow);
        for (QWidget* w : lower.MonthAndDay())
            w->setVisible(l.monthAndDay);
        if (!resultBelow)
            SetTodayCaption(lower.today, Text(l.today));
        lower.today->setVisible(!resultBelow);
        SetLabel(lower.title, Text(l.lowerTitle), resultBelow ? kRed : kBlue);
    }
    // The number field has no label of its own: a screen reader says the
    // words around it, as the mode has them.
    Edit9->setAccessibleName(Label16->text() + QLatin1Char(' ') + Label17->text());
}

void TVadelonForm::ClearFields(FieldGroup group)
{
    if (group == FieldGroup::NumberField)
        Edit9->clear();
    for (const DatePanel& panel : panels_) {
        if (panel.group != group)
            continue;
        for (QLineEdit* field : panel.DateFields())
            field->clear();
        RefreshEraFields(panel);
    }
}

void TVadelonForm::ClearAll()
{
    ClearFields(FieldGroup::UpperPanel);
    ClearFields(FieldGroup::NumberField);
    ClearFields(FieldGroup::LowerPanel);
    resultNote_->Say(QStringLiteral("入力をすべてクリアしました"));
}

void TVadelonForm::ToggleShiftDirection()
{
    shiftForward_ = !shiftForward_;
    ApplyModeLayout(CalcMode::DateShift);
    ClearFields(FieldGroup::LowerPanel);
    // The button's new name is not read out where it has the focus.
    resultNote_->Say(SpeedButton6->accessibleName());
}

}  // namespace vadelon
