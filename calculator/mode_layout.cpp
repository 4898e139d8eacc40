// Mode selection, the five mode layouts, clearing and the after/before toggle.
#include "calculator/baked_pictures.h"
#include "calculator/mode_table.h"
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"
#include "fonts/standard_colours.h"
#include "platform/window_setup.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vadelon {

namespace {

// Read top to bottom, the labels of a mode form one sentence.
const ModeLayout kModes[] = {
    {"SpeedButton1",
     "日数計算",
     kNavy,
     "入力した２つの日付から、両者間の経過日数を計算します。",
     "N3",
     "日数計算(&N)",
     RunImage::Image1,
     false,
     true,
     "きょう",
     "この日付から",
     false,
     {"経過日数は", "経過日数は"},
     {"日", "日"},
     "期間日数は１を加算",
     false,
     "この日付までの"},
    {"SpeedButton2",
     "日付計算",
     kNavy,
     "入力した日付の、入力した日数後あるいは日数前の日付を計算します。",
     "D1",
     "日付計算(&D)",
     RunImage::Image2,
     false,
     true,
     "きょう",
     "この日付から",
     true,
     {"加算日数", "減算日数"},
     {"日後は", "日前は"},
     "日後／前の切替→",
     true,
     "計算結果日付"},
    {"SpeedButton3",
     "年齢計算",
     kMaroon,
     "生年と現在年を入力し、誕生日後での満年齢を計算します。",
     "A1",
     "年齢計算(&A)",
     RunImage::Image1,
     false,
     false,
     "ことし",
     "この年うまれの人の",
     false,
     {"満年齢は", "満年齢は"},
     {"歳", "歳"},
     "数え年は１を加算",
     false,
     "この年誕生日後の"},
    {"SpeedButton4",
     "生年計算",
     kMaroon,
     "現在年と満年齢を入力し、生年を計算します。",
     "B1",
     "生年計算(&B)",
     RunImage::Image2,
     false,
     false,
     "ことし",
     "この年誕生日が来て",
     true,
     {"満", "満"},
     {"歳", "歳"},
     "になる人の",
     false,
     "うまれた年は"},
    {"SpeedButton5",
     "こよみ",
     kGreen,
     "入力した日付の、ユリウス日や年月日それぞれの干支、年九星を計算します。",
     "W1",
     "こよみ(&W)",
     RunImage::Image3,
     true,
     true,
     "きょう",
     "こよみ計算日付",
     false,
     {},
     {},
     nullptr,
     false,
     nullptr},
};

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

const ModeLayout& LayoutOf(CalcMode mode)
{
    return kModes[static_cast<int>(mode)];
}

void TVadelonForm::ShowRunImage(RunImage image)
{
    QLabel* holder = image == RunImage::Image1 ? Image1 : image == RunImage::Image2 ? Image2 : Image3;
    if (holder->pixmap().isNull())
        holder->setPixmap(RunImagePicture(image));
    BitBtn1->setIcon(QIcon(holder->pixmap()));
    // Which picture is on the button, by the name of its holder.
    BitBtn1->setProperty("runImage", holder->objectName());
}

void TVadelonForm::ShowMonthAndDay(PanelSide side, bool shown)
{
    using Controls = std::array<QWidget*, 7>;
    const Controls upper{Edit3, UpDown2, Label6, Edit4, UpDown3, Label7, Label8};
    const Controls lower{Edit7, UpDown5, Label13, Edit8, UpDown6, Label14, Label15};
    for (QWidget* w : side == PanelSide::Upper ? upper : lower)
        w->setVisible(shown);
}

QToolButton* TVadelonForm::ModeButton(CalcMode mode) const
{
    QToolButton* const buttons[] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5};
    return buttons[static_cast<int>(mode)];
}

QAction* TVadelonForm::ModeMenuItem(CalcMode mode) const
{
    QAction* const items[] = {N3, D1, A1, B1, W1};
    return items[static_cast<int>(mode)];
}

CalcMode TVadelonForm::CurrentMode() const
{
    // The buttons are tested in order; exactly one of them is down.
    if (SpeedButton1->isChecked())
        return CalcMode::DayCount;
    if (SpeedButton2->isChecked())
        return CalcMode::DateShift;
    if (SpeedButton3->isChecked())
        return CalcMode::AgeCalc;
    if (SpeedButton4->isChecked())
        return CalcMode::BirthYearCalc;
    return CalcMode::Almanac;
}

void TVadelonForm::SelectMode(CalcMode mode, bool fromMenu)
{
    ModeMenuItem(mode)->setChecked(true);
    if (fromMenu)
        ModeButton(mode)->setChecked(true);
    // The new mode is down before anything is emptied, so the change
    // handling that the emptying fires already sees it.
    ClearFields(FieldGroup::NumberField);
    ClearFields(FieldGroup::LowerPanel);
    ApplyModeLayout(mode);
}

void TVadelonForm::ApplyModeLayout(CalcMode mode)
{
    const ModeLayout& l = LayoutOf(mode);
    ShowRunImage(l.runImage);
    ShowMonthAndDay(PanelSide::Upper, l.monthAndDay);
    SetTodayCaption(Button1, Text(l.today));
    SetLabel(Label2, Text(l.upperTitle));
    if (l.onlyUpperPanel) {
        Panel3->hide();
        Panel4->hide();
    } else {
        // A title or unit in blue belongs to a field the user fills in, one
        // in red to a field that receives the result.
        const QColor& numberColour = l.resultBelow ? kBlue : kRed;
        const int direction = shiftForward_ ? 0 : 1;
        Panel3->show();
        // The panel that receives the result takes no input, but its fields
        // take the focus, so that the result can be reached and read.
        Edit9->setReadOnly(!l.resultBelow);
        LookAsResultPanel(Panel3, !l.resultBelow);
        SetLabel(Label16, Text(l.numberTitle[direction]), numberColour);
        SetLabel(Label17, Text(l.numberUnit[direction]), numberColour);
        SetLabel(Label18, Text(l.note));
        SpeedButton6->setVisible(l.toggle);
        Panel4->show();
        for (QLineEdit* field : {Edit5, Edit6, Edit7, Edit8})
            field->setReadOnly(l.resultBelow);
        LookAsResultPanel(Panel4, l.resultBelow);
        for (QWidget* input : std::initializer_list<QWidget*>{UpDown4, ComboBox2, UpDown5, UpDown6})
            input->setEnabled(!l.resultBelow);
        ShowMonthAndDay(PanelSide::Lower, l.monthAndDay);
        if (!l.resultBelow)
            SetTodayCaption(Button2, Text(l.today));
        Button2->setVisible(!l.resultBelow);
        SetLabel(Label9, Text(l.lowerTitle), l.resultBelow ? kRed : kBlue);
    }
    // The number field has no label of its own: a screen reader says the
    // words around it, as the mode has them.
    Edit9->setAccessibleName(Label16->text() + QLatin1Char(' ') + Label17->text());
}

void TVadelonForm::ClearFields(FieldGroup group)
{
    switch (group) {
    case FieldGroup::UpperPanel:
        Edit1->clear();
        Edit3->clear();
        Edit4->clear();
        RefreshEraFields(PanelSide::Upper);
        break;
    case FieldGroup::NumberField: Edit9->clear(); break;
    case FieldGroup::LowerPanel:
        Edit5->clear();
        Edit7->clear();
        Edit8->clear();
        RefreshEraFields(PanelSide::Lower);
        break;
    }
}

void TVadelonForm::ClearAll()
{
    ClearFields(FieldGroup::UpperPanel);
    ClearFields(FieldGroup::NumberField);
    ClearFields(FieldGroup::LowerPanel);
}

void TVadelonForm::ToggleShiftDirection()
{
    shiftForward_ = !shiftForward_;
    ApplyModeLayout(CalcMode::DateShift);
    ClearFields(FieldGroup::LowerPanel);
}

}  // namespace vadelon
