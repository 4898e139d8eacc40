// The date panels: spin steps, today, the stale-result rule for every
// writer in every mode, and the era fields in both directions.
#include "tests/calculator/form_fixture.h"

#include "dialogs/nengo_form.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <functional>

using vadelon::BeepType;
using vadelon::CalcMode;
using vadelon::testing::FormFixture;

namespace {

// Steps a spin button to the end of its range in a direction without
// reaching the handlers: the fields stay as they are.
void MoveToEnd(vadelon::TUpDown* spin, int direction)
{
    const QSignalBlocker blocker(spin);
    while (spin->Step(direction)) { }
}

struct PanelControls {
    QLineEdit *year, *eraYear, *month, *day;
    QComboBox* era;
    vadelon::TUpDown *yearSpin, *monthSpin, *daySpin;
    QLabel* weekday;
    QPushButton* today;
};

PanelControls Controls(FormFixture& f, const QString& side)
{
    if (side == "upper")
        return {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.ComboBox1, f.UpDown1, f.UpDown2, f.UpDown3, f.Label8, f.Button1};
    return {f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.ComboBox2, f.UpDown4, f.UpDown5, f.UpDown6, f.Label15, f.Button2};
}

const QStringList kModes{"DayCount", "DateShift", "AgeCalc", "BirthYearCalc", "Almanac"};

QAction* MenuItem(FormFixture& f, const QString& mode)
{
    QAction* items[] = {f.N3, f.D1, f.A1, f.B1, f.W1};
    return items[kModes.indexOf(mode)];
}

}  // namespace

class DatePanelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void spinSteps_data();
    void spinSteps();
    void spinPositionHasEnds();
    void spinReleaseRefreshesEra();
    void today_data();
    void today();
    void todayInAgeCalcFillsHiddenFields();
    void staleResult_data();
    void staleResult();
    void runDoesNotEmptyItsInputs();
    void eraFieldsFromWesternYear_data();
    void eraFieldsFromWesternYear();
    void westernYearFromEra_data();
    void westernYearFromEra();
    void pickingEraKeepsEraYear();
    void pickedEraStartsCascade_data();
    void pickedEraStartsCascade();
    void pasteLeavesEraFields();
    void programSelectionRaisesNoPick();
    void enterThatClosesTheEraDialog();
    void keyRelease_data();
    void keyRelease();
    void eraQuestionThroughTheDialog_data();
    void eraQuestionThroughTheDialog();
};

void DatePanelTest::spinSteps_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("before");  // year, month, day
    QTest::addColumn<QStringList>("after");   // empty: unchanged, with a beep

    auto row = [](const char* name, const char* side, const char* spin, int dir, QStringList before,
                  QStringList after) {
        QTest::newRow(name) << QString(side) << QString(spin) << dir << before << after;
    };
    row("year up", "upper", "year", 1, {"1999", "", ""}, {"2000", "", ""});
    row("year down through 0", "upper", "year", -1, {"0", "", ""}, {"-1", "", ""});
    row("year empty", "upper", "year", 1, {"", "", ""}, {});
    row("year letters", "upper", "year", -1, {"abc", "5", "5"}, {});
    row("year hex", "upper", "year", 1, {"$10", "", ""}, {"17", "", ""});
    row("year at the 32-bit end", "upper", "year", 1, {"2147483647", "", ""}, {});
    row("month carries up", "upper", "month", 1, {"2000", "12", "1"}, {"2001", "1", "1"});
    row("month carries down", "upper", "month", -1, {"2000", "1", "1"}, {"1999", "12", "1"});
    row("month leading zero", "upper", "month", 1, {"2000", "05", ""}, {"2000", "6", ""});
    row("month needs a year", "upper", "month", 1, {"", "5", ""}, {});
    row("month empty", "upper", "month", 1, {"2000", "", ""}, {});
    row("month 20 down", "upper", "month", -1, {"2000", "20", ""}, {"2001", "1", ""});
    row("month -3 up", "upper", "month", 1, {"2000", "-3", ""}, {"1999", "12", ""});
    row("day into leap day", "upper", "day", 1, {"2000", "2", "28"}, {"2000", "2", "29"});
    row("day out of leap day", "upper", "day", 1, {"2000", "2", "29"}, {"2000", "3", "1"});
    row("day back over new year", "upper", "day", -1, {"2001", "1", "1"}, {"2000", "12", "31"});
    row("day puts 02-30 right", "upper", "day", 1, {"2000", "2", "30"}, {"2000", "3", "2"});
    row("day 0 of March down", "upper", "day", -1, {"2000", "3", "0"}, {"2000", "2", "28"});
    row("day with month 0", "upper", "day", 1, {"2000", "0", "5"}, {});
    row("day with month 13", "upper", "day", -1, {"2000", "13", "5"}, {});
    row("day empty", "upper", "day", 1, {"2000", "5", ""}, {});
    row("lower year up", "lower", "year", 1, {"1999", "", ""}, {"2000", "", ""});
    row("lower month carries", "lower", "month", 1, {"2000", "12", ""}, {"2001", "1", ""});
    row("lower day carries", "lower", "day", 1, {"1999", "12", "31"}, {"2000", "1", "1"});
    row("lower day letters", "lower", "day", 1, {"1999", "x", "31"}, {});
}

void DatePanelTest::spinSteps()
{
    QFETCH(QString, side);
    QFETCH(QString, spin);
    QFETCH(int, direction);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    FormFixture f;
    const PanelControls p = Controls(f, side);
    FormFixture::Preset(
        {{p.year, qPrintable(before[0])}, {p.month, qPrintable(before[1])}, {p.day, qPrintable(before[2])}});
    vadelon::TUpDown* target = spin == "year" ? p.yearSpin : spin == "month" ? p.monthSpin : p.daySpin;
    FormFixture::Spin(target, direction);
    const QStringList expected = after.isEmpty() ? before : after;
    QCOMPARE((QStringList{p.year->text(), p.month->text(), p.day->text()}), expected);
    if (after.isEmpty())
        QCOMPARE(f.platform.beeps, (std::vector<BeepType>{BeepType::Default}));
    else
        QVERIFY(f.platform.beeps.empty());
    QVERIFY(f.platform.boxes.empty());
}

void DatePanelTest::spinPositionHasEnds()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit1, "2000"}});
    QSignalSpy clicks(f.UpDown1, &vadelon::TUpDown::Click);
    MoveToEnd(f.UpDown1, 1);
    FormFixture::Spin(f.UpDown1, 1);  // at the end: no press reaches the handler
    QCOMPARE(f.Edit1->text(), QString("2000"));
    QCOMPARE(clicks.count(), 0);
    FormFixture::Spin(f.UpDown1, -1);
    QCOMPARE(f.Edit1->text(), QString("1999"));
    // One step back from the end leaves room for exactly one step forward.
    QVERIFY(f.UpDown1->Step(1));
    QVERIFY(!f.UpDown1->Step(1));
    QCOMPARE(f.Edit1->text(), QString("2000"));
    MoveToEnd(f.UpDown1, -1);
    QVERIFY(!f.UpDown1->Step(-1));
    QVERIFY(f.UpDown1->Step(1));
    QCOMPARE(f.Edit1->text(), QString("2001"));
    QCOMPARE(clicks.count(), 3);
    QVERIFY(f.platform.beeps.empty());
}

void DatePanelTest::spinReleaseRefreshesEra()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit1, "2025"}});
    // A press alone (the button still held) does not touch the era fields.
    const QPoint upper(f.UpDown1->width() / 2, 3);
    QTest::mousePress(f.UpDown1, Qt::LeftButton, Qt::NoModifier, upper);
    QCOMPARE(f.Edit1->text(), QString("2026"));
    QCOMPARE(f.ComboBox1->currentIndex(), -1);
    QTest::mouseRelease(f.UpDown1, Qt::LeftButton, Qt::NoModifier, upper);
    QCOMPARE(f.ComboBox1->currentText(), QString("令和"));
    QCOMPARE(f.Edit2->text(), QString("8"));
    // A release with no press that moved anything refreshes all the same.
    FormFixture::Preset({{f.Edit1, "1990"}});
    MoveToEnd(f.UpDown3, 1);
    FormFixture::Spin(f.UpDown3, 1);
    QCOMPARE(f.ComboBox1->currentText(), QString("平成"));
    QCOMPARE(f.Edit2->text(), QString("2"));
}

void DatePanelTest::today_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("DayCount upper") << "DayCount"
                                    << "upper" << QDate(2026, 3, 5) << QStringList{"2026", "03", "05", "令和", "8"};
    QTest::newRow("DayCount lower") << "DayCount"
                                    << "lower" << QDate(1989, 1, 7) << QStringList{"1989", "01", "07", "昭和", "64"};
    QTest::newRow("AgeCalc upper") << "AgeCalc"
                                   << "upper" << QDate(2019, 5, 1) << QStringList{"2019", "05", "01", "令和", "1"};
    QTest::newRow("AgeCalc lower") << "AgeCalc"
                                   << "lower" << QDate(1999, 12, 31) << QStringList{"1999", "12", "31", "平成", "11"};
    QTest::newRow("Almanac upper") << "Almanac"
                                   << "upper" << QDate(2026, 12, 7) << QStringList{"2026", "12", "07", "令和", "8"};
}

void DatePanelTest::today()
{
    QFETCH(QString, mode);
    QFETCH(QString, side);
    QFETCH(QDate, date);
    QFETCH(QStringList, expected);
    FormFixture f;
    f.platform.today = date;
    MenuItem(f, mode)->trigger();
    const PanelControls p = Controls(f, side);
    QTest::mouseClick(p.today, Qt::LeftButton);
    QCOMPARE((QStringList{p.year->text(), p.month->text(), p.day->text(), p.era->currentText(), p.eraYear->text()}),
             expected);
    QVERIFY(p.weekday->text() != QString("（　曜日）"));
    QVERIFY(f.platform.beeps.empty());
}

void DatePanelTest::todayInAgeCalcFillsHiddenFields()
{
    FormFixture f;
    f.platform.today = QDate(2026, 2, 3);
    f.A1->trigger();
    QCOMPARE(f.Button1->text(), QString("ことし"));
    QVERIFY(f.Edit3->isHidden());
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    QCOMPARE(f.Edit1->text(), QString("2026"));
    f.N3->trigger();
    QVERIFY(!f.Edit3->isHidden());
    QCOMPARE(f.Edit3->text(), QString("02"));
    QCOMPARE(f.Edit4->text(), QString("03"));
}

// Which fields a writer's change empties, by the rule: a change to an input
// of the current mode empties that mode's result.
void DatePanelTest::staleResult_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target");  // upper, number, lower
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("numberEmptied");
    QTest::addColumn<bool>("lowerEmptied");

    const QStringList dateWriters{"type year", "type month", "type day", "spin year", "spin month",
                                  "spin day",  "today",      "era pick", "clear",     "program"};
    for (const QString& mode : kModes) {
        const bool numberIsResult = mode == "DayCount" || mode == "AgeCalc";
        const bool lowerIsResult = mode == "DateShift" || mode == "BirthYearCalc";
        const bool lowerIsInput = numberIsResult;
        const bool numberIsInput = lowerIsResult;
        for (const QString& w : dateWriters) {
            // Upper panel: an input in every mode.
            QTest::addRow("%s upper %s", qPrintable(mode), qPrintable(w))
                << mode << "upper" << w << numberIsResult << lowerIsResult;
            // Lower panel: the user writes it only where it is an input.
            if (lowerIsInput || w == "program")
                QTest::addRow("%s lower %s", qPrintable(mode), qPrintable(w))
                    << mode << "lower" << w << lowerIsInput << false;
        }
        // The number field: typed where it is an input, written by the run where it is a result.
        if (numberIsInput)
            QTest::addRow("%s number type", qPrintable(mode)) << mode << "number"
                                                              << "type" << false << true;
        if (mode != "Almanac")
            QTest::addRow("%s number program", qPrintable(mode)) << mode << "number"
                                                                 << "program" << false << numberIsInput;
    }
}

void DatePanelTest::staleResult()
{
    QFETCH(QString, mode);
    QFETCH(QString, target);
    QFETCH(QString, writer);
    QFETCH(bool, numberEmptied);
    QFETCH(bool, lowerEmptied);
    FormFixture f;
    f.platform.today = QDate(2030, 6, 15);
    MenuItem(f, mode)->trigger();
    FormFixture::Preset({{f.Edit1, "2000"},
                         {f.Edit3, "1"},
                         {f.Edit4, "2"},
                         {f.Edit2, "12"},
                         {f.Edit9, "77"},
                         {f.Edit5, "2001"},
                         {f.Edit7, "3"},
                         {f.Edit8, "4"},
                         {f.Edit6, "13"}});
    f.ComboBox1->setCurrentIndex(f.ComboBox1->findText("平成"));
    f.ComboBox2->setCurrentIndex(f.ComboBox2->findText("平成"));

    if (target == "number") {
        if (writer == "type")
            FormFixture::Type(f.Edit9, "78");
        else
            f.Edit9->setText("78");
        QCOMPARE(f.Edit9->text(), QString("78"));
    } else {
        const PanelControls p = Controls(f, target);
        const QMap<QString, std::function<void()>> writers{
            {"type year", [&] { FormFixture::Type(p.year, "1999"); }},
            {"type month", [&] { FormFixture::Type(p.month, "11"); }},
            {"type day", [&] { FormFixture::Type(p.day, "9"); }},
            {"spin year", [&] { FormFixture::Spin(p.yearSpin, 1); }},
            {"spin month", [&] { FormFixture::Spin(p.monthSpin, -1); }},
            {"spin day", [&] { FormFixture::Spin(p.daySpin, 1); }},
            {"today", [&] { QTest::mouseClick(p.today, Qt::LeftButton); }},
            {"era pick", [&] { FormFixture::PickEra(p.era, "昭和"); }},
            {"clear",
             [&] {
                 f->ClearFields(target == "upper" ? vadelon::FieldGroup::UpperPanel : vadelon::FieldGroup::LowerPanel);
             }},
            {"program", [&] { p.year->setText("1888"); }},
        };
        const QStringList before{p.year->text(), p.month->text(), p.day->text()};
        writers.value(writer)();
        QVERIFY2((QStringList{p.year->text(), p.month->text(), p.day->text()}) != before, "the writer changed nothing");
    }
    QCOMPARE(f.Edit9->text().isEmpty(), numberEmptied && target != "number");
    if (target != "lower") {
        const bool emptied = f.Edit5->text().isEmpty() && f.Edit7->text().isEmpty() && f.Edit8->text().isEmpty();
        QCOMPARE(emptied, lowerEmptied);
        QCOMPARE(f.Edit5->text() == "2001", !lowerEmptied);
        if (lowerEmptied) {
            QCOMPARE(f.ComboBox2->currentText(), QString("－－"));
            QCOMPARE(f.Edit6->text(), QString("--"));
        }
    }
    // Inputs are never emptied by another field's change.
    if (target != "upper")
        QCOMPARE(f.Edit1->text(), QString("2000"));
    QVERIFY(f.platform.beeps.empty());
}

void DatePanelTest::runDoesNotEmptyItsInputs()
{
    FormFixture f;
    f.D1->trigger();
    FormFixture::Type(f.Edit1, "1999");
    FormFixture::Type(f.Edit3, "12");
    FormFixture::Type(f.Edit4, "31");
    FormFixture::Type(f.Edit9, "1");
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    QCOMPARE(f.Edit5->text(), QString("2000"));
    QCOMPARE(f.Edit9->text(), QString("1"));
    QCOMPARE(f.Edit1->text(), QString("1999"));
    QCOMPARE(f.Label15->text(), QString("（土曜日）"));
    // A change of the count now empties the result and its era fields.
    FormFixture::Type(f.Edit9, "2");
    QVERIFY(f.Edit5->text().isEmpty() && f.Edit7->text().isEmpty() && f.Edit8->text().isEmpty());
    QCOMPARE(f.ComboBox2->currentText(), QString("－－"));
    QCOMPARE(f.Edit6->text(), QString("--"));
}

// Which era each year gives is the era table's test; these rows check the
// fields read, the fields written and a name the list does not hold.
void DatePanelTest::eraFieldsFromWesternYear_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("date");  // year, month, day as typed
    QTest::addColumn<QString>("era");       // empty: no selection
    QTest::addColumn<QString>("eraYear");
    QTest::addColumn<bool>("committed");  // the year committed by an input method, not typed
    auto row = [](const char* name, const char* side, QStringList date, const char* era, const char* eraYear,
                  bool committed = false) {
        QTest::newRow(name) << QString(side) << date << QString(era) << QString(eraYear) << committed;
    };
    row("2026 is Reiwa 8", "upper", {"2026", "", ""}, "令和", "8");
    row("2118 has no era", "upper", {"2118", "", ""}, "", "  ");
    row("empty year", "upper", {"", "3", ""}, "－－", "--");
    row("1989-01-07", "lower", {"1989", "1", "7"}, "昭和", "64");
    row("2019 undecided, no dialog", "upper", {"2019", "", ""}, "", "");
    row("full-width 2026 typed", "upper", {"２０２６", "", ""}, "令和", "8");
    row("full-width 2026 committed", "upper", {"２０２６", "", ""}, "令和", "8", true);
    row("1989-01-07 committed", "lower", {"1989", "１", "７"}, "昭和", "64", true);
}

void DatePanelTest::eraFieldsFromWesternYear()
{
    QFETCH(QString, side);
    QFETCH(QStringList, date);
    QFETCH(QString, era);
    QFETCH(QString, eraYear);
    QFETCH(bool, committed);
    FormFixture f;
    const PanelControls p = Controls(f, side);
    FormFixture::Preset({{p.month, qPrintable(date[1])}, {p.day, qPrintable(date[2])}});
    // The era follows on key release in the year field, and on text that an
    // input method commits there, which no key release follows.
    if (committed)
        FormFixture::Commit(p.year, date[0]);
    else
        FormFixture::Type(p.year, date[0]);
    if (era.isEmpty())
        QCOMPARE(p.era->currentIndex(), -1);
    else
        QCOMPARE(p.era->currentText(), era);
    QCOMPARE(p.eraYear->text(), eraYear);
    QVERIFY(f.platform.beeps.empty());
    QVERIFY(f.platform.boxes.empty());
}

void DatePanelTest::westernYearFromEra_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("era");  // empty: none selected
    QTest::addColumn<QString>("eraYear");
    QTest::addColumn<QString>("year");    // the Western year afterwards, from "1234"
    QTest::addColumn<bool>("committed");  // the era year committed by an input method
    QTest::newRow("Heisei 1") << "upper"
                              << "平成"
                              << "1"
                              << "1989" << false;
    QTest::newRow("Reiwa 8") << "lower"
                             << "令和"
                             << "8"
                             << "2026" << false;
    QTest::newRow("letters empty the year") << "upper"
                                            << "平成"
                                            << "ab"
                                            << "" << false;
    QTest::newRow("no era selected") << "upper"
                                     << ""
                                     << "10"
                                     << "1234" << false;
    QTest::newRow("beyond 32 bits") << "upper"
                                    << "令和"
                                    << "2147483647"
                                    << "1234" << false;
    QTest::newRow("Reiwa 8 committed") << "lower"
                                       << "令和"
                                       << "８"
                                       << "2026" << true;
}

void DatePanelTest::westernYearFromEra()
{
    QFETCH(QString, side);
    QFETCH(QString, era);
    QFETCH(QString, eraYear);
    QFETCH(QString, year);
    QFETCH(bool, committed);
    FormFixture f;
    const PanelControls p = Controls(f, side);
    FormFixture::Preset({{p.year, "1234"}});
    p.era->setCurrentIndex(era.isEmpty() ? -1 : p.era->findText(era));
    // Any key released in the era-year field converts, also one that
    // changes nothing; so does committed text.
    if (committed) {
        FormFixture::Commit(p.eraYear, eraYear);
    } else {
        FormFixture::Preset({{p.eraYear, qPrintable(eraYear)}});
        QTest::keyClick(p.eraYear, Qt::Key_End);
    }
    QCOMPARE(p.year->text(), year);
    QCOMPARE(p.eraYear->text(), eraYear);
    QVERIFY(f.platform.beeps.empty());
}

void DatePanelTest::pickingEraKeepsEraYear()
{
    FormFixture f;
    FormFixture::Preset({{f.Edit2, "10"}});
    FormFixture::PickEra(f.ComboBox1, "昭和");
    QCOMPARE(f.Edit1->text(), QString("1935"));
    FormFixture::PickEra(f.ComboBox1, "大正");
    QCOMPARE(f.Edit1->text(), QString("1921"));
    QCOMPARE(f.Edit2->text(), QString("10"));
    QCOMPARE(f.ComboBox1->currentText(), QString("大正"));
}

void DatePanelTest::pickedEraStartsCascade_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("era");
    QTest::addColumn<bool>("numberEmptied");
    QTest::addColumn<bool>("lowerEmptied");
    QTest::newRow("DayCount new year") << "DayCount"
                                       << "大正" << true << false;
    QTest::newRow("DayCount same year") << "DayCount"
                                        << "平成" << false << false;
    QTest::newRow("DateShift new year") << "DateShift"
                                        << "大正" << false << true;
    QTest::newRow("DateShift same year") << "DateShift"
                                         << "平成" << false << false;
    QTest::newRow("AgeCalc new year") << "AgeCalc"
                                      << "明治" << true << false;
    QTest::newRow("BirthYearCalc new year") << "BirthYearCalc"
                                            << "明治" << false << true;
    QTest::newRow("Almanac new year") << "Almanac"
                                      << "明治" << false << false;
}

void DatePanelTest::pickedEraStartsCascade()
{
    QFETCH(QString, mode);
    QFETCH(QString, era);
    QFETCH(bool, numberEmptied);
    QFETCH(bool, lowerEmptied);
    FormFixture f;
    MenuItem(f, mode)->trigger();
    FormFixture::Preset({{f.Edit1, "1990"}, {f.Edit3, "5"}, {f.Edit4, "5"}, {f.Edit9, "40"}, {f.Edit5, "1950"}});
    FormFixture::Type(f.Edit2, "2");  // 平成 2 is the year already shown
    FormFixture::PickEra(f.ComboBox1, "平成");
    QCOMPARE(f.Edit1->text(), QString("1990"));
    FormFixture::PickEra(f.ComboBox1, era);
    QCOMPARE(f.Edit9->text().isEmpty(), numberEmptied);
    QCOMPARE(f.Edit5->text().isEmpty(), lowerEmptied);
    // The era fields stay as the user left them.
    QCOMPARE(f.ComboBox1->currentText(), era);
    QCOMPARE(f.Edit2->text(), QString("2"));
}

void DatePanelTest::pasteLeavesEraFields()
{
    FormFixture f;
    FormFixture::Type(f.Edit1, "1990");
    QCOMPARE(f.ComboBox1->currentText(), QString("平成"));
    FormFixture::Preset({{f.Edit3, "1"}, {f.Edit4, "1"}});
    f.Edit1->setText("2026");  // a change with no key release
    QCOMPARE(f.Label8->text(), QString("（木曜日）"));
    QCOMPARE(f.ComboBox1->currentText(), QString("平成"));
    QCOMPARE(f.Edit2->text(), QString("2"));
    // The next key release anywhere in the date catches up.
    QTest::keyClick(f.Edit4, Qt::Key_Shift);
    QCOMPARE(f.ComboBox1->currentText(), QString("令和"));
    QCOMPARE(f.Edit2->text(), QString("8"));
}

void DatePanelTest::programSelectionRaisesNoPick()
{
    FormFixture f;
    QSignalSpy picks(f.ComboBox1, &QComboBox::activated);
    FormFixture::Type(f.Edit1, "1990");
    f->ClearFields(vadelon::FieldGroup::UpperPanel);
    QCOMPARE(picks.count(), 0);
    QCOMPARE(f.ComboBox1->currentText(), QString("－－"));
    QCOMPARE(f.Edit2->text(), QString("--"));
    QVERIFY(f.Edit1->text().isEmpty());
}

void DatePanelTest::eraQuestionThroughTheDialog_data()
{
    QTest::addColumn<QStringList>("date");
    QTest::addColumn<QString>("press");  // the toggle pressed before OK, or "" for none
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("eraYear");
    QTest::addColumn<QString>("offered");  // the two names the dialog offered
    QTest::newRow("2019 untouched") << QStringList{"2019", "", ""} << ""
                                    << ""
                                    << ""
                                    << "平成 令和";
    QTest::newRow("2019 later") << QStringList{"2019", "", ""} << "SpeedButton2"
                                << "令和"
                                << "1"
                                << "平成 令和";
    QTest::newRow("2019 earlier") << QStringList{"2019", "", ""} << "SpeedButton1"
                                  << "平成"
                                  << "31"
                                  << "平成 令和";
    QTest::newRow("1989-01 earlier") << QStringList{"1989", "1", ""} << "SpeedButton1"
                                     << "昭和"
                                     << "64"
                                     << "昭和 平成";
    QTest::newRow("1394 later") << QStringList{"1394", "", ""} << "SpeedButton2"
                                << "應永"
                                << "1"
                                << "－－ 應永";
}

void DatePanelTest::eraQuestionThroughTheDialog()
{
    QFETCH(QStringList, date);
    QFETCH(QString, press);
    QFETCH(QString, era);
    QFETCH(QString, eraYear);
    QFETCH(QString, offered);
    FormFixture f;
    vadelon::TNengoForm dialog(f.platform);
    f->AttachEraDialog(&dialog);
    QString shown;
    f.platform.modalHandlers.push_back([&](QWidget* w) {
        auto* d = static_cast<vadelon::TNengoForm*>(w);
        shown = d->SpeedButton1->text() + " " + d->SpeedButton2->text();
        if (!press.isEmpty())
            QTest::mouseClick(d->findChild<QToolButton*>(press), Qt::LeftButton);
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    FormFixture::Preset(
        {{f.Edit3, qPrintable(date[1])}, {f.Edit4, qPrintable(date[2])}, {f.Edit1, qPrintable(date[0])}});
    QTest::keyClick(f.Edit1, Qt::Key_End);  // one key release, one question
    QCOMPARE(f.platform.modalRuns, 1);
    QCOMPARE(shown, offered);
    if (era.isEmpty())
        QCOMPARE(f.ComboBox1->currentIndex(), -1);
    else
        QCOMPARE(f.ComboBox1->currentText(), era);
    QCOMPARE(f.Edit2->text(), eraYear);
}

void DatePanelTest::enterThatClosesTheEraDialog()
{
    FormFixture f;
    vadelon::TNengoForm dialog(f.platform);
    f->AttachEraDialog(&dialog);
    // Enter closes the dialog on its press; the release then lands in the
    // field that asked, and must not ask again.
    f.platform.defaultModalHandler = [](QWidget* w) { QTest::keyPress(w, Qt::Key_Return); };
    FormFixture::Preset({{f.Edit1, "201"}});
    QTest::keyPress(f.Edit1, Qt::Key_9);
    QCOMPARE(f.platform.modalRuns, 0);
    QTest::keyRelease(f.Edit1, Qt::Key_9);
    QCOMPARE(f.platform.modalRuns, 1);
    QTest::keyRelease(f.Edit1, Qt::Key_Return);
    QCOMPARE(f.platform.modalRuns, 1);
}

void DatePanelTest::keyRelease_data()
{
    QTest::addColumn<QStringList>("presses");  // where the key went down, in order: a control or "other window"
    QTest::addColumn<int>("pressKey");
    QTest::addColumn<QString>("releaseIn");
    QTest::addColumn<int>("releaseKey");
    QTest::addColumn<int>("scanCode");  // of press and release; 0: none, as in synthetic events
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<QString>("refresh");  // "era fields", "Western year" or "" for none
    auto row = [](const char* name, QStringList presses, int pressKey, const char* releaseIn, int releaseKey,
                  int scanCode, bool autoRepeat, const char* refresh) {
        QTest::newRow(name) << presses << pressKey << QString(releaseIn) << releaseKey << scanCode << autoRepeat
                            << QString(refresh);
    };
    row("in one field", {"Edit1"}, Qt::Key_End, "Edit1", Qt::Key_End, 0, false, "era fields");
    row("Tab from era year into month", {"Edit2"}, Qt::Key_Tab, "Edit3", Qt::Key_Tab, 0, false, "era fields");
    row("Shift+Tab from month into era year", {"Edit3"}, Qt::Key_Backtab, "Edit2", Qt::Key_Backtab, 0, false,
        "Western year");
    row("no press seen", {}, 0, "Edit4", Qt::Key_Shift, 0, false, "era fields");
    row("pressed in another window", {"other window"}, Qt::Key_Return, "Edit1", Qt::Key_Return, 0, false, "");
    row("Tab pressed in another window", {"other window"}, Qt::Key_Tab, "Edit2", Qt::Key_Tab, 0, false, "");
    row("pressed there, then here", {"other window", "Edit4"}, Qt::Key_Return, "Edit4", Qt::Key_Return, 0, false,
        "era fields");
    // Shift let go first: "!" goes down, "1" comes up; the scan code says it
    // is the same key.
    row("Shift let go first", {"other window"}, Qt::Key_Exclam, "Edit1", Qt::Key_1, 10, false, "");
    // An auto-repeated key refreshes once, when it is let go.
    row("auto-repeat", {"Edit1"}, Qt::Key_Right, "Edit1", Qt::Key_Right, 0, true, "");
}

void DatePanelTest::keyRelease()
{
    QFETCH(QStringList, presses);
    QFETCH(int, pressKey);
    QFETCH(QString, releaseIn);
    QFETCH(int, releaseKey);
    QFETCH(int, scanCode);
    QFETCH(bool, autoRepeat);
    QFETCH(QString, refresh);
    FormFixture f;
    QWidget otherWindow;
    FormFixture::Preset({{f.Edit1, "2026"}, {f.Edit3, "5"}, {f.Edit4, "1"}, {f.Edit2, "2"}});
    f.ComboBox1->setCurrentIndex(f.ComboBox1->findText("平成"));
    for (const QString& place : presses) {
        QWidget* target = place == "other window" ? &otherWindow : f.form->findChild<QWidget*>(place);
        QKeyEvent press(QEvent::KeyPress, pressKey, Qt::NoModifier, scanCode, 0, 0);
        QApplication::sendEvent(target, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, releaseKey, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(f.form->findChild<QWidget*>(releaseIn), &release);
    // The era fields from 2026, the Western year from 平成 2, or nothing.
    const QStringList shown{f.Edit1->text(), f.ComboBox1->currentText(), f.Edit2->text()};
    const QStringList expected = refresh == "era fields"     ? QStringList{"2026", "令和", "8"}
                                 : refresh == "Western year" ? QStringList{"1990", "平成", "2"}
                                                             : QStringList{"2026", "平成", "2"};
    QCOMPARE(shown, expected);
}

QTEST_MAIN(DatePanelTest)
#include "date_panel_test.moc"
