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

constexpr CalcMode kAllModes[] = {CalcMode::DayCount, CalcMode::DateShift, CalcMode::AgeCalc, CalcMode::BirthYearCalc,
                                  CalcMode::Almanac};

// The control of the given name and type below parent.
template <typename T>
void Bind(T*& control, const QObject* parent, const char* name)
{
    control = parent->findChild<T*>(QString::fromLatin1(name));
}

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
    BuildDatePanel(client, PanelSide::Upper);
    BuildNumberPanel(client);
    BuildButtons(client);
    Panel4 = BuildDatePanel(client, PanelSide::Lower);
    BindDatePanels();

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
    SpeedButton1->setChecked(true);
    N3->setChecked(true);
    ApplyModeLayout(CalcMode::DayCount);
    shiftForward_ = true;
    FillEraLists();
}

void TVadelonForm::BindDatePanels()
{
    Bind(Label2, this, "Label2");
    Bind(Edit1, this, "Edit1");
    Bind(UpDown1, this, "UpDown1");
    Bind(ComboBox1, this, "ComboBox1");
    Bind(Edit2, this, "Edit2");
    Bind(Edit3, this, "Edit3");
    Bind(UpDown2, this, "UpDown2");
    Bind(Label6, this, "Label6");
    Bind(Edit4, this, "Edit4");
    Bind(UpDown3, this, "UpDown3");
    Bind(Label7, this, "Label7");
    Bind(Label8, this, "Label8");
    Bind(Button1, this, "Button1");
    Bind(Label9, Panel4, "Label9");
    Bind(Edit5, Panel4, "Edit5");
    Bind(UpDown4, Panel4, "UpDown4");
    Bind(ComboBox2, Panel4, "ComboBox2");
    Bind(Edit6, Panel4, "Edit6");
    Bind(Edit7, Panel4, "Edit7");
    Bind(UpDown5, Panel4, "UpDown5");
    Bind(Label13, Panel4, "Label13");
    Bind(Edit8, Panel4, "Edit8");
    Bind(UpDown6, Panel4, "UpDown6");
    Bind(Label14, Panel4, "Label14");
    Bind(Label15, Panel4, "Label15");
    Bind(Button2, Panel4, "Button2");
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
    QToolButton** buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4, &SpeedButton5};
    for (int i = 0; i < 5; ++i) {
        const ModeLayout& look = LayoutOf(kAllModes[i]);
        auto* button = new ChoiceButton(Panel1);
        button->setObjectName(QString::fromLatin1(look.buttonName));
        button->setText(QString::fromUtf8(look.caption));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(16, 42 + 32 * i, 65, 22);
        SetTextColour(button, look.colour);
        SetHint(button, QString::fromUtf8(look.hint));
        modeGroup_->addButton(button, i);
        *buttons[i] = button;
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
    QLabel** holders[3] = {&Image1, &Image2, &Image3};
    for (int i = 0; i < 3; ++i) {
        auto* image = new QLabel(client);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setGeometry(0, 0, 85, 85);
        image->hide();
        *holders[i] = image;
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
    const QList<QWidget*> chain{Edit1,   UpDown1, ComboBox1,    Edit2,   Edit3,   Edit4,     UpDown2, UpDown3,
                                Button1, Edit9,   SpeedButton6, Edit5,   UpDown4, ComboBox2, Edit6,   Edit7,
                                Edit8,   UpDown5, UpDown6,      Button2, BitBtn1, BitBtn2};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TVadelonForm::ConnectHandlers()
{
    // Mode buttons: the group has already put the button down.
    for (CalcMode mode : kAllModes) {
        connect(ModeButton(mode), &QToolButton::clicked, this, [this, mode] { SelectMode(mode, false); });
        connect(ModeMenuItem(mode), &QAction::triggered, this, [this, mode] { SelectMode(mode, true); });
    }
    connect(SpeedButton6, &QToolButton::clicked, this, &TVadelonForm::ToggleShiftDirection);
    connect(BitBtn1, &QPushButton::clicked, this, &TVadelonForm::RunCalculation);
    connect(R1, &QAction::triggered, this, &TVadelonForm::RunCalculation);
    connect(BitBtn2, &QPushButton::clicked, this, &TVadelonForm::ClearAll);
    connect(Clear1, &QAction::triggered, this, &TVadelonForm::ClearAll);
    connect(Calendar1, &QAction::triggered, this, [this] {
        if (calendar_)
            calendar_();
    });
    connect(Exit1, &QAction::triggered, this, &TVadelonForm::close);
    connect(About1, &QAction::triggered, this, [this] {
        if (aboutBox_)
            platform_.RunModal(aboutBox_());
    });
    connect(SearchforHelpOn1, &QAction::triggered, this, [this] { platform_.ShowHelpFinder(this, kHelpFile); });

    for (PanelSide side : {PanelSide::Upper, PanelSide::Lower}) {
        const bool upper = side == PanelSide::Upper;
        TUpDown* yearSpin = upper ? UpDown1 : UpDown4;
        TUpDown* monthSpin = upper ? UpDown2 : UpDown5;
        TUpDown* daySpin = upper ? UpDown3 : UpDown6;
        connect(yearSpin, &TUpDown::Click, this, [this, side](int d) { YearStep(side, d); });
        connect(monthSpin, &TUpDown::Click, this, [this, side](int d) { MonthStep(side, d); });
        connect(daySpin, &TUpDown::Click, this, [this, side](int d) { DayStep(side, d); });
        for (TUpDown* spin : {yearSpin, monthSpin, daySpin})
            connect(spin, &TUpDown::MouseUp, this, [this, side] { RefreshEraFields(side); });
        connect(upper ? Button1 : Button2, &QPushButton::clicked, this, [this, side] { Today(side); });
        connect(upper ? ComboBox1 : ComboBox2, &QComboBox::activated, this, [this, side] { RefreshWesternYear(side); });
    }
    // Every key press of the application passes the filter, to tell a press
    // that went to another window from one that went to this one.
    QCoreApplication::instance()->installEventFilter(this);
    // Text committed by an input method is typing without a key release.
    for (QLineEdit* edit : {Edit1, Edit3, Edit4, Edit2, Edit5, Edit7, Edit8, Edit6})
        connect(qobject_cast<TNumberField*>(edit), &TNumberField::Committed, this, [this, edit] { FieldKeyUp(edit); });
    for (QLineEdit* edit : {Edit1, Edit3, Edit4})
        connect(edit, &QLineEdit::textChanged, this, &TVadelonForm::Edit1Change);
    for (QLineEdit* edit : {Edit5, Edit7, Edit8})
        connect(edit, &QLineEdit::textChanged, this, &TVadelonForm::Edit5Change);
    connect(Edit9, &QLineEdit::textChanged, this, &TVadelonForm::Edit9Change);
}

void TVadelonForm::FieldKeyUp(QObject* field)
{
    // A field that shows a result takes the focus but no input: its keys
    // change nothing.
    if (const auto* edit = qobject_cast<const QLineEdit*>(field); edit && edit->isReadOnly())
        return;
    for (PanelSide side : {PanelSide::Upper, PanelSide::Lower}) {
        const auto date = DateEdits(side);
        if (std::find(date.begin(), date.end(), field) != date.end())
            RefreshEraFields(side);
        else if (field == (side == PanelSide::Upper ? Edit2 : Edit6))
            RefreshWesternYear(side);
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
