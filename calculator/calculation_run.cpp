// The calculation run behind the run button and 計算実行: the rules decide,
// the window reads the fields, shows the message and writes the texts.
#include "calculator/field_text.h"
#include "calculator/mode_table.h"
#include "calculator/vadelon_form.h"
#include "calendar/days/almanac.h"
#include "calendar/sky/solar_term_status.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <variant>

namespace vadelon {

void TVadelonForm::RunCalculation()
{
    const ModeRow& mode = RowOf(CurrentMode());
    const DatePanel& lower = Panel(PanelSide::Lower);
    const RunOutcome outcome =
        mode.run({Panel(PanelSide::Upper).Date(), Edit9->text().toStdString(), lower.Date(), shiftForward_});
    if (const auto* almanac = std::get_if<AlmanacRun>(&outcome)) {
        ComposeAlmanac(*almanac);
        return;
    }
    const RunResult& result = std::get<RunResult>(outcome);
    if (mode.result == ResultField::NumberField) {
        if (WriteResult(result, {Edit9}))
            resultNote_->Say(Label16->text() + Edit9->text() + Label17->text());
        return;
    }
    // Into the lower panel: a date, or a year alone where the month and day are hidden.
    const QList<QLineEdit*> fields =
        mode.monthAndDay ? QList<QLineEdit*>{lower.year, lower.month, lower.day} : QList<QLineEdit*>{lower.year};
    if (WriteResult(result, fields)) {
        RefreshEraFields(lower);
        resultNote_->Say(lower.title->text() + DateSpoken(lower, mode.monthAndDay));
    }
}

QString TVadelonForm::DateSpoken(const DatePanel& panel, bool withMonthAndDay) const
{
    // "2027年（令和9年）3月17日（水曜日）", the era part only where there is one.
    QString spoken = panel.year->text() + QStringLiteral("年");
    if (!panel.era->currentText().isEmpty() && ReadField(panel.eraYear))
        spoken += QStringLiteral("（%1%2年）").arg(panel.era->currentText(), panel.eraYear->text());
    if (withMonthAndDay)
        spoken += panel.month->text() + QStringLiteral("月") + panel.day->text() + QStringLiteral("日") +
                  panel.weekday->text();
    return spoken;
}

bool TVadelonForm::WriteResult(const RunResult& result, const QList<QLineEdit*>& fields)
{
    if (result.beep)
        platform_.Beep(BeepType::Default);
    if (!result.message.empty())
        platform_.ShowMessage(this, QString::fromStdString(result.message));
    if (static_cast<qsizetype>(result.texts.size()) != fields.size())
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
    const DatePanel& upper = Panel(PanelSide::Upper);
    AlmanacPanelTexts texts;
    texts.westernYear = upper.year->text().toStdString();
    texts.eraName = upper.era->currentText().toStdString();
    texts.eraYear = upper.eraYear->text().toStdString();
    texts.month = upper.month->text().toStdString();
    texts.day = upper.day->text().toStdString();
    texts.weekday = upper.weekday->text().toStdString();
    const AlmanacReport report = ComposeAlmanacReport(run.date, texts);
    QStringList lines;
    for (const std::string& line : report.lines)
        lines << QString::fromStdString(line);
    const SolarTermStatus note = ComposeSolarTermStatus(run.date);
    almanac_(lines, QString::fromStdString(report.caption), QString::fromStdString(note.text),
             QString::fromStdString(note.tooltip));
}

}  // namespace vadelon
