#include "calculator/date_panel.h"

#include "calculator/era_list.h"
#include "calculator/number_field.h"
#include "calculator/up_down.h"
#include "calendar/rules/calculation_rules.h"
#include "fonts/fonts.h"
#include "fonts/standard_colours.h"
#include "platform/accessible_widgets.h"
#include "platform/window_setup.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace vadelon {

namespace {

template <typename W>
W* Make(QWidget* parent, const char* name, QRect rect)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect rect)
{
    auto* edit = Make<TNumberField>(parent, name, rect);
    edit->setMaxLength(32767);  // no limit of its own beyond the toolkit's
    edit->setTextMargins(0, 0, 0, 0);
    TakeFallbacksWhenNeeded(edit);
    return edit;
}

}  // namespace

void KeepLookWhenDisabled(QWidget* panel)
{
    QPalette palette = panel->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base,
                                     QPalette::Button, QPalette::Window})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    panel->setPalette(palette);
}

void LookAsResultPanel(QWidget* panel, bool receivesResult)
{
    // The frame's bevel is drawn in these colours, which a panel that takes
    // no input takes from the disabled ones.
    QPalette palette = panel->palette();
    const QPalette standard = QApplication::palette(panel);
    for (QPalette::ColorRole role :
         {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role,
                             receivesResult ? standard.color(QPalette::Disabled, role) : standard.color(group, role));
    }
    panel->setPalette(palette);
}

QList<QWidget*> DatePanel::InputControls() const
{
    return {yearSpin, era, monthSpin, daySpin};
}

QList<QWidget*> DatePanel::MonthAndDay() const
{
    return {month, monthSpin, monthUnit, day, daySpin, dayUnit, weekday};
}

QList<QWidget*> DatePanel::FocusChain() const
{
    // Western year, year spin button, era, era year, month, day, month and
    // day spin buttons, today button.
    return {year, yearSpin, era, eraYear, month, day, monthSpin, daySpin, today};
}

DateTexts DatePanel::Date() const
{
    return {year->text().toStdString(), month->text().toStdString(), day->text().toStdString()};
}

DatePanel BuildDatePanel(QWidget* parent, PanelSide side)
{
    const bool upper = side == PanelSide::Upper;
    // The control's name in the upper or the lower panel.
    auto n = [upper](const char* above, const char* below) { return upper ? above : below; };
    // The panel's name for a screen reader, before the name of each control.
    const QString panelName = upper ? QStringLiteral("上の日付") : QStringLiteral("下の日付");
    DatePanel p;
    p.group = upper ? FieldGroup::UpperPanel : FieldGroup::LowerPanel;
    p.frame = Make<QFrame>(parent, n("Panel2", "Panel4"), QRect(120, upper ? 8 : 224, 257, 113));
    p.frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p.frame->setLineWidth(1);
    KeepLookWhenDisabled(p.frame);
    QWidget* f = p.frame;

    p.title = MakeLabel(f, n("Label2", "Label9"), QPoint(10, 8), QString());
    QFont titleFont = p.title->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    p.title->setFont(titleFont);
    SetTextColour(p.title, kBlue);

    // Row 1: 西暦 [year][spin] 年  [era] [era year] 年
    constexpr int row1 = 40;
    MakeLabel(f, n("Label3", "Label10"), QPoint(10, row1 + 4), QStringLiteral("西暦"));
    p.year = MakeEdit(f, n("Edit1", "Edit5"), QRect(38, row1, 33, 21));
    p.yearSpin = Make<TUpDown>(f, n("UpDown1", "UpDown4"), QRect(71, row1, 15, 21));
    p.yearSpin->setCursor(Qt::PointingHandCursor);
    MakeLabel(f, n("Label4", "Label11"), QPoint(89, row1 + 4), QStringLiteral("年"));
    p.era = new EraList(panelName + QStringLiteral(" 年号"), f);
    p.era->setObjectName(QString::fromLatin1(n("ComboBox1", "ComboBox2")));
    p.era->setGeometry(106, row1, 49, 21);
    p.era->setEditable(false);
    p.era->setCursor(Qt::PointingHandCursor);
    p.eraYear = MakeEdit(f, n("Edit2", "Edit6"), QRect(158, row1, 25, 21));
    MakeLabel(f, n("Label5", "Label12"), QPoint(186, row1 + 4), QStringLiteral("年"));

    // Row 2: [month][spin] 月 [day][spin] 日 （　曜日）        [today]
    constexpr int row2 = 76;
    p.month = MakeEdit(f, n("Edit3", "Edit7"), QRect(38, row2, 25, 21));
    p.monthSpin = Make<TUpDown>(f, n("UpDown2", "UpDown5"), QRect(63, row2, 15, 21));
    p.monthUnit = MakeLabel(f, n("Label6", "Label13"), QPoint(81, row2 + 4), QStringLiteral("月"));
    p.day = MakeEdit(f, n("Edit4", "Edit8"), QRect(98, row2, 25, 21));
    p.daySpin = Make<TUpDown>(f, n("UpDown3", "UpDown6"), QRect(123, row2, 15, 21));
    p.dayUnit = MakeLabel(f, n("Label7", "Label14"), QPoint(141, row2 + 4), QStringLiteral("日"));
    // Its text is read as a value, under the panel's name.
    p.weekday = new ValueLabel(panelName + QStringLiteral(" 曜日"), f);
    p.weekday->setObjectName(QString::fromLatin1(n("Label8", "Label15")));
    p.weekday->setText(QString::fromStdString(BlankWeekdayLabel()));
    p.weekday->move(158, row2 + 4);
    p.weekday->adjustSize();

    const QString todayHint = QStringLiteral("今日の日付または今年の西暦年や和暦年を入力します。");
    p.today = Make<QPushButton>(f, n("Button1", "Button2"), QRect(206, 38, 41, 25));
    p.today->setCursor(Qt::PointingHandCursor);
    p.today->setAutoDefault(false);
    p.today->setStatusTip(todayHint);
    p.today->setToolTip(todayHint);

    // The labels beside the controls are not tied to them: a screen reader
    // gets a name of its own for each, the panel's first.
    p.frame->setAccessibleName(panelName);
    const std::pair<QWidget*, const char*> names[] = {
        {p.year, "西暦年"}, {p.yearSpin, "西暦年の増減"}, {p.eraYear, "和暦年"},   {p.month, "月"},
        {p.day, "日"},      {p.monthSpin, "月の増減"},    {p.daySpin, "日の増減"},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(panelName + QLatin1Char(' ') + QString::fromUtf8(name));
    p.weekday->setAccessibleDescription(p.weekday->text());
    // Each spin button's value is its field's number.
    p.yearSpin->SetField(p.year);
    p.monthSpin->SetField(p.month);
    p.daySpin->SetField(p.day);
    p.today->setAccessibleDescription(todayHint);
    return p;
}

}  // namespace vadelon
