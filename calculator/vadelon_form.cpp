#include "calculator/vadelon_form.h"

#include "calculator/run_images.h"
#include "calculator/up_down.h"
#include "fonts/fonts.h"
#include "platform/platform.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
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

namespace vadelon {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 371;
constexpr int kStatusBarHeight = 19;

struct ModeButtonLook {
    const char* name;
    const char* caption;
    QColor colour;
    const char* hint;
};

const ModeButtonLook kModeButtons[] = {
    {"SpeedButton1", "日数計算", kNavy, "入力した２つの日付から、両者間の経過日数を計算します。"},
    {"SpeedButton2", "日付計算", kNavy, "入力した日付の、入力した日数後あるいは日数前の日付を計算します。"},
    {"SpeedButton3", "年齢計算", kMaroon, "生年と現在年を入力し、誕生日後での満年齢を計算します。"},
    {"SpeedButton4", "生年計算", kMaroon, "現在年と満年齢を入力し、生年を計算します。"},
    {"SpeedButton5", "こよみ", kGreen, "入力した日付の、ユリウス日や年月日それぞれの干支、年九星を計算します。"},
};

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
}

}  // namespace

TVadelonForm::TVadelonForm(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform)
{
    FormCreate();
}

TVadelonForm::~TVadelonForm() = default;

void TVadelonForm::FormCreate()
{
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
    upper_ = BuildDatePanel(client, 120, 8,
                            {"Panel2", "Label2", "Label3", "Edit1", "UpDown1", "Label4", "ComboBox1", "Edit2",
                             "Label5", "Edit3", "UpDown2", "Label6", "Edit4", "UpDown3", "Label7", "Label8",
                             "Button1"});
    BuildNumberPanel(client);
    BuildButtons(client);
    lower_ = BuildDatePanel(client, 120, 224,
                            {"Panel4", "Label9", "Label10", "Edit5", "UpDown4", "Label11", "ComboBox2", "Edit6",
                             "Label12", "Edit7", "UpDown5", "Label13", "Edit8", "UpDown6", "Label14", "Label15",
                             "Button2"});
    NamePanelControls();
    NameForScreenReaders(upper_, QStringLiteral("上の日付"));
    NameForScreenReaders(lower_, QStringLiteral("下の日付"));

    StatusBar1 = new QStatusBar(this);
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

    BuildMenu();
    SetFocusOrder();
    ConnectHandlers();

    // Esc presses the clear button; there is no default button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, BitBtn2, &QPushButton::click);
    // F1 asks for help, as on every desktop.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, SearchforHelpOn1, &QAction::trigger);

    setFixedSize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());

    // Start-up state: day count selected, shifting forward, era lists filled.
    SpeedButton1->setChecked(true);
    N3->setChecked(true);
    ApplyModeLayout(CalcMode::DayCount);
    shiftForward_ = true;
    FillEraLists();
}

void TVadelonForm::NamePanelControls()
{
    Panel2 = upper_.frame;
    Label2 = upper_.title;
    Label3 = upper_.yearCaption;
    Edit1 = upper_.year;
    UpDown1 = upper_.yearSpin;
    Label4 = upper_.yearUnit;
    ComboBox1 = upper_.era;
    Edit2 = upper_.eraYear;
    Label5 = upper_.eraYearUnit;
    Edit3 = upper_.month;
    UpDown2 = upper_.monthSpin;
    Label6 = upper_.monthUnit;
    Edit4 = upper_.day;
    UpDown3 = upper_.daySpin;
    Label7 = upper_.dayUnit;
    Label8 = upper_.weekday;
    Button1 = upper_.today;
    Panel4 = lower_.frame;
    Label9 = lower_.title;
    Label10 = lower_.yearCaption;
    Edit5 = lower_.year;
    UpDown4 = lower_.yearSpin;
    Label11 = lower_.yearUnit;
    ComboBox2 = lower_.era;
    Edit6 = lower_.eraYear;
    Label12 = lower_.eraYearUnit;
    Edit7 = lower_.month;
    UpDown5 = lower_.monthSpin;
    Label13 = lower_.monthUnit;
    Edit8 = lower_.day;
    UpDown6 = lower_.daySpin;
    Label14 = lower_.dayUnit;
    Label15 = lower_.weekday;
    Button2 = lower_.today;
}

void TVadelonForm::BuildModePanel(QWidget* client)
{
    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 97, 217);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(QStringLiteral("計算種別"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(OwnTextFont(kProportionalFamily, 16, true));
    SetTextColour(Label1, Qt::black);
    Label1->adjustSize();
    Label1->move((97 - Label1->width()) / 2, 10);

    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    QToolButton** buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4, &SpeedButton5};
    for (int i = 0; i < 5; ++i) {
        const ModeButtonLook& look = kModeButtons[i];
        auto* button = new QToolButton(Panel1);
        button->setObjectName(QString::fromLatin1(look.name));
        button->setText(QString::fromUtf8(look.caption));
        button->setCheckable(true);
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

    Edit9 = new QLineEdit(Panel3);
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
    SpeedButton6->setFocusPolicy(Qt::NoFocus);
    SpeedButton6->setCursor(Qt::PointingHandCursor);
    SetHint(SpeedButton6, QStringLiteral("日付計算において、【×日後】／【×日前】を切り替えます。"));
}

void TVadelonForm::BuildButtons(QWidget* client)
{
    // The holders of the run pictures; each picture is painted when a mode
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
    BitBtn2->setIcon(QIcon(PaintClearImage()));
    BitBtn2->setIconSize(QSize(61, 21));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setCursor(Qt::PointingHandCursor);
    SetHint(BitBtn2, QStringLiteral("すべての欄の数値を消去します。"));
    BitBtn2->setAccessibleName(QStringLiteral("クリア"));
}

void TVadelonForm::BuildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    auto item = [this](QMenu* menu, const char* name, const QString& caption, const QString& hint) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(hint);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* action = menu->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    N2 = MainMenu1->addMenu(QStringLiteral("計算(&C)"));
    N2->setObjectName(QStringLiteral("N2"));
    N2->menuAction()->setObjectName(QStringLiteral("N2"));
    N2->menuAction()->setStatusTip(QStringLiteral("計算種別の選択や、計算を実行します。"));
    N3 = item(N2, "N3", QStringLiteral("日数計算(&N)"), QString::fromUtf8(kModeButtons[0].hint));
    D1 = item(N2, "D1", QStringLiteral("日付計算(&D)"), QString::fromUtf8(kModeButtons[1].hint));
    A1 = item(N2, "A1", QStringLiteral("年齢計算(&A)"), QString::fromUtf8(kModeButtons[2].hint));
    B1 = item(N2, "B1", QStringLiteral("生年計算(&B)"), QString::fromUtf8(kModeButtons[3].hint));
    W1 = item(N2, "W1", QStringLiteral("こよみ(&W)"), QString::fromUtf8(kModeButtons[4].hint));
    modeMenuGroup_ = new QActionGroup(this);
    modeMenuGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* action : {N3, D1, A1, B1, W1}) {
        action->setCheckable(true);
        modeMenuGroup_->addAction(action);
    }
    N4 = separator(N2, "N4");
    R1 = item(N2, "R1", QStringLiteral("計算実行(&R)"), QStringLiteral("計算を実行します。"));
    Clear1 = item(N2, "Clear1", QStringLiteral("ｸﾘｱ(&C)"), QStringLiteral("すべての欄の数値を消去します。"));
    N6 = separator(N2, "N6");
    Exit1 = item(N2, "Exit1", QStringLiteral("終了(&X)"), QStringLiteral("ヴァデロンを終了します。"));

    Help1 = MainMenu1->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setStatusTip(QStringLiteral("ヘルプやバージョン情報を表示します。"));
    SearchforHelpOn1 = item(Help1, "SearchforHelpOn1", QStringLiteral("ﾄﾋﾟｯｸの検索(&S)"),
                            QStringLiteral("ヘルプトピックの検索画面を表示します。"));
    N5 = separator(Help1, "N5");
    About1 = item(Help1, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), QStringLiteral("バージョンや著作権情報を表示します。"));
}

void TVadelonForm::SetFocusOrder()
{
    // Upper date panel, number panel, lower date panel, run button, clear button.
    QList<QWidget*> chain = FocusChain(upper_);
    chain << Edit9;
    chain << FocusChain(lower_);
    chain << BitBtn1 << BitBtn2;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TVadelonForm::ConnectHandlers()
{
    // Mode buttons: the group has already put the button down.
    const CalcMode modes[] = {CalcMode::DayCount, CalcMode::DateShift, CalcMode::AgeCalc, CalcMode::BirthYearCalc,
                              CalcMode::Almanac};
    for (CalcMode mode : modes) {
        connect(ModeButton(mode), &QToolButton::clicked, this, [this, mode] { SelectMode(mode, false); });
        connect(ModeMenuItem(mode), &QAction::triggered, this, [this, mode] { SelectMode(mode, true); });
    }
    connect(SpeedButton6, &QToolButton::clicked, this, &TVadelonForm::ToggleShiftDirection);
    connect(BitBtn1, &QPushButton::clicked, this, &TVadelonForm::RunCalculation);
    connect(R1, &QAction::triggered, this, &TVadelonForm::RunCalculation);
    connect(BitBtn2, &QPushButton::clicked, this, &TVadelonForm::ClearAll);
    connect(Clear1, &QAction::triggered, this, &TVadelonForm::ClearAll);
    connect(Exit1, &QAction::triggered, this, &TVadelonForm::close);
    connect(About1, &QAction::triggered, this, [this] {
        if (aboutBox_)
            platform_.RunModal(aboutBox_);
    });
    connect(SearchforHelpOn1, &QAction::triggered, this, [this] { platform_.ShowHelpFinder(this, kHelpFile); });

    for (PanelSide side : {PanelSide::Upper, PanelSide::Lower}) {
        DatePanel& p = Panel(side);
        connect(p.yearSpin, &TUpDown::Click, this, [this, side](int d) { YearStep(side, d); });
        connect(p.monthSpin, &TUpDown::Click, this, [this, side](int d) { MonthStep(side, d); });
        connect(p.daySpin, &TUpDown::Click, this, [this, side](int d) { DayStep(side, d); });
        for (TUpDown* spin : {p.yearSpin, p.monthSpin, p.daySpin})
            connect(spin, &TUpDown::MouseUp, this, [this, side] { RefreshEraFields(side); });
        connect(p.today, &QPushButton::clicked, this, [this, side] { Today(side); });
        connect(p.era, &QComboBox::activated, this, [this, side] { RefreshWesternYear(side); });
        for (QLineEdit* edit : {p.year, p.month, p.day, p.eraYear})
            edit->installEventFilter(this);
    }
    for (QLineEdit* edit : {Edit1, Edit3, Edit4})
        connect(edit, &QLineEdit::textChanged, this, &TVadelonForm::Edit1Change);
    for (QLineEdit* edit : {Edit5, Edit7, Edit8})
        connect(edit, &QLineEdit::textChanged, this, &TVadelonForm::Edit5Change);
    connect(Edit9, &QLineEdit::textChanged, this, &TVadelonForm::Edit9Change);
}

void TVadelonForm::FillEraLists()
{
    const auto table = EraTable();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        const QString name = QString::fromUtf8(row->name.data(), static_cast<qsizetype>(row->name.size()));
        ComboBox1->addItem(name);
        ComboBox2->addItem(name);
    }
    // Filling selects the first item; the lists start with no selection.
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
}

bool TVadelonForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if ((press || release) && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        // A key is known by where it sits on the keyboard: its code can change
        // between press and release (Shift let go first turns "!" back into
        // "1"). Events without a scan code (synthetic ones) go by their code,
        // kept apart from the scan codes.
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const qint64 key = keyEvent->nativeScanCode() != 0 ? qint64{keyEvent->nativeScanCode()}
                                                           : (qint64{1} << 32) | quint32(keyEvent->key());
        if (press) {
            keysDown_.insert({watched, key});
        } else if (keysDown_.erase({watched, key}) > 0) {
            // Only the release of a key pressed in this field counts: the
            // Enter that closes the era dialog must not ask again when its
            // release lands in the field that asked.
            for (PanelSide side : {PanelSide::Upper, PanelSide::Lower}) {
                const DatePanel& p = Panel(side);
                if (watched == p.year || watched == p.month || watched == p.day)
                    RefreshEraFields(side);
                else if (watched == p.eraYear)
                    RefreshWesternYear(side);
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A key still held when the focus leaves is released elsewhere.
        std::erase_if(keysDown_, [watched](const auto& down) { return down.first == watched; });
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
    statusText_->setText(hint);
}

QString TVadelonForm::StatusText() const
{
    return statusText_->text();
}

QToolButton* TVadelonForm::ModeButton(CalcMode mode) const
{
    switch (mode) {
    case CalcMode::DayCount: return SpeedButton1;
    case CalcMode::DateShift: return SpeedButton2;
    case CalcMode::AgeCalc: return SpeedButton3;
    case CalcMode::BirthYearCalc: return SpeedButton4;
    case CalcMode::Almanac: return SpeedButton5;
    }
    return SpeedButton1;
}

QAction* TVadelonForm::ModeMenuItem(CalcMode mode) const
{
    switch (mode) {
    case CalcMode::DayCount: return N3;
    case CalcMode::DateShift: return D1;
    case CalcMode::AgeCalc: return A1;
    case CalcMode::BirthYearCalc: return B1;
    case CalcMode::Almanac: return W1;
    }
    return N3;
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

}  // namespace vadelon
