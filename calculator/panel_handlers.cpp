// The date panels' own handlers: spin steps, today, weekday, the change
// handling that empties stale results, and the era fields in both directions.
#include "calculator/field_text.h"
#include "calculator/vadelon_form.h"
#include "calendar/day_arithmetic.h"
#include "dialogs/nengo_form.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

namespace vadelon {

std::array<QLineEdit*, 3> TVadelonForm::DateEdits(PanelSide side) const
{
    if (side == PanelSide::Upper)
        return {Edit1, Edit3, Edit4};
    return {Edit5, Edit7, Edit8};
}

DateTexts TVadelonForm::PanelDate(PanelSide side) const
{
    const auto [year, month, day] = DateEdits(side);
    return {year->text().toStdString(), month->text().toStdString(), day->text().toStdString()};
}

void TVadelonForm::YearStep(PanelSide side, int direction)
{
    QLineEdit* yearEdit = DateEdits(side)[0];
    const auto year = ReadField(yearEdit);
    const std::int64_t stepped = year ? std::int64_t{*year} + direction : 0;
    if (!year || !FitsInt32(stepped)) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(yearEdit, stepped);
}

void TVadelonForm::MonthStep(PanelSide side, int direction)
{
    const auto date = DateEdits(side);
    QLineEdit* yearEdit = date[0];
    QLineEdit* monthEdit = date[1];
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

void TVadelonForm::DayStep(PanelSide side, int direction)
{
    const auto [yearEdit, monthEdit, dayEdit] = DateEdits(side);
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

void TVadelonForm::Today(PanelSide side)
{
    const auto [year, month, day] = DateEdits(side);
    const QDate today = platform_.Today();
    year->setText(today.toString(QStringLiteral("yyyy")));
    month->setText(today.toString(QStringLiteral("MM")));
    day->setText(today.toString(QStringLiteral("dd")));
    RefreshEraFields(side);
}

std::optional<QDate> TVadelonForm::UpperPanelDate() const
{
    const auto year = ReadField(Edit1);
    const auto month = ReadField(Edit3);
    const auto day = ReadField(Edit4);
    if (!year || !month || !day || !QDate::isValid(*year, *month, *day))
        return std::nullopt;
    return QDate(*year, *month, *day);
}

void TVadelonForm::EnterUpperDate(const QDate& date)
{
    WriteNumber(Edit1, date.year());
    WriteNumber(Edit3, date.month());
    WriteNumber(Edit4, date.day());
    RefreshEraFields(PanelSide::Upper);
}

void TVadelonForm::RefreshWeekday(PanelSide side)
{
    QLabel* weekday = side == PanelSide::Upper ? Label8 : Label15;
    weekday->setText(QString::fromStdString(PanelWeekdayLabel(PanelDate(side))));
    weekday->adjustSize();
    // The label's name says what it is; a screen reader reads the weekday here.
    weekday->setAccessibleDescription(weekday->text());
}

void TVadelonForm::Edit1Change()
{
    RefreshWeekday(PanelSide::Upper);
    const CalcMode mode = CurrentMode();
    if (mode == CalcMode::DayCount || mode == CalcMode::AgeCalc)
        ClearFields(FieldGroup::NumberField);
    if (mode == CalcMode::DateShift || mode == CalcMode::BirthYearCalc)
        ClearFields(FieldGroup::LowerPanel);
}

void TVadelonForm::Edit5Change()
{
    RefreshWeekday(PanelSide::Lower);
    const CalcMode mode = CurrentMode();
    if (mode == CalcMode::DayCount || mode == CalcMode::AgeCalc)
        ClearFields(FieldGroup::NumberField);
}

void TVadelonForm::Edit9Change()
{
    const CalcMode mode = CurrentMode();
    if (mode == CalcMode::DateShift || mode == CalcMode::BirthYearCalc)
        ClearFields(FieldGroup::LowerPanel);
}

void TVadelonForm::FillEraLists()
{
    const auto table = EraTable();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        const QString name = QString::fromUtf8(row->name.data(), static_cast<qsizetype>(row->name.size()));
        ComboBox1->addItem(name);
        ComboBox2->addItem(name);
    }
    // Filling selects the first item; the lists start with no selection.
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
}

EraChoice TVadelonForm::AskEra(const EraQuestion& question)
{
    return eraDialog_ ? eraDialog_()->AskEraChoice(question) : EraChoice::None;
}

void TVadelonForm::RefreshEraFields(PanelSide side)
{
    QComboBox* era = side == PanelSide::Upper ? ComboBox1 : ComboBox2;
    const EraText text = PanelEraTexts(PanelDate(side), [this](const EraQuestion& q) { return AskEra(q); });
    // No item matches the blank name or the empty text: no selection then.
    era->setCurrentIndex(era->findText(QString::fromStdString(text.name)));
    (side == PanelSide::Upper ? Edit2 : Edit6)->setText(QString::fromStdString(text.year));
}

void TVadelonForm::RefreshWesternYear(PanelSide side)
{
    const bool upper = side == PanelSide::Upper;
    const int index = (upper ? ComboBox1 : ComboBox2)->currentIndex();
    const std::optional<std::int32_t> row = index < 0 ? std::nullopt : std::optional(EraRowForListIndex(index));
    const auto year = WesternYearText(row, (upper ? Edit2 : Edit6)->text().toStdString());
    if (!year)
        return;  // no era to count from, or beyond the 32-bit range: the Western year stays as it is
    QLineEdit* yearEdit = upper ? Edit1 : Edit5;
    if (year->empty())
        yearEdit->clear();
    else
        yearEdit->setText(QString::fromStdString(*year));
}

}  // namespace vadelon
