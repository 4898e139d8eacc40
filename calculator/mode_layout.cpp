// Mode selection, the five mode layouts, clearing and the after/before toggle.
#include "calculator/run_images.h"
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vadelon {

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

void SetLabel(QLabel* label, const QString& text, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setText(text);
    label->adjustSize();
}

void SetLabel(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void ShowMonthAndDay(const DatePanel& p, bool shown)
{
    for (QWidget* w : std::initializer_list<QWidget*>{p.month, p.monthSpin, p.monthUnit, p.day, p.daySpin, p.dayUnit,
                                                      p.weekday})
        w->setVisible(shown);
}

}  // namespace

void TVadelonForm::ShowRunImage(QLabel* image)
{
    if (image->pixmap().isNull())
        image->setPixmap(PaintRunImage(image == Image1 ? RunImage::Image1
                                       : image == Image2 ? RunImage::Image2
                                                         : RunImage::Image3));
    BitBtn1->setIcon(QIcon(image->pixmap()));
    // Which picture is on the button, by the name of its holder.
    BitBtn1->setProperty("runImage", image->objectName());
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
    switch (mode) {
    case CalcMode::DayCount:
        ShowRunImage(Image1);
        ShowMonthAndDay(upper_, true);
        Button1->setText(QStringLiteral("きょう"));
        SetLabel(Label2, QStringLiteral("この日付から"));
        Panel3->show();
        Panel3->setEnabled(false);
        SetLabel(Label16, QStringLiteral("経過日数は"), kRed);
        SetLabel(Label17, QStringLiteral("日"), kRed);
        SetLabel(Label18, QStringLiteral("期間日数は１を加算"));
        SpeedButton6->hide();
        Panel4->show();
        Panel4->setEnabled(true);
        ShowMonthAndDay(lower_, true);
        Button2->setText(QStringLiteral("きょう"));
        Button2->show();
        SetLabel(Label9, QStringLiteral("この日付までの"), kBlue);
        break;
    case CalcMode::DateShift:
        ShowRunImage(Image2);
        ShowMonthAndDay(upper_, true);
        Button1->setText(QStringLiteral("きょう"));
        SetLabel(Label2, QStringLiteral("この日付から"));
        Panel3->show();
        Panel3->setEnabled(true);
        SetLabel(Label16, shiftForward_ ? QStringLiteral("加算日数") : QStringLiteral("減算日数"), kBlue);
        SetLabel(Label17, shiftForward_ ? QStringLiteral("日後は") : QStringLiteral("日前は"), kBlue);
        SetLabel(Label18, QStringLiteral("日後／前の切替→"));
        SpeedButton6->show();
        Panel4->show();
        Panel4->setEnabled(false);
        ShowMonthAndDay(lower_, true);
        Button2->hide();
        SetLabel(Label9, QStringLiteral("計算結果日付"), kRed);
        break;
    case CalcMode::AgeCalc:
        ShowRunImage(Image1);
        ShowMonthAndDay(upper_, false);
        Button1->setText(QStringLiteral("ことし"));
        SetLabel(Label2, QStringLiteral("この年うまれの人の"));
        Panel3->show();
        Panel3->setEnabled(false);
        SetLabel(Label16, QStringLiteral("満年齢は"), kRed);
        SetLabel(Label17, QStringLiteral("歳"), kRed);
        SetLabel(Label18, QStringLiteral("数え年は１を加算"));
        SpeedButton6->hide();
        Panel4->show();
        Panel4->setEnabled(true);
        ShowMonthAndDay(lower_, false);
        Button2->setText(QStringLiteral("ことし"));
        Button2->show();
        SetLabel(Label9, QStringLiteral("この年誕生日後の"), kBlue);
        break;
    case CalcMode::BirthYearCalc:
        ShowRunImage(Image2);
        ShowMonthAndDay(upper_, false);
        Button1->setText(QStringLiteral("ことし"));
        SetLabel(Label2, QStringLiteral("この年誕生日が来て"));
        Panel3->show();
        Panel3->setEnabled(true);
        SetLabel(Label16, QStringLiteral("満"), kBlue);
        SetLabel(Label17, QStringLiteral("歳"), kBlue);
        SetLabel(Label18, QStringLiteral("になる人の"));
        SpeedButton6->hide();
        Panel4->show();
        Panel4->setEnabled(false);
        ShowMonthAndDay(lower_, false);
        Button2->hide();
        SetLabel(Label9, QStringLiteral("うまれた年は"), kRed);
        break;
    case CalcMode::Almanac:
        // The number panel and the lower panel are hidden; what they hold
        // is left as it was.
        ShowRunImage(Image3);
        ShowMonthAndDay(upper_, true);
        Button1->setText(QStringLiteral("きょう"));
        SetLabel(Label2, QStringLiteral("こよみ計算日付"));
        Panel3->hide();
        Panel4->hide();
        break;
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
    case FieldGroup::NumberField:
        Edit9->clear();
        break;
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
