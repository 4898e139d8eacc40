#include "calculator/vadelon_form.h"

#include "calculator/baked_pictures.h"
#include "calculator/mode_table.h"
#include "calculator/number_field.h"
#include "calculator/up_down.h"
#include "fonts/fonts.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"
#include "platform/window_setup.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <algorithm>

namespace vadelon {

namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 371;
constexpr int kStatusBarHeight = 19;

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
}

}  // namespace

TVadelonForm::TVadelonForm(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
{
    FormCreate();
}

TVadelonForm::~TVadelonForm() = default;

void TVadelonForm::FormCreate()
{
    InstallAccessibleWidgets();
    setObjectName(QStringLiteral("VadelonForm"));
    setWindowTitle(kAppTitle);
    setWindowIcon(PaintWindowIcon());
    setFont(OwnTextFont(kProportionalFamily, 12));
    // Single fixed border: system menu and minimize box, no maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight - kStatusBarHeight);
    setCentralWidget(client);

    BuildModePanel(client);
    Panel(PanelSide::Upper) = BuildDatePanel(client, PanelSide::Upper);
    BuildNumberPanel(client);
    BuildButtons(client);
    Panel(PanelSide::Lower) = BuildDatePanel(client, PanelSide::Lower);

    auto* StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusBarHeight);
    setStatusBar(StatusBar1);
    // The one simple text, as a label: the bar's own message area keeps wide
    // margins that cut the longest hints short.
    statusText_ = new QLabel(StatusBar1);
    statusText_->setObjectName(QStringLiteral("SimpleText"));
    statusText_->setContentsMargins(2, 0, 0, 0);
    statusText_->setTextFormat(Qt::PlainText);
    StatusBar1->setContentsMargins(0, 0, 0, 0);
    StatusBar1->addWidget(statusText_, 1);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    resultNote_ = new SpokenNote(StatusBar1);

    BuildMenu();
    SetFocusOrder();
    ConnectHandlers();

    // Esc presses the clear button; there is no default button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, BitBtn2, &QPushButton::click);
    // F1 asks for help, as on every desktop.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, SearchforHelpOn1,
            &QAction::trigger);

    setFixedSize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());

    // Start-up state: day count selected, shifting forward, era lists filled.
    ModeButton(CalcMode::DayCount)->setChecked(true);
    ModeMenuItem(CalcMode::DayCount)->setChecked(true);
    ApplyModeLayout(CalcMode::DayCount);
    shiftForward_ = true;
    FillEraLists();
}

void TVadelonForm::BuildModePanel(QWidget* client)
{
    auto* Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 97, 217);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAccessibleName(QStringLiteral("計算種別"));

    auto* Label1 = new QLabel(QStringLiteral("計算種別"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(OwnTextFont(kProportionalFamily, 16, true));
    SetTextColour(Label1, Qt::black);
    Label1->adjustSize();
    Label1->move((97 - Label1->width()) / 2, 10);

    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    // One button per mode, its mode as its id, at a pitch of 32 pixels.
    int id = 0;
    for (const ModeRow& look : ModeTable()) {
        auto* button = new ChoiceButton(Panel1);
        button->setObjectName(QString::fromLatin1(look.buttonName));
        button->setText(QString::fromUtf8(look.caption));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(16, 42 + 32 * id, 65, 22);
        SetTextColour(button, look.colour);
        SetHint(button, QString::fromUtf8(look.hint));
        modeGroup_->addButton(button, id++);
    }
}

void TVadelonForm::BuildNumberPanel(QWidget* client)
{
    Panel3 = new QFrame(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(120, 128, 161, 89);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    KeepLookWhenDisabled(Panel3);
    const QFont large = OwnTextFont(kProportionalFamily, 16, true);

    Label16 = new QLabel(Panel3);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->setFont(large);
    Label16->move(10, 8);

    Edit9 = new TNumberField(Panel3);
    Edit9->setObjectName(QStringLiteral("Edit9"));
    Edit9->setFont(large);
    TakeFallbacksWhenNeeded(Edit9);
    Edit9->setGeometry(10, 32, 90, 26);

    Label17 = new QLabel(Panel3);
    Label17->setObjectName(QStringLiteral("Label17"));
    Label17->setFont(large);
    Label17->move(104, 37);

    Label18 = new QLabel(Panel3);
    Label18->setObjectName(QStringLiteral("Label18"));
    SetTextColour(Label18, Qt::black);
    Label18->move(10, 67);

    SpeedButton6 = new QToolButton(Panel3);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setText(QStringLiteral("切替"));
    SpeedButton6->setFont(OwnTextFont(kProportionalFamily, 11));
    SpeedButton6->setGeometry(114, 67, 33, 14);
    // Reached by Tab as well, right after the number it qualifies, so that
    // the direction can be changed without a mouse.
    SpeedButton6->setFocusPolicy(Qt::TabFocus);
    SpeedButton6->setCursor(Qt::PointingHandCursor);
    SetHint(SpeedButton6, QStringLiteral("日付計算において、【×日後】／【×日前】を切り替えます。"));
}

void TVadelonForm::BuildButtons(QWidget* client)
{
    // The holders of the run pictures; each picture is made when a mode
    // first puts it on the run button.
    for (std::size_t i = 0; i < runImages_.size(); ++i) {
        auto* image = new QLabel(client);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setGeometry(0, 0, 85, 85);
        image->hide();
        runImages_[i] = image;
    }

    BitBtn1 = new QPushButton(client);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(288, 128, 89, 89);
    BitBtn1->setIconSize(QSize(85, 85));
    BitBtn1->setAutoDefault(false);
    BitBtn1->setCursor(Qt::PointingHandCursor);
    SetHint(BitBtn1, QStringLiteral("計算を実行し、結果を矢印の向いている欄に表示します。"));
    BitBtn1->setAccessibleName(QStringLiteral("計算実行"));

    BitBtn2 = new QPushButton(client);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(24, 312, 65, 25);
    BitBtn2->setIcon(QIcon(ClearImagePicture()));
    BitBtn2->setIconSize(QSize(61, 21));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setCursor(Qt::PointingHandCursor);
    SetHint(BitBtn2, QStringLiteral("すべての欄の数値を消去します。"));
    BitBtn2->setAccessibleName(QStringLiteral("クリア"));
}

void TVadelonForm::SetFocusOrder()
{
    // Upper date panel, number panel, lower date panel, run button, clear button.
    // Within a panel: Western year, year spin button, era, era year, month,
    // day, month and day spin buttons, today button; in the number panel the
    // number, then its after/before toggle.
    const QList<QWidget*> chain = Panel(PanelSide::Upper).FocusChain() + QList<QWidget*>{Edit9, SpeedButton6} +
                                  Panel(PanelSide::Lower).FocusChain() + QList<QWidget*>{BitBtn1, BitBtn2};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TVadelonForm::ConnectHandlers()
{
    // Mode buttons: the group has already put the button down.
    for (std::size_t i = 0; i < ModeTable().size(); ++i) {
        const auto mode = static_cast<CalcMode>(i);
        connect(ModeButton(mode), &QAbstractButton::clicked, this, [this, mode] { SelectMode(mode, false); });
        connect(ModeMenuItem(mode), &QAction::triggered, this, [this, mode] { SelectMode(mode, true); });
    }
    connect(SpeedButton6, &QToolButton::clicked, this, &TVadelonForm::ToggleShiftDirection);
    connect(BitBtn1, &QPushButton::clicked, this, &TVadelonForm::RunCalculation);
    connect(BitBtn2, &QPushButton::clicked, this, &TVadelonForm::ClearAll);
    for (DatePanel& panel : panels_)
        ConnectPanel(panel);
    connect(Edit9, &QLineEdit::textChanged, this, [this] { FieldsChanged(FieldGroup::NumberField); });
    // Every key press of the application passes the filter, to tell a press
    // that went to another window from one that went to this one.
    QCoreApplication::instance()->installEventFilter(this);
}

void TVadelonForm::ConnectPanel(DatePanel& panel)
{
    const DatePanel& p = panel;
    connect(p.yearSpin, &TUpDown::Click, this, [this, &p](int d) { YearStep(p, d); });
    connect(p.monthSpin, &TUpDown::Click, this, [this, &p](int d) { MonthStep(p, d); });
    connect(p.daySpin, &TUpDown::Click, this, [this, &p](int d) { DayStep(p, d); });
    for (TUpDown* spin : p.Spins())
        connect(spin, &TUpDown::MouseUp, this, [this, &p] { RefreshEraFields(p); });
    connect(p.today, &QPushButton::clicked, this, [this, &p] { Today(p); });
    connect(p.era, &QComboBox::activated, this, [this, &p] {
        RefreshWesternYear(p);
        // The list's own change goes untold (a list names its item), and the
        // year changes with it: both are told.
        const QString year = p.year->text().isEmpty() ? QString() : QStringLiteral(" 西暦%1年").arg(p.year->text());
        resultNote_->Say(p.era->currentText() + year);
    });
    // Text committed by an input method is typing without a key release.
    for (QLineEdit* edit : p.TypedFields())
        connect(qobject_cast<TNumberField*>(edit), &TNumberField::Committed, this, [this, edit] { FieldKeyUp(edit); });
    for (QLineEdit* edit : p.DateFields())
        connect(edit, &QLineEdit::textChanged, this, [this, &p] { FieldsChanged(p.group); });
}

void TVadelonForm::FieldKeyUp(QObject* field)
{
    // A field that shows a result takes the focus but no input: its keys
    // change nothing.
    if (const auto* edit = qobject_cast<const QLineEdit*>(field); edit && edit->isReadOnly())
        return;
    for (const DatePanel& panel : panels_) {
        const auto date = panel.DateFields();
        if (std::find(date.begin(), date.end(), field) != date.end())
            RefreshEraFields(panel);
        else if (field == panel.eraYear)
            RefreshWesternYear(panel);
    }
}

bool TVadelonForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    // Key events reach the QWindow before the focus widget, and one that a
    // widget ignores goes on to its parent: only widgets count, and a
    // release is decided at the first of them, the one it was sent to.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if ((press || release) && widget && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        // A key is known by where it sits on the keyboard: its code can change
        // between press and release (Shift let go first turns "!" back into
        // "1"). Events without a scan code (synthetic ones) go by their code,
        // kept apart from the scan codes.
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const qint64 key = keyEvent->nativeScanCode() != 0 ? qint64{keyEvent->nativeScanCode()}
                                                           : (qint64{1} << 32) | quint32(keyEvent->key());
        if (press) {
            if (widget->window() == this)
                keysPressedElsewhere_.erase(key);
            else
                keysPressedElsewhere_.insert(key);
        } else if (keysPressedElsewhere_.erase(key) == 0) {
            // A release counts, whatever the key, unless its press went to
            // another window: the Enter that closes the era dialog must not
            // ask again when its release lands in the field that asked.
            FieldKeyUp(watched);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TVadelonForm::event(QEvent* event)
{
    // Hints come as status tips from the control under the pointer and from
    // the highlighted menu item; all of them go to the one simple text.
    if (event->type() == QEvent::StatusTip) {
        DisplayHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TVadelonForm::DisplayHint(const QString& hint)
{
    SetStatusText(statusText_, hint);
}

QString TVadelonForm::StatusText() const
{
    return statusText_->text();
}

}  // namespace vadelon
