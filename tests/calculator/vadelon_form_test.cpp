// The calculator window itself: first display, the five mode layouts, mode
// selection from the menu and the buttons, the toggle, clearing and hints.
#include "tests/calculator/form_fixture.h"

#include "calculator/baked_pictures.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using vadelon::CalcMode;
using vadelon::testing::FormFixture;

namespace {

QColor TextColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// The mode a test row names, by the mode button's name.
CalcMode ModeNamed(const QString& name)
{
    static const QMap<QString, CalcMode> modes{{"DayCount", CalcMode::DayCount},
                                               {"DateShift", CalcMode::DateShift},
                                               {"AgeCalc", CalcMode::AgeCalc},
                                               {"BirthYearCalc", CalcMode::BirthYearCalc},
                                               {"Almanac", CalcMode::Almanac}};
    return modes.value(name);
}

QToolButton* ButtonFor(FormFixture& f, CalcMode mode)
{
    QToolButton* buttons[] = {f.SpeedButton1, f.SpeedButton2, f.SpeedButton3, f.SpeedButton4, f.SpeedButton5};
    return buttons[static_cast<int>(mode)];
}

QAction* MenuItemFor(FormFixture& f, CalcMode mode)
{
    QAction* items[] = {f.N3, f.D1, f.A1, f.B1, f.W1};
    return items[static_cast<int>(mode)];
}

}  // namespace

class VadelonFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void firstDisplay();
    void windowFrame();
    void controlsCarryTheirNames();
    void modeLayout_data();
    void modeLayout();
    void almanacLayout();
    void menuAndButtonGiveTheSameState_data();
    void menuAndButtonGiveTheSameState();
    void reselectingEmptiesAgain();
    void upperPanelSurvivesModeChanges();
    void toggleTwice();
    void shiftForwardOutlivesModeChanges();
    void hiddenMonthAndDayKeepTheirText();
    void clearAll_data();
    void clearAll();
    void buttonHintReachesStatusBar_data();
    void buttonHintReachesStatusBar();
    void menuHintReachesStatusBar();
    void everyHintFitsTheStatusBar();
    void helpAndAbout();
    void bakedPicturesAreThePaintedOnes_data();
    void bakedPicturesAreThePaintedOnes();
    void focusOrder();
};

void VadelonFormTest::firstDisplay()
{
    FormFixture f;
    QVERIFY(f.SpeedButton1->isChecked());
    QVERIFY(f.N3->isChecked());
    for (QAction* a : {f.D1, f.A1, f.B1, f.W1})
        QVERIFY(!a->isChecked());
    QCOMPARE(f.BitBtn1->icon().pixmap(85, 85).toImage(), f.Image1->pixmap().toImage());
    QCOMPARE(f.Label2->text(), QString("この日付から"));
    QCOMPARE(f.Label9->text(), QString("この日付までの"));
    QCOMPARE(f.Label16->text(), QString("経過日数は"));
    QCOMPARE(f.Label17->text(), QString("日"));
    QCOMPARE(f.Label18->text(), QString("期間日数は１を加算"));
    QCOMPARE(f.Label1->text(), QString("計算種別"));
    QVERIFY(!f.Panel3->isHidden());
    // The number receives the result: read, reached, not typed into.
    QVERIFY(f.Edit9->isReadOnly() && f.Edit9->isEnabled());
    QVERIFY(f.SpeedButton6->isHidden());
    QVERIFY(f->ShiftForward());
    for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9})
        QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QCOMPARE(f.ComboBox1->currentIndex(), -1);
    QCOMPARE(f.ComboBox2->currentIndex(), -1);
    QCOMPARE(f.Label8->text(), QString("（　曜日）"));
    QCOMPARE(f.Label15->text(), QString("（　曜日）"));
    QVERIFY(f->StatusText().isEmpty());
    QCOMPARE(TextColour(f.Label2), kBlue);
    QCOMPARE(TextColour(f.Label9), kBlue);
    QCOMPARE(TextColour(f.Label16), kRed);
    // Era lists: every era, newest first, the sentinel last.
    QCOMPARE(f.ComboBox1->count(), static_cast<int>(vadelon::EraTable().size()));
    QCOMPARE(f.ComboBox1->itemText(0), QString("令和"));
    QCOMPARE(f.ComboBox1->itemText(1), QString("平成"));
    QCOMPARE(f.ComboBox1->itemText(f.ComboBox1->count() - 1), QString("－－"));
    for (int i = 0; i < f.ComboBox1->count(); ++i)
        QCOMPARE(f.ComboBox2->itemText(i), f.ComboBox1->itemText(i));
    QVERIFY(f.platform.beeps.empty());
    QVERIFY(f.platform.boxes.empty());
}

void VadelonFormTest::windowFrame()
{
    FormFixture f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QCOMPARE(f->windowTitle(), QString("ヴァデロン1.0"));
    QCOMPARE(f->centralWidget()->size() + QSize(0, f.StatusBar1->height()), QSize(392, 371));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(f->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(f.StatusBar1->height(), 19);
    const QRect expected[] = {{8, 8, 97, 217},    {120, 8, 257, 113},   {120, 128, 161, 89},
                              {288, 128, 89, 89}, {120, 224, 257, 113}, {24, 312, 65, 25}};
    const QWidget* controls[] = {f.Panel1, f.Panel2, f.Panel3, f.BitBtn1, f.Panel4, f.BitBtn2};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(controls[i]->geometry(), expected[i]);
    // Mode buttons 65 x 22 at a pitch of 32.
    for (int i = 1; i < 5; ++i) {
        QToolButton* above = ButtonFor(f, static_cast<CalcMode>(i - 1));
        QToolButton* below = ButtonFor(f, static_cast<CalcMode>(i));
        QCOMPARE(below->y() - above->y(), 32);
        QCOMPARE(below->size(), QSize(65, 22));
    }
    QCOMPARE(f.SpeedButton6->size(), QSize(33, 14));
    QCOMPARE(f.Button1->size(), QSize(41, 25));
    QCOMPARE(f.Edit1->width(), 33);
    QCOMPARE(f.ComboBox1->width(), 49);
    for (QLineEdit* e : {f.Edit2, f.Edit3, f.Edit4})
        QCOMPARE(e->width(), 25);
    // The pictures.
    QCOMPARE(f.Image1->pixmap().size(), QSize(85, 85));
    QCOMPARE(f.BitBtn1->icon().pixmap(85, 85).toImage(), f.Image1->pixmap().toImage());
    QVERIFY(f.Image1->isHidden() && f.Image2->isHidden() && f.Image3->isHidden());
    QCOMPARE(f.BitBtn2->iconSize(), QSize(61, 21));
    QVERIFY(!f->windowIcon().isNull());
    QVERIFY(f.BitBtn1->text().isEmpty() && f.BitBtn2->text().isEmpty());
    // Fonts in pixels: 12 by default, 16 bold for titles and the number, 11 for the toggle.
    QCOMPARE(f->font().family(), QString("ＭＳ Ｐゴシック"));
    QCOMPARE(f.Edit1->font().pixelSize(), 12);
    for (QWidget* w : std::initializer_list<QWidget*>{f.Label1, f.Label2, f.Label9, f.Label16, f.Edit9, f.Label17})
        QVERIFY2(w->font().pixelSize() == 16 && w->font().bold(), qPrintable(w->objectName()));
    QCOMPARE(f.SpeedButton6->font().pixelSize(), 11);
}

void VadelonFormTest::controlsCarryTheirNames()
{
    FormFixture f;
    // Every control the fixture names was found by that name, or the fixture stopped.
    QCOMPARE(f.N2->title(), QString("計算(&C)"));
    QCOMPARE(f.Help1->title(), QString("ﾍﾙﾌﾟ(&H)"));
    const QStringList items{"日数計算(&N)", "日付計算(&D)", "年齢計算(&A)", "生年計算(&B)",   "こよみ(&W)", "",
                            "計算実行(&R)", "ｸﾘｱ(&C)",      "ｶﾚﾝﾀﾞｰ(&K)",   "年齢と期間(&P)", "",           "終了(&X)"};
    QCOMPARE(f.N2->actions().size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(f.N2->actions()[i]->text(), items[i]);
        QCOMPARE(f.N2->actions()[i]->isSeparator(), items[i].isEmpty());
    }
    QVERIFY(f.N6->isSeparator() && f.N4->isSeparator() && f.N5->isSeparator());
    QCOMPARE(f.SearchforHelpOn1->text(), QString("ﾄﾋﾟｯｸの検索(&S)"));
    QCOMPARE(f.About1->text(), QString("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    // Only the ten buttons have hints; they show them as tooltips too.
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.SpeedButton1, f.SpeedButton2, f.SpeedButton3, f.SpeedButton4, f.SpeedButton5,
                                         f.SpeedButton6, f.Button1, f.Button2, f.BitBtn1, f.BitBtn2}) {
        QVERIFY(!w->statusTip().isEmpty());
        QCOMPARE(w->toolTip(), w->statusTip());
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{f.Edit1, f.Edit9, f.ComboBox1, f.Label2})
        QVERIFY(w->statusTip().isEmpty());
    for (QWidget* w : std::initializer_list<QWidget*>{f.SpeedButton1, f.SpeedButton3})
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    // The after/before toggle is reached by Tab, so that the keyboard alone can change it.
    QCOMPARE(f.SpeedButton6->focusPolicy(), Qt::TabFocus);
}

void VadelonFormTest::modeLayout_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("upperMonthDay");
    QTest::addColumn<QString>("button1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<bool>("numberShown");
    QTest::addColumn<bool>("numberInput");  // typed into; otherwise it shows the result
    QTest::addColumn<QString>("label16");
    QTest::addColumn<QString>("label17");
    QTest::addColumn<QColor>("numberColour");
    QTest::addColumn<QString>("label18");
    QTest::addColumn<bool>("toggleShown");
    QTest::addColumn<bool>("lowerShown");
    QTest::addColumn<bool>("lowerInput");
    QTest::addColumn<bool>("lowerMonthDay");
    QTest::addColumn<QString>("button2");  // empty: hidden
    QTest::addColumn<QString>("label9");
    QTest::addColumn<QColor>("label9Colour");

    // clang-format off
    QTest::newRow("DayCount") << "DayCount" << "Image1" << true << "きょう" << "この日付から" << true << false
                              << "経過日数は" << "日" << kRed << "期間日数は１を加算" << false << true << true
                              << true << "きょう" << "この日付までの" << kBlue;
    QTest::newRow("DateShift") << "DateShift" << "Image2" << true << "きょう" << "この日付から" << true << true
                               << "加算日数" << "日後は" << kBlue << "日後／前の切替→" << true << true << false
                               << true << "" << "計算結果日付" << kRed;
    QTest::newRow("AgeCalc") << "AgeCalc" << "Image1" << false << "ことし" << "この年うまれの人の" << true << false
                             << "満年齢は" << "歳" << kRed << "数え年は１を加算" << false << true << true << false
                             << "ことし" << "この年誕生日後の" << kBlue;
    QTest::newRow("BirthYearCalc") << "BirthYearCalc" << "Image2" << false << "ことし" << "この年誕生日が来て"
                                   << true << true << "満" << "歳" << kBlue << "になる人の" << false << true
                                   << false << false << "" << "うまれた年は" << kRed;
    // clang-format on
}

void VadelonFormTest::modeLayout()
{
    QFETCH(QString, mode);
    QFETCH(QString, image);
    QFETCH(bool, upperMonthDay);
    QFETCH(QString, button1);
    QFETCH(QString, label2);
    QFETCH(bool, numberShown);
    QFETCH(bool, numberInput);
    QFETCH(QString, label16);
    QFETCH(QString, label17);
    QFETCH(QColor, numberColour);
    QFETCH(QString, label18);
    QFETCH(bool, toggleShown);
    QFETCH(bool, lowerShown);
    QFETCH(bool, lowerInput);
    QFETCH(bool, lowerMonthDay);
    QFETCH(QString, button2);
    QFETCH(QString, label9);
    QFETCH(QColor, label9Colour);

    FormFixture f;
    // From a different mode, so that every control is really set.
    f->SelectMode(CalcMode::Almanac, true);
    f->SelectMode(ModeNamed(mode), true);
    const QLabel* holder = f->findChild<QLabel*>(image);
    QVERIFY(holder);
    QCOMPARE(holder->pixmap().size(), QSize(85, 85));
    QCOMPARE(f.BitBtn1->icon().pixmap(85, 85).toImage(), holder->pixmap().toImage());
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Edit3, f.UpDown2, f.Edit4, f.UpDown3, f.Label6, f.Label7, f.Label8})
        QCOMPARE(!w->isHidden(), upperMonthDay);
    QCOMPARE(f.Button1->text(), button1);
    QCOMPARE(f.Label2->text(), label2);
    QCOMPARE(!f.Panel3->isHidden(), numberShown);
    // A field that shows the result takes the focus but no typing.
    QVERIFY(f.Panel3->isEnabled() && f.Edit9->isEnabled());
    QCOMPARE(!f.Edit9->isReadOnly(), numberInput);
    QCOMPARE(f.Label16->text(), label16);
    QCOMPARE(f.Label17->text(), label17);
    QCOMPARE(TextColour(f.Label16), numberColour);
    QCOMPARE(TextColour(f.Label17), numberColour);
    QCOMPARE(f.Label18->text(), label18);
    QCOMPARE(!f.SpeedButton6->isHidden(), toggleShown);
    QCOMPARE(!f.Panel4->isHidden(), lowerShown);
    QVERIFY(f.Panel4->isEnabled());
    for (QLineEdit* e : {f.Edit5, f.Edit6, f.Edit7, f.Edit8}) {
        QVERIFY(e->isEnabled());
        QCOMPARE(!e->isReadOnly(), lowerInput);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{f.UpDown4, f.ComboBox2, f.UpDown5, f.UpDown6})
        QCOMPARE(w->isEnabled(), lowerInput);
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Edit7, f.UpDown5, f.Edit8, f.UpDown6, f.Label13, f.Label14, f.Label15})
        QCOMPARE(!w->isHidden(), lowerMonthDay);
    QCOMPARE(!f.Button2->isHidden(), !button2.isEmpty());
    if (!button2.isEmpty())
        QCOMPARE(f.Button2->text(), button2);
    QCOMPARE(f.Label9->text(), label9);
    QCOMPARE(TextColour(f.Label9), label9Colour);
    QCOMPARE(TextColour(f.Label2), kBlue);
    // Always shown: the upper panel's year, era and today button.
    for (QWidget* w : std::initializer_list<QWidget*>{f.Edit1, f.UpDown1, f.ComboBox1, f.Edit2, f.Button1})
        QVERIFY(!w->isHidden());
}

void VadelonFormTest::almanacLayout()
{
    FormFixture f;
    f.D1->trigger();
    f.W1->trigger();
    QCOMPARE(f.Image3->pixmap().size(), QSize(85, 85));
    QCOMPARE(f.BitBtn1->icon().pixmap(85, 85).toImage(), f.Image3->pixmap().toImage());
    QVERIFY(f.Image3->isHidden());
    QCOMPARE(f.Label2->text(), QString("こよみ計算日付"));
    QCOMPARE(f.Button1->text(), QString("きょう"));
    for (QWidget* w : std::initializer_list<QWidget*>{f.Edit3, f.UpDown2, f.Edit4, f.UpDown3, f.Label8})
        QVERIFY(!w->isHidden());
    // Only the mode panel, the upper panel and the two buttons are left.
    const QList<QWidget*> visible{f.Panel1, f.Panel2, f.BitBtn1, f.BitBtn2};
    for (QWidget* w : f->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QCOMPARE(!w->isHidden(), visible.contains(w));
    // What the layout does not set stays as the mode before left it.
    QCOMPARE(f.Label16->text(), QString("加算日数"));
    QCOMPARE(f.Label9->text(), QString("計算結果日付"));
    QVERIFY(!f.SpeedButton6->isHidden());
}

void VadelonFormTest::menuAndButtonGiveTheSameState_data()
{
    QTest::addColumn<QString>("mode");
    for (const char* m : {"DayCount", "DateShift", "AgeCalc", "BirthYearCalc", "Almanac"})
        QTest::newRow(m) << QString(m);
}

void VadelonFormTest::menuAndButtonGiveTheSameState()
{
    QFETCH(QString, mode);
    const CalcMode m = ModeNamed(mode);
    FormFixture byMenu, byButton;
    for (FormFixture* f : {&byMenu, &byButton}) {
        FormFixture::Preset({{f->Edit1, "2000"},
                             {f->Edit3, "1"},
                             {f->Edit4, "2"},
                             {f->Edit9, "12"},
                             {f->Edit5, "2001"},
                             {f->Edit7, "3"},
                             {f->Edit8, "4"}});
    }
    MenuItemFor(byMenu, m)->trigger();
    QTest::mouseClick(ButtonFor(byButton, m), Qt::LeftButton);

    for (FormFixture* f : {&byMenu, &byButton}) {
        QVERIFY(ButtonFor(*f, m)->isChecked());
        QVERIFY(MenuItemFor(*f, m)->isChecked());
        QCOMPARE((*f)->CurrentMode(), m);
        int down = 0;
        for (int i = 0; i < 5; ++i)
            down += ButtonFor(*f, static_cast<CalcMode>(i))->isChecked() ? 1 : 0;
        QCOMPARE(down, 1);
        QVERIFY(f->Edit9->text().isEmpty());
        QVERIFY(f->Edit5->text().isEmpty() && f->Edit7->text().isEmpty() && f->Edit8->text().isEmpty());
        QCOMPARE(f->ComboBox2->currentText(), QString("－－"));
        QCOMPARE(f->Edit6->text(), QString("--"));
        QCOMPARE(f->Edit1->text(), QString("2000"));
    }
    QCOMPARE(byMenu.Label16->text(), byButton.Label16->text());
    QCOMPARE(byMenu.Label9->text(), byButton.Label9->text());
    QCOMPARE(byMenu.Panel4->isEnabled(), byButton.Panel4->isEnabled());
    QCOMPARE(byMenu.BitBtn1->icon().pixmap(85, 85).toImage(), byButton.BitBtn1->icon().pixmap(85, 85).toImage());
}

void VadelonFormTest::reselectingEmptiesAgain()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit9, "5"}, {f.Edit5, "2001"}, {f.Edit7, "3"}, {f.Edit8, "4"}});
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);  // already down
    QVERIFY(f.SpeedButton1->isChecked());
    QVERIFY(f.Edit9->text().isEmpty());
    QVERIFY(f.Edit5->text().isEmpty());
    FormFixture::Preset({{f.Edit9, "5"}, {f.Edit5, "2001"}});
    f.N3->trigger();
    QVERIFY(f.N3->isChecked());
    QVERIFY(f.Edit9->text().isEmpty());
    QVERIFY(f.Edit5->text().isEmpty());
}

void VadelonFormTest::upperPanelSurvivesModeChanges()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit1, "1999"}, {f.Edit3, "12"}, {f.Edit4, "31"}});
    for (QAction* a : {f.D1, f.A1, f.B1, f.W1, f.N3}) {
        a->trigger();
        QCOMPARE(f.Edit1->text(), QString("1999"));
        QCOMPARE(f.Edit3->text(), QString("12"));
        QCOMPARE(f.Edit4->text(), QString("31"));
    }
}

void VadelonFormTest::toggleTwice()
{
    FormFixture f;
    f.D1->trigger();
    FormFixture::Preset({{f.Edit9, "10"}, {f.Edit5, "2001"}, {f.Edit7, "3"}, {f.Edit8, "4"}});
    const QString labels[2][2] = {{"減算日数", "日前は"}, {"加算日数", "日後は"}};
    for (int press = 0; press < 2; ++press) {
        QTest::mouseClick(f.SpeedButton6, Qt::LeftButton);
        QCOMPARE(f.Label16->text(), labels[press][0]);
        QCOMPARE(f.Label17->text(), labels[press][1]);
        QVERIFY(f.Edit5->text().isEmpty() && f.Edit7->text().isEmpty() && f.Edit8->text().isEmpty());
        QCOMPARE(f.Edit9->text(), QString("10"));
        FormFixture::Preset({{f.Edit5, "2001"}});
    }
    QVERIFY(f->ShiftForward());
}

void VadelonFormTest::shiftForwardOutlivesModeChanges()
{
    FormFixture f;
    QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
    QTest::mouseClick(f.SpeedButton6, Qt::LeftButton);
    QCOMPARE(f.Label17->text(), QString("日前は"));
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    QCOMPARE(f.Label17->text(), QString("日"));
    QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
    QCOMPARE(f.Label16->text(), QString("減算日数"));
    QCOMPARE(f.Label17->text(), QString("日前は"));
    QVERIFY(!f->ShiftForward());
}

void VadelonFormTest::hiddenMonthAndDayKeepTheirText()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit1, "2000"}, {f.Edit3, "7"}, {f.Edit4, "8"}});
    f.A1->trigger();
    QVERIFY(f.Edit3->isHidden());
    f.N3->trigger();
    QVERIFY(!f.Edit3->isHidden());
    QCOMPARE(f.Edit3->text(), QString("7"));
    QCOMPARE(f.Edit4->text(), QString("8"));
}

void VadelonFormTest::clearAll_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("clear button") << "button";
    QTest::newRow("menu Clear1") << "menu";
    QTest::newRow("Esc key") << "esc";
}

void VadelonFormTest::clearAll()
{
    QFETCH(QString, how);
    FormFixture f;
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    FormFixture::Preset({{f.Edit1, "2000"}, {f.Edit3, "1"}});
    f.Edit4->setText("2");  // the upper weekday follows
    FormFixture::Preset(
        {{f.Edit9, "12"}, {f.Edit5, "2001"}, {f.Edit7, "3"}, {f.Edit8, "4"}, {f.Edit2, "12"}, {f.Edit6, "13"}});
    QVERIFY(f.Label8->text() != QString("（　曜日）"));
    if (how == "button")
        QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
    else if (how == "menu")
        f.Clear1->trigger();
    else
        QTest::keyClick(f.Edit1, Qt::Key_Escape);
    for (QLineEdit* e : {f.Edit1, f.Edit3, f.Edit4, f.Edit5, f.Edit7, f.Edit8, f.Edit9})
        QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QCOMPARE(f.ComboBox1->currentText(), QString("－－"));
    QCOMPARE(f.ComboBox2->currentText(), QString("－－"));
    QCOMPARE(f.Edit2->text(), QString("--"));
    QCOMPARE(f.Edit6->text(), QString("--"));
    QCOMPARE(f.Label8->text(), QString("（　曜日）"));
    QVERIFY(f.platform.beeps.empty());
}

void VadelonFormTest::buttonHintReachesStatusBar_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("SpeedButton1") << "SpeedButton1"
                                  << "入力した２つの日付から、両者間の経過日数を計算します。";
    QTest::newRow("SpeedButton5") << "SpeedButton5"
                                  << "入力した日付の、ユリウス日や年月日それぞれの干支、年九星を計算します。";
    QTest::newRow("BitBtn1") << "BitBtn1"
                             << "計算を実行し、結果を矢印の向いている欄に表示します。";
    QTest::newRow("BitBtn2") << "BitBtn2"
                             << "すべての欄の数値を消去します。";
    QTest::newRow("Button2") << "Button2"
                             << "今日の日付または今年の西暦年や和暦年を入力します。";
    QTest::newRow("SpeedButton6") << "SpeedButton6"
                                  << "日付計算において、【×日後】／【×日前】を切り替えます。";
}

void VadelonFormTest::buttonHintReachesStatusBar()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    FormFixture f;
    auto* widget = f->findChild<QWidget*>(control);
    QVERIFY(widget);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(widget, &enter);
    QCOMPARE(f->StatusText(), hint);
    QCOMPARE(widget->toolTip(), hint);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
    QVERIFY(f->StatusText().isEmpty());
}

void VadelonFormTest::menuHintReachesStatusBar()
{
    FormFixture f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    f.MainMenu1->setActiveAction(f.N2->menuAction());
    QTRY_VERIFY(f.N2->isVisible());
    f.N2->setActiveAction(f.Exit1);
    QCOMPARE(f->StatusText(), QString("ヴァデロンを終了します。"));
    f.N2->setActiveAction(f.R1);
    QCOMPARE(f->StatusText(), QString("計算を実行します。"));
    f.N2->setActiveAction(f.D1);
    QCOMPARE(f->StatusText(), f.SpeedButton2->statusTip());
    f.N2->hide();
    QVERIFY2(f->StatusText().isEmpty(), "a closed menu leaves no hint");
    // The hints of other windows go through the same handler.
    f->DisplayHint(QStringLiteral("よそのヒント"));
    QCOMPARE(f->StatusText(), QString("よそのヒント"));
    f->DisplayHint(QString());
    QVERIFY(f->StatusText().isEmpty());
}

void VadelonFormTest::everyHintFitsTheStatusBar()
{
    FormFixture f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const auto* text = f.StatusBar1->findChild<QLabel*>("SimpleText");
    QVERIFY(text);
    QStringList hints;
    for (QWidget* w : f->findChildren<QWidget*>())
        if (!w->statusTip().isEmpty())
            hints << w->statusTip();
    for (QAction* a : f->findChildren<QAction*>())
        if (!a->statusTip().isEmpty())
            hints << a->statusTip();
    QVERIFY(hints.size() >= 20);
    for (const QString& hint : hints) {
        f->DisplayHint(hint);
        QVERIFY2(text->fontMetrics().horizontalAdvance(hint) <= text->contentsRect().width(), qPrintable(hint));
    }
}

void VadelonFormTest::helpAndAbout()
{
    FormFixture f;
    f.SearchforHelpOn1->trigger();
    QCOMPARE(f.platform.helpRequests, QStringList{vadelon::kHelpFile});
    // No about box attached: nothing happens.
    f.About1->trigger();
    QCOMPARE(f.platform.modalRuns, 0);
    QWidget about;
    f->AttachAboutBox(&about);
    f.About1->trigger();
    QCOMPARE(f.platform.modalRuns, 1);
    QVERIFY(!about.isVisible());
}

void VadelonFormTest::focusOrder()
{
    FormFixture f;
    const QList<QWidget*> expected{f.Edit1,   f.UpDown1,   f.ComboBox1, f.Edit2,  f.Edit3,        f.Edit4,
                                   f.UpDown2, f.UpDown3,   f.Button1,   f.Edit9,  f.SpeedButton6, f.Edit5,
                                   f.UpDown4, f.ComboBox2, f.Edit6,     f.Edit7,  f.Edit8,        f.UpDown5,
                                   f.UpDown6, f.Button2,   f.BitBtn1,   f.BitBtn2};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QWidget* next = expected[i - 1]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !expected.contains(next))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), expected[i]->objectName());
    }
}

// The window shows the pictures the build painted; they must be the pixels
// the painter code paints here and now, with the fonts installed here.
void VadelonFormTest::bakedPicturesAreThePaintedOnes_data()
{
    using vadelon::RunImage;
    QTest::addColumn<QPixmap>("baked");
    QTest::addColumn<QPixmap>("painted");
    QTest::newRow("Image1") << vadelon::RunImagePicture(RunImage::Image1) << vadelon::PaintRunImage(RunImage::Image1);
    QTest::newRow("Image2") << vadelon::RunImagePicture(RunImage::Image2) << vadelon::PaintRunImage(RunImage::Image2);
    QTest::newRow("Image3") << vadelon::RunImagePicture(RunImage::Image3) << vadelon::PaintRunImage(RunImage::Image3);
    QTest::newRow("clear") << vadelon::ClearImagePicture() << vadelon::PaintClearImage();
}

void VadelonFormTest::bakedPicturesAreThePaintedOnes()
{
    QFETCH(QPixmap, baked);
    QFETCH(QPixmap, painted);
    const auto format = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(baked.toImage().convertToFormat(format), painted.toImage().convertToFormat(format));
}

QTEST_MAIN(VadelonFormTest)
#include "vadelon_form_test.moc"
