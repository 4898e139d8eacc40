// The date panels' own handlers: spin steps, today, weekday, the change
// handling that empties stale results, and the era fields in both directions.
#include "calculator/field_text.h"
#include "dialogs/nengo_form.h"
#include "calculator/vadelon_form.h"
#include "calendar/day_arithmetic.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

namespace vadelon {

void TVadelonForm::YearStep(PanelSide side, int direction)
{
    const DatePanel& p = Panel(side);
    const auto year = ReadField(p.year);
    const std::int64_t stepped = year ? std::int64_t{*year} + direction : 0;
    if (!year || !FitsInt32(stepped)) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(p.year, stepped);
}

void TVadelonForm::MonthStep(PanelSide side, int direction)
{
    const DatePanel& p = Panel(side);
    const auto year = ReadField(p.year);
    const auto month = ReadField(p.month);
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
    WriteNumber(p.year, y);
    WriteNumber(p.month, m);
}

void TVadelonForm::DayStep(PanelSide side, int direction)
{
    const DatePanel& p = Panel(side);
    auto year = ReadField(p.year);
    auto month = ReadField(p.month);
    auto day = ReadField(p.day);
    if (!year || !month || !day) {
        platform_.Beep(BeepType::Default);
        return;
    }
    std::int32_t y = *year, m = *month, d = *day;
    // A month outside 1 to 12, or a year beyond the 32-bit range, stops here.
    if (ShiftDate(y, m, d, direction) != ShiftStatus::Ok) {
        platform_.Beep(BeepType::Default);
        return;
    }
    WriteNumber(p.year, y);
    WriteNumber(p.month, m);
    WriteNumber(p.day, d);
}

void TVadelonForm::Today(PanelSide side)
{
    const DatePanel& p = Panel(side);
    const QDate today = platform_.Today();
    p.year->setText(today.toString(QStringLiteral("yyyy")));
    p.month->setText(today.toString(QStringLiteral("MM")));
    p.day->setText(today.toString(QStringLiteral("dd")));
    RefreshEraFields(side);
}

void TVadelonForm::RefreshWeekday(PanelSide side)
{
    const DatePanel& p = Panel(side);
    const auto year = ReadField(p.year);
    const std::int32_t month = ReadField(p.month).value_or(0);
    const std::int32_t day = ReadField(p.day).value_or(0);
    const bool blank = !year || month == 0 || day == 0;
    p.weekday->setText(QString::fromStdString(blank ? BlankWeekdayLabel() : WeekdayLabel(*year, month, day)));
    p.weekday->adjustSize();
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

EraChoice TVadelonForm::AskEra(const EraQuestion& question)
{
    return eraDialog_ ? eraDialog_->AskEraChoice(question) : EraChoice::None;
}

void TVadelonForm::RefreshEraFields(PanelSide side)
{
    const DatePanel& p = Panel(side);
    const auto year = ReadField(p.year);
    if (!year) {
        p.era->setCurrentIndex(p.era->findText(QStringLiteral("－－")));
        p.eraYear->setText(QStringLiteral("--"));
        return;
    }
    const std::int32_t month = ReadField(p.month).value_or(0);
    const std::int32_t day = ReadField(p.day).value_or(0);
    const EraText text =
        EraTextForYear(*year, month, day, [this](const EraQuestion& q) { return AskEra(q); });
    // No item matches the blank name or the empty text: no selection then.
    p.era->setCurrentIndex(p.era->findText(QString::fromStdString(text.name)));
    // The field shows its text up to the first NUL.
    QString eraYear = QString::fromStdString(text.year);
    if (const qsizetype nul = eraYear.indexOf(QChar(u'\0')); nul >= 0)
        eraYear.truncate(nul);
    p.eraYear->setText(eraYear);
}

void TVadelonForm::RefreshWesternYear(PanelSide side)
{
    const DatePanel& p = Panel(side);
    const auto eraYear = ReadField(p.eraYear);
    if (!eraYear) {
        p.year->clear();
        return;
    }
    const int index = p.era->currentIndex();
    if (index < 0)
        return;  // no era to count from: the Western year stays as it is
    const auto year = WesternYearFromEra(EraRowForListIndex(index), *eraYear);
    if (!year)
        return;  // beyond the 32-bit range: likewise left as it is
    WriteNumber(p.year, *year);
}

}  // namespace vadelon
