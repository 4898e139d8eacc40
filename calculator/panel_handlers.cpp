// The date panels' own handlers: spin steps, today, weekday, the change
// handling that empties stale results, and the era fields in both directions.
#include "calculator/field_text.h"
#include "calculator/mode_table.h"
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"
#include "calendar/days/day_arithmetic.h"
#include "dialogs/nengo_form.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace vadelon {

void TVadelonForm::YearStep(const DatePanel& panel, int direction)
{
    QLineEdit* yearEdit = panel.year;
    const auto year = ReadField(yearEdit);
    const std::int64_t stepped = year ? std::int64_t{*year} + direction : 0;
    if (!year || !FitsInt32(stepped)) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(yearEdit, stepped);
}

void TVadelonForm::MonthStep(const DatePanel& panel, int direction)
{
    QLineEdit* yearEdit = panel.year;
    QLineEdit* monthEdit = panel.month;
    const auto year = ReadField(yearEdit);
    const auto month = ReadField(monthEdit);
    if (!year || !month) {
        platform_.Beep(BeepType::Default);
        return;
    }
    std::int64_t y = *year;
    std::int64_t m = std::int64_t{*month} + direction;
    if (m >= 13) {
        y += 1;
        m = 1;
    }
    if (m <= 0) {
        y -= 1;
        m = 12;
    }
    if (!FitsInt32(y)) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(yearEdit, y);
    WriteNumber(monthEdit, m);
}

void TVadelonForm::DayStep(const DatePanel& panel, int direction)
{
    const auto [yearEdit, monthEdit, dayEdit] = panel.DateFields();
    auto year = ReadField(yearEdit);
    auto month = ReadField(monthEdit);
    auto day = ReadField(dayEdit);
    if (!year || !month || !day) {
        platform_.Beep(BeepType::Default);
        return;
    }
    const ShiftedDate shifted = ShiftDate({*year, *month, *day}, direction);
    // A month outside 1 to 12, or a year beyond the 32-bit range, stops here.
    if (shifted.status != ShiftStatus::Ok) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(yearEdit, shifted.date.year);
    WriteNumber(monthEdit, shifted.date.month);
    WriteNumber(dayEdit, shifted.date.day);
}

void TVadelonForm::Today(const DatePanel& panel)
{
    const auto [year, month, day] = panel.DateFields();
    const QDate today = platform_.Today();
    year->setText(today.toString(QStringLiteral("yyyy")));
    month->setText(today.toString(QStringLiteral("MM")));
    day->setText(today.toString(QStringLiteral("dd")));
    RefreshEraFields(panel);
    resultNote_->Say(panel.frame->accessibleName() + u' ' + DateSpoken(panel, true));
}

std::optional<QDate> TVadelonForm::UpperPanelDate() const
{
    const auto [yearEdit, monthEdit, dayEdit] = Panel(PanelSide::Upper).DateFields();
    const auto year = ReadField(yearEdit);
    const auto month = ReadField(monthEdit);
    const auto day = ReadField(dayEdit);
    if (!year || !month || !day || !QDate::isValid(*year, *month, *day))
        return std::nullopt;
    return QDate(*year, *month, *day);
}

bool TVadelonForm::EnterUpperDate(const QDate& date)
{
    // The open question is about the fields as they were asked: a date
    // written under it would take the answer meant for another. The user
    // answers first, and is shown the question.
    if (askingEra_) {
        platform_.Beep(BeepType::Default);
        if (QWidget* dialog = eraDialog_ ? eraDialog_() : nullptr) {
            dialog->raise();
            dialog->activateWindow();
        }
        return false;
    }
    const DatePanel& upper = Panel(PanelSide::Upper);
    WriteNumber(upper.year, date.year());
    WriteNumber(upper.month, date.month());
    WriteNumber(upper.day, date.day());
    RefreshEraFields(upper);
    // Heard in the calculator, which the calendar hands the date to.
    resultNote_->Say(upper.frame->accessibleName() + u' ' + DateSpoken(upper, true));
    return true;
}

void TVadelonForm::RefreshWeekday(const DatePanel& panel)
{
    QLabel* weekday = panel.weekday;
    const QString before = weekday->text();
    weekday->setText(QString::fromStdString(PanelWeekdayLabel(panel.Date())));
    weekday->adjustSize();
    // The label's name says what it is; a screen reader reads the weekday here.
    weekday->setAccessibleDescription(weekday->text());
    // A date the user completes or changes in the panel is told with its
    // weekday, which is shown beside the fields and not where the user types.
    static const QString blank = QString::fromStdString(PanelWeekdayLabel({}));
    if (weekday->text() == before || weekday->text() == blank)
        return;
    const QWidget* focus = QApplication::focusWidget();
    const auto typed = panel.TypedFields();
    const auto spins = panel.Spins();
    if (std::find(typed.begin(), typed.end(), focus) != typed.end() ||
        std::find(spins.begin(), spins.end(), focus) != spins.end()) {
        QString spoken = weekday->text();
        spoken.remove(u'（').remove(u'）');
        resultNote_->Say(panel.frame->accessibleName() + u' ' + spoken);
    }
}

void TVadelonForm::FieldsChanged(FieldGroup group)
{
    for (const DatePanel& panel : panels_) {
        if (panel.group == group)
            RefreshWeekday(panel);
    }
    // A change to an input of the current mode empties that mode's result;
    // writing the result itself empties nothing.
    const ResultField result = RowOf(CurrentMode()).result;
    if (result == ResultField::NumberField && group != FieldGroup::NumberField)
        ClearFields(FieldGroup::NumberField);
    if (result == ResultField::LowerPanel && group != FieldGroup::LowerPanel)
        ClearFields(FieldGroup::LowerPanel);
}

void TVadelonForm::FillEraLists()
{
    const auto table = EraTable();
    for (const DatePanel& panel : panels_) {
        for (auto row = table.rbegin(); row != table.rend(); ++row)
            panel.era->addItem(QString::fromUtf8(row->name.data(), static_cast<qsizetype>(row->name.size())));
        // Filling selects the first item; the lists start with no selection.
        panel.era->setCurrentIndex(-1);
    }
}

EraChoice TVadelonForm::AskEra(const EraQuestion& question)
{
    if (!eraDialog_)
        return EraChoice::None;
    askingEra_ = true;
    const EraChoice choice = eraDialog_()->AskEraChoice(question);
    askingEra_ = false;
    return choice;
}

void TVadelonForm::RefreshEraFields(const DatePanel& panel)
{
    const DateTexts asked = panel.Date();
    const EraText text = PanelEraTexts(asked, [this](const EraQuestion& q) { return AskEra(q); });
    // An answer belongs to the date it was asked about: when the fields
    // changed meanwhile, whatever changed them has its own era fields.
    const DateTexts now = panel.Date();
    if (now.year != asked.year || now.month != asked.month || now.day != asked.day)
        return;
    // No item matches the blank name or the empty text: no selection then.
    panel.era->setCurrentIndex(panel.era->findText(QString::fromStdString(text.name)));
    panel.eraYear->setText(QString::fromStdString(text.year));
}

void TVadelonForm::RefreshWesternYear(const DatePanel& panel)
{
    const int index = panel.era->currentIndex();
    const std::optional<std::int32_t> row = index < 0 ? std::nullopt : std::optional(EraRowForListIndex(index));
    const auto year = WesternYearText(row, panel.eraYear->text().toStdString());
    if (!year)
        return;  // no era to count from, or beyond the 32-bit range: the Western year stays as it is
    if (year->empty())
        panel.year->clear();
    else
        panel.year->setText(QString::fromStdString(*year));
}

}  // namespace vadelon
