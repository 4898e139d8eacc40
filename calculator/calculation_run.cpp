// The calculation run behind the run button and 計算実行.
#include "calculator/field_text.h"
#include "calculator/vadelon_form.h"
#include "calendar/almanac.h"
#include "calendar/day_arithmetic.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace vadelon {

namespace {

const QString kDateMessage = QStringLiteral("日付を正しく入力して下さい。");
const QString kNumberMessage = QStringLiteral("正しく入力して下さい。");
constexpr std::int64_t kOverflowDays = 10'000'000;

}  // namespace

void TVadelonForm::RunCalculation()
{
    switch (CurrentMode()) {
    case CalcMode::DayCount: RunDayCount(); break;
    case CalcMode::DateShift: RunDateShift(); break;
    case CalcMode::AgeCalc: RunAgeCalc(); break;
    case CalcMode::BirthYearCalc: RunBirthYearCalc(); break;
    case CalcMode::Almanac: RunAlmanac(); break;
    }
}

void TVadelonForm::ParseFailure(const QString& message)
{
    platform_.Beep(BeepType::Default);
    platform_.ShowMessage(this, message);
}

void TVadelonForm::RunDayCount()
{
    // Read in order; the first field that fails ends the run.
    std::int32_t v[6];
    const QLineEdit* fields[6] = {Edit1, Edit3, Edit4, Edit5, Edit7, Edit8};
    for (int i = 0; i < 6; ++i) {
        const auto value = ReadField(fields[i]);
        if (!value)
            return ParseFailure(kDateMessage);
        v[i] = *value;
    }
    const DayCount count = DaysBetween(v[0], v[1], v[2], v[3], v[4], v[5]);
    if (!count.inOrder) {
        platform_.ShowMessage(this, QString::fromStdString(OrderMessage()));
        WriteNumber(Edit9, 0);
        return;
    }
    if (count.days >= kOverflowDays) {
        Edit9->setText(QStringLiteral("Overflow"));
        return;
    }
    // Days far outside their month can make an ordered pair count a huge
    // negative number; one that does not fit the field's integers is refused
    // like any other result out of range, never wrapped.
    if (!FitsInt32(count.days))
        return ParseFailure(kDateMessage);
    WriteNumber(Edit9, count.days);
}

void TVadelonForm::RunDateShift()
{
    std::int32_t v[4];
    const QLineEdit* fields[4] = {Edit1, Edit3, Edit4, Edit9};
    for (int i = 0; i < 4; ++i) {
        const auto value = ReadField(fields[i]);
        if (!value)
            return ParseFailure(kDateMessage);
        v[i] = *value;
    }
    std::int32_t y = v[0], m = v[1], d = v[2];
    const std::int64_t count = shiftForward_ ? std::int64_t{v[3]} : -std::int64_t{v[3]};
    // Negating the smallest count leaves the 32-bit range by one day: shift
    // in two parts. Each part leaves the date untouched when it fails.
    ShiftStatus status = ShiftStatus::Ok;
    if (count > std::numeric_limits<std::int32_t>::max()) {
        status = ShiftDate(y, m, d, std::numeric_limits<std::int32_t>::max());
        if (status == ShiftStatus::Ok)
            status = ShiftDate(y, m, d, static_cast<std::int32_t>(count - std::numeric_limits<std::int32_t>::max()));
    } else {
        status = ShiftDate(y, m, d, static_cast<std::int32_t>(count));
    }
    if (status != ShiftStatus::Ok)
        return ParseFailure(kDateMessage);
    WriteNumber(Edit5, y);
    WriteNumber(Edit7, m);
    WriteNumber(Edit8, d);
    RefreshEraFields(PanelSide::Lower);
}

void TVadelonForm::RunAgeCalc()
{
    const auto birth = ReadField(Edit1);
    if (!birth)
        return ParseFailure(kNumberMessage);
    const auto current = ReadField(Edit5);
    if (!current)
        return ParseFailure(kNumberMessage);
    const std::int64_t age = std::int64_t{*current} - *birth;
    if (!FitsInt32(age))
        return ParseFailure(kNumberMessage);
    WriteNumber(Edit9, age);
}

void TVadelonForm::RunBirthYearCalc()
{
    const auto current = ReadField(Edit1);
    if (!current)
        return ParseFailure(kNumberMessage);
    const auto age = ReadField(Edit9);
    if (!age)
        return ParseFailure(kNumberMessage);
    const std::int64_t birth = std::int64_t{*current} - *age;
    if (!FitsInt32(birth))
        return ParseFailure(kNumberMessage);
    WriteNumber(Edit5, birth);
    RefreshEraFields(PanelSide::Lower);
}

void TVadelonForm::RunAlmanac()
{
    std::int32_t v[3];
    const QLineEdit* fields[3] = {Edit1, Edit3, Edit4};
    for (int i = 0; i < 3; ++i) {
        const auto value = ReadField(fields[i]);
        if (!value)
            return ParseFailure(kDateMessage);
        v[i] = *value;
    }
    if (!AlmanacAcceptsDate(v[0], v[1], v[2]))
        return ParseFailure(QString::fromStdString(AlmanacDateMessage()));
    if (!almanac_)
        return;
    AlmanacPanelTexts texts;
    texts.westernYear = Edit1->text().toStdString();
    texts.eraName = ComboBox1->currentText().toStdString();
    texts.eraYear = Edit2->text().toStdString();
    texts.month = Edit3->text().toStdString();
    texts.day = Edit4->text().toStdString();
    texts.weekday = Label8->text().toStdString();
    const AlmanacReport report = ComposeAlmanacReport(v[0], v[1], v[2], texts);
    QStringList lines;
    for (const std::string& line : report.lines)
        lines << QString::fromStdString(line);
    almanac_(lines, QString::fromStdString(report.caption));
}

}  // namespace vadelon
