// The calculation run in each mode: results, messages, beeps and the
// almanac hand-over.
#include "almanac_window/koyomi_form.h"
#include "calendar/days/almanac.h"
#include "tests/calculator/form_fixture.h"

#include <QAction>

using vadelon::BeepType;
using vadelon::CalcMode;
using vadelon::testing::FormFixture;

namespace {

const QString kDateMessage = QStringLiteral("日付を正しく入力して下さい。");
const QString kNumberMessage = QStringLiteral("正しく入力して下さい。");
const QString kOrderMessage = QStringLiteral("日付の前後関係を確認して下さい。");
const QString kAlmanacMessage = QStringLiteral(
    "『こよみ』現行暦法のグレゴリオ暦が採用された、\n西暦１５８２年１０月１５日以降について対応しています。");

void SelectMode(FormFixture& f, const QString& mode)
{
    const QMap<QString, QAction*> items{
        {"DayCount", f.N3}, {"DateShift", f.D1}, {"AgeCalc", f.A1}, {"BirthYearCalc", f.B1}, {"Almanac", f.W1}};
    items.value(mode)->trigger();
}

}  // namespace

class CalculationRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void run_data();
    void run();
    void runButtonAndMenuAgree();
    void birthYearRefreshesLowerEra();
    void almanacHandOver();
    void almanacWithoutWindowDoesNothing();
};

// Fields: Edit1, Edit3, Edit4 | Edit9 | Edit5, Edit7, Edit8 before and after.
// "77" and "9" mark the old contents of fields that must stay untouched.
void CalculationRunTest::run_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");  // Edit9, Edit5, Edit7, Edit8
    QTest::addColumn<QString>("message");    // empty: none
    QTest::addColumn<bool>("beep");

    auto row = [](const char* name, const char* mode, bool forward, QStringList before, QStringList after,
                  const QString& message,
                  bool beep) { QTest::newRow(name) << QString(mode) << forward << before << after << message << beep; };
    // before: Edit1, Edit3, Edit4, Edit9, Edit5, Edit7, Edit8. The rules
    // themselves are the calculation rules' test; these rows check where the
    // window takes the texts from and where it writes, shows and beeps.
    row("days: one day", "DayCount", true, {"2000", "1", "1", "77", "2000", "1", "2"}, {"1", "2000", "1", "2"}, {},
        false);
    row("days: same day", "DayCount", true, {"2000", "1", "1", "77", "2000", "1", "1"}, {"0", "2000", "1", "1"},
        kOrderMessage, false);
    row("days: lower day empty", "DayCount", true, {"2000", "1", "1", "77", "2000", "1", ""}, {"77", "2000", "1", ""},
        kDateMessage, true);
    row("shift: backward", "DateShift", false, {"1999", "12", "31", "1", "9", "9", "9"}, {"1", "1999", "12", "30"}, {},
        false);
    row("age: 40", "AgeCalc", true, {"1960", "", "", "77", "2000", "9", "9"}, {"40", "2000", "9", "9"}, {}, false);
    row("age: lower empty", "AgeCalc", true, {"1960", "", "", "77", "", "9", "9"}, {"77", "", "9", "9"}, kNumberMessage,
        true);
    row("birth: 1960", "BirthYearCalc", true, {"2000", "", "", "40", "9", "9", "9"}, {"40", "1960", "9", "9"}, {},
        false);
    row("almanac: day before", "Almanac", true, {"1582", "10", "14", "77", "9", "9", "9"}, {"77", "9", "9", "9"},
        kAlmanacMessage, true);
}

void CalculationRunTest::run()
{
    QFETCH(QString, mode);
    QFETCH(bool, forward);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, message);
    QFETCH(bool, beep);
    FormFixture f;
    SelectMode(f, mode);
    if (!forward)
        f.SpeedButton6->click();
    QLineEdit* fields[7] = {f.Edit1, f.Edit3, f.Edit4, f.Edit9, f.Edit5, f.Edit7, f.Edit8};
    for (int i = 0; i < 7; ++i)
        FormFixture::Preset({{fields[i], qPrintable(before[i])}});
    f.BitBtn1->click();
    QCOMPARE((QStringList{f.Edit9->text(), f.Edit5->text(), f.Edit7->text(), f.Edit8->text()}), after);
    QCOMPARE(f.Edit1->text(), before[0]);
    QCOMPARE(f.platform.MessageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(f.platform.beeps.size(), beep ? 1u : 0u);
    if (beep)
        QCOMPARE(f.platform.beeps.front(), BeepType::Default);
}

void CalculationRunTest::runButtonAndMenuAgree()
{
    FormFixture f;
    f.A1->trigger();
    FormFixture::Type(f.Edit1, "1960");
    FormFixture::Type(f.Edit5, "2000");
    f.R1->trigger();
    QCOMPARE(f.Edit9->text(), QString("40"));
    FormFixture::Type(f.Edit5, "2001");
    QVERIFY(f.Edit9->text().isEmpty());
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    QCOMPARE(f.Edit9->text(), QString("41"));
}

void CalculationRunTest::birthYearRefreshesLowerEra()
{
    FormFixture f;
    f.B1->trigger();
    FormFixture::Type(f.Edit1, "2000");
    FormFixture::Type(f.Edit9, "40");
    f.BitBtn1->click();
    QCOMPARE(f.Edit5->text(), QString("1960"));
    QCOMPARE(f.ComboBox2->currentText(), QString("昭和"));
    QCOMPARE(f.Edit6->text(), QString("35"));
    QCOMPARE(f.Edit9->text(), QString("40"));
}

void CalculationRunTest::almanacHandOver()
{
    FormFixture f;
    QStringList hints;
    vadelon::TKoyomiForm almanac(f.platform, [&hints](const QString& h) { hints << h; });
    f->AttachAlmanacWindow(std::bind_front(&vadelon::TKoyomiForm::ShowReport, &almanac));
    f.W1->trigger();
    struct Case {
        const char *year, *month, *day;
        const char* note;  // the status bar's, beside the report
    };
    for (const Case& c :
         {Case{"1582", "11", "01", ""},
          Case{"2000", "1", "1", "小寒（1/6 10:01）前　月：丙子　立春前　年：己卯　九星：一白水星"},
          Case{"2024", "2", "4", "当日17:27 立春　月：乙丑→丙寅　年：癸卯→甲辰　九星：四緑木星→三碧木星"}}) {
        f.platform.Reset();
        FormFixture::Type(f.Edit4, c.day);
        FormFixture::Type(f.Edit3, c.month);
        FormFixture::Type(f.Edit1, c.year);
        f.BitBtn1->click();
        QCOMPARE(f.platform.modalRuns, 1);
        QVERIFY(f.platform.boxes.empty());
        QVERIFY(f.platform.beeps.empty());
        // The window holds the report of the six texts the panel shows.
        vadelon::AlmanacPanelTexts texts{f.Edit1->text().toStdString(), f.ComboBox1->currentText().toStdString(),
                                         f.Edit2->text().toStdString(), f.Edit3->text().toStdString(),
                                         f.Edit4->text().toStdString(), f.Label8->text().toStdString()};
        const auto report = vadelon::ComposeAlmanacReport(
            {QString(c.year).toInt(), QString(c.month).toInt(), QString(c.day).toInt()}, texts);
        QCOMPARE(almanac.Caption(), QString::fromStdString(report.caption));
        QStringList lines;
        for (const std::string& line : report.lines)
            lines << QString::fromStdString(line);
        QCOMPARE(almanac.Text(), lines.join('\n'));
        QVERIFY(almanac.Text().contains(f.Edit1->text()));
        QCOMPARE(almanac.ReportNote(), QString(c.note));
        QVERIFY(!almanac.isVisible());
    }
}

void CalculationRunTest::almanacWithoutWindowDoesNothing()
{
    FormFixture f;
    f.W1->trigger();
    FormFixture::Preset({{f.Edit1, "2000"}, {f.Edit3, "1"}, {f.Edit4, "1"}});
    f.BitBtn1->click();
    QCOMPARE(f.platform.modalRuns, 0);
    QVERIFY(f.platform.boxes.empty());
    QVERIFY(f.platform.beeps.empty());
}

QTEST_MAIN(CalculationRunTest)
#include "calculation_run_test.moc"
