#include "dialogs/nengo_form.h"

#include "fonts/fonts.h"
#include "fonts/standard_colours.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"
#include "platform/window_setup.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace vadelon {
namespace {

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
    SetTextColour(label, colour);
    // Sized with the question's texts, before the dialog is first shown.
    label->move(left, top);
    return label;
}

QToolButton* MakeToggle(QWidget* parent, const char* name, int left)
{
    auto* button = new ChoiceButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 24, 81, 25);
    return button;
}

const QString kGroupCaption = QStringLiteral("採用したい年号をチェックして下さい");

// The dialog as a screen reader reads it: the question as one sentence (the
// first label stands for all five), then the choice and OK.
class NengoFormAccessible final : public QAccessibleWidget {
public:
    explicit NengoFormAccessible(TNengoForm* form)
        : QAccessibleWidget(form, QAccessible::Dialog)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return Form()->Sentence();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto children = Children();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

private:
    TNengoForm* Form() const { return static_cast<TNengoForm*>(widget()); }
    QList<QObject*> Children() const { return {Form()->Label1, Form()->GroupBox1, Form()->Button1}; }
};

QAccessibleInterface* DescribeNengoForm(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::TNengoForm"))
        return new NengoFormAccessible(static_cast<TNengoForm*>(object));
    return nullptr;
}

}  // namespace

TNengoForm::TNengoForm(Platform& platform, QWidget* parent)
    : NoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , platform_(platform)
{
    InstallAccessibleWidgets();
    static const bool described = (QAccessible::installFactory(&DescribeNengoForm), true);
    Q_UNUSED(described);
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

    GroupBox1 = new QGroupBox(kGroupCaption, this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 96, 273, 65);
    // The group takes the keyboard first: the arrow keys press its buttons,
    // which take no focus of their own, and Enter presses OK.
    GroupBox1->setFocusPolicy(Qt::TabFocus);
    GroupBox1->installEventFilter(this);
    SpeedButton1 = MakeToggle(GroupBox1, "SpeedButton1", 40);
    SpeedButton2 = MakeToggle(GroupBox1, "SpeedButton2", 152);
    // Exclusive: a press on the button that is down leaves it down, so once
    // one is chosen the pair can never go back to neither.
    auto* toggles = new QButtonGroup(this);
    toggles->setExclusive(true);
    toggles->addButton(SpeedButton1);
    toggles->addButton(SpeedButton2);
    connect(toggles, &QButtonGroup::buttonToggled, this, &TNengoForm::NameTheChoice);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(120, 192, 65, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(GroupBox1, Button1);
    choiceNote_ = new SpokenNote(GroupBox1);
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
    Label1->setAccessibleName(Sentence());
    NameTheChoice();
}

QString TNengoForm::Sentence() const
{
    return Label1->text() + Label2->text() + Label3->text() + Label4->text() + Label5->text();
}

void TNengoForm::NameTheChoice()
{
    const QToolButton* chosen = SpeedButton1->isChecked()   ? SpeedButton1
                                : SpeedButton2->isChecked() ? SpeedButton2
                                                            : nullptr;
    GroupBox1->setAccessibleName(chosen ? QStringLiteral("%1：%2").arg(kGroupCaption, chosen->text())
                                        : QStringLiteral("%1：未選択").arg(kGroupCaption));
}

bool TNengoForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GroupBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            QToolButton* pressed = key == Qt::Key_Left ? SpeedButton1 : SpeedButton2;
            pressed->click();
            // The group's new name is not read out where it has the focus.
            choiceNote_->Say(pressed->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

EraChoice TNengoForm::AskEraChoice(const EraQuestion& question)
{
    SetQuestionTexts(question);
    // Each question starts at the choice, whatever had the focus last time.
    GroupBox1->setFocus();
    CentreOnScreen(*this);
    platform_.RunModal(this);
    // The modal result means nothing: OK, Enter and a close from the window
    // manager all end up here, and the toggles alone carry the answer.
    if (SpeedButton1->isChecked())
        return EraChoice::Earlier;
    if (SpeedButton2->isChecked())
        return EraChoice::Later;
    return EraChoice::None;
}

}  // namespace vadelon
