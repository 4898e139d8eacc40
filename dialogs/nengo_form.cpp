#include "dialogs/nengo_form.h"

#include "fonts/fonts.h"
#include "platform/platform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace vadelon {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int pixelSize, const QColor& colour,
                  const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(PixelFont(kProportionalFamily, pixelSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // Sized with the question's texts, before the dialog is first shown.
    label->move(left, top);
    return label;
}

QToolButton* MakeToggle(QWidget* parent, const char* name, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 24, 81, 25);
    return button;
}

}  // namespace

TNengoForm::TNengoForm(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , platform_(platform)
{
    setObjectName(QStringLiteral("NengoForm"));
    setWindowTitle(QStringLiteral("年号確認"));
    setFixedSize(304, 238);
    // Era names, digits and the dialog's own words: its own texts.
    setFont(OwnTextFont(kProportionalFamily, 12));
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);

    Label1 = MakeLabel(this, "Label1", 16, 16, 16, kBlue);
    Label2 = MakeLabel(this, "Label2", 16, 40, 21, kRed);
    Label3 = MakeLabel(this, "Label3", 64, 48, 16, kBlue, QStringLiteral("から"));
    Label4 = MakeLabel(this, "Label4", 96, 40, 21, kRed);
    Label5 = MakeLabel(this, "Label5", 144, 48, 16, kBlue, QStringLiteral("に改元されています"));

    GroupBox1 = new QGroupBox(QStringLiteral("採用したい年号をチェックして下さい"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 96, 273, 65);
    SpeedButton1 = MakeToggle(GroupBox1, "SpeedButton1", 40);
    SpeedButton2 = MakeToggle(GroupBox1, "SpeedButton2", 152);
    // Exclusive: a press on the button that is down leaves it down, so once
    // one is chosen the pair can never go back to neither.
    auto* toggles = new QButtonGroup(this);
    toggles->setExclusive(true);
    toggles->addButton(SpeedButton1);
    toggles->addButton(SpeedButton2);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(120, 192, 65, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(GroupBox1, Button1);
}

void TNengoForm::SetQuestionTexts(const EraQuestion& question)
{
    Label1->setText(QStringLiteral("西暦") + FromView(question.startYear) + QStringLiteral("年は、") +
                    FromView(question.startMonth) + QStringLiteral("月") + FromView(question.startDay) +
                    QStringLiteral("日をもって"));
    Label2->setText(FromView(question.earlierName));
    Label4->setText(FromView(question.laterName));
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5})
        label->adjustSize();
    SpeedButton1->setText(FromView(question.earlierName));
    SpeedButton2->setText(FromView(question.laterName));
}

EraChoice TNengoForm::AskEraChoice(const EraQuestion& question)
{
    SetQuestionTexts(question);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    platform_.RunModal(this);
    // The modal result means nothing: OK, Enter and a close from the window
    // manager all end up here, and the toggles alone carry the answer.
    if (SpeedButton1->isChecked())
        return EraChoice::Earlier;
    if (SpeedButton2->isChecked())
        return EraChoice::Later;
    return EraChoice::None;
}

void TNengoForm::keyPressEvent(QKeyEvent* event)
{
    // There is nothing to cancel: Esc does not close the question.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vadelon
