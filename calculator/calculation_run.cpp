// The calculation run behind the run button and 計算実行: the rules decide,
// the window reads the fields, shows the message and writes the texts.
#include "calculator/field_text.h"
#include "calculator/vadelon_form.h"
#include "calendar/almanac.h"
#include "calendar/solar_term_status.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace vadelon {

void TVadelonForm::RunCalculation()
{
    const std::string upperYear = Edit1->text().toStdString();
    switch (CurrentMode()) {
    case CalcMode::DayCount:
    case CalcMode::AgeCalc:
        if (WriteResult(CurrentMode() == CalcMode::DayCount
                            ? RunDayCount(PanelDate(PanelSide::Upper), PanelDate(PanelSide::Lower))
                            : RunAgeCalc(upperYear, Edit5->text().toStdString()),
                        {Edit9}))
            resultNote_->Say(Label16->text() + Edit9->text() + Label17->text());
        break;
    case CalcMode::DateShift:
    case CalcMode::BirthYearCalc: {
        const bool shift = CurrentMode() == CalcMode::DateShift;
        const RunResult result =
            shift ? RunDateShift(PanelDate(PanelSide::Upper), Edit9->text().toStdString(), shiftForward_)
                  : RunBirthYearCalc(upperYear, Edit9->text().toStdString());
        if (shift ? WriteResult(result, {Edit5, Edit7, Edit8}) : WriteResult(result, {Edit5})) {
            RefreshEraFields(PanelSide::Lower);
            resultNote_->Say(Label9->text() + LowerDateSpoken(shift));
        }
        break;
    }
    case CalcMode::Almanac: ComposeAlmanac(RunAlmanac(PanelDate(PanelSide::Upper))); break;
    }
}

QString TVadelonForm::LowerDateSpoken(bool withMonthAndDay) const
{
    // "2027年（令和9年）3月17日（水曜日）", the era part only where there is one.
    QString spoken = Edit5->text() + QStringLiteral("年");
    if (!ComboBox2->currentText().isEmpty() && ReadField(Edit6))
        spoken += QStringLiteral("（%1%2年）").arg(ComboBox2->currentText(), Edit6->text());
    if (withMonthAndDay)
        spoken += Edit7->text() + QStringLiteral("月") + Edit8->text() + QStringLiteral("日") + Label15->text();
    return spoken;
}

bool TVadelonForm::WriteResult(const RunResult& result, std::initializer_list<QLineEdit*> fields)
{
    if (result.beep)
        platform_.Beep(BeepType::Default);
    if (!result.message.empty())
        platform_.ShowMessage(this, QString::fromStdString(result.message));
    if (result.texts.size() != fields.size())
        return false;
    auto text = result.texts.begin();
    for (QLineEdit* field : fields)
        field->setText(QString::fromStdString(*text++));
    return true;
}

void TVadelonForm::ComposeAlmanac(const AlmanacRun& run)
{
    if (!run.accepted) {
        WriteResult(RunResult{{}, run.message, run.beep}, {});
        return;
    }
    if (!almanac_)
        return;
    AlmanacPanelTexts texts;
    texts.westernYear = Edit1->text().toStdString();
    texts.eraName = ComboBox1->currentText().toStdString();
    texts.eraYear = Edit2->text().toStdString();
    texts.month = Edit3->text().toStdString();
    texts.day = Edit4->text().toStdString();
    texts.weekday = Label8->text().toStdString();
    const AlmanacReport report = ComposeAlmanacReport(run.date, texts);
    QStringList lines;
    for (const std::string& line : report.lines)
        lines << QString::fromStdString(line);
    const SolarTermStatus note = ComposeSolarTermStatus(run.date.year, run.date.month, run.date.day);
    almanac_(lines, QString::fromStdString(report.caption), QString::fromStdString(note.text),
             QString::fromStdString(note.tooltip));
}

}  // namespace vadelon
