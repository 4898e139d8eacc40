// What a screen reader says for each control that takes input, and the use
// of the date panels by keyboard alone.
#include "tests/calculator/form_fixture.h"

#include <QAccessible>
#include <QAction>

using vadelon::testing::FormFixture;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void everyInputHasAName();
    void panelNames_data();
    void panelNames();
    void numberFieldNamedByMode_data();
    void numberFieldNamedByMode();
    void arrowKeysStepTheSpinButtons();
    void weekdayIsRead();
    void fieldTextIsOneRun();
};

namespace {
QString SpokenName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}
}  // namespace

void AccessibilityTest::everyInputHasAName()
{
    FormFixture f;
    f.form->show();
    const auto widgets = f.form->findChildren<QWidget*>();
    int inputs = 0;
    for (QWidget* w : widgets) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<vadelon::TUpDown*>(w) || qobject_cast<QAbstractButton*>(w);
        // Qt's own helpers (the menu bar's overflow button) are not ours.
        if (!input || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++inputs;
        QVERIFY2(!SpokenName(w).trimmed().isEmpty(), qPrintable(w->objectName() + " has no spoken name"));
    }
    // 9 edit boxes, 2 era lists, 6 spin buttons, 2 today buttons, 5 mode
    // buttons and the toggle, the run and the clear button.
    QCOMPARE(inputs, 27);
}

void AccessibilityTest::panelNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("upper year") << "Edit1"
                                << "上の日付 西暦年";
    QTest::newRow("upper era") << "ComboBox1"
                               << "上の日付 年号";
    QTest::newRow("toggle, named by its direction") << "SpeedButton6"
                                                    << "切替 日後";
    QTest::newRow("upper era year") << "Edit2"
                                    << "上の日付 和暦年";
    QTest::newRow("upper month") << "Edit3"
                                 << "上の日付 月";
    QTest::newRow("upper day spin") << "UpDown3"
                                    << "上の日付 日の増減";
    QTest::newRow("lower year") << "Edit5"
                                << "下の日付 西暦年";
    QTest::newRow("lower day") << "Edit8"
                               << "下の日付 日";
    QTest::newRow("lower year spin") << "UpDown4"
                                     << "下の日付 西暦年の増減";
    QTest::newRow("run") << "BitBtn1"
                         << "計算実行";
    QTest::newRow("clear") << "BitBtn2"
                           << "クリア";
    QTest::newRow("upper today") << "Button1"
                                 << "上の日付 きょう";
    QTest::newRow("lower today") << "Button2"
                                 << "下の日付 きょう";
    QTest::newRow("upper weekday") << "Label8"
                                   << "上の日付 曜日 （　曜日）";
    QTest::newRow("lower spin") << "UpDown5"
                                << "下の日付 月の増減";
}

void AccessibilityTest::panelNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    FormFixture f;
    auto* widget = f.form->findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(SpokenName(widget), name);
}

void AccessibilityTest::numberFieldNamedByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::newRow("day count") << 0 << "経過日数は 日";
    QTest::newRow("date shift") << 1 << "加算日数 日後は";
    QTest::newRow("age") << 2 << "満年齢は 歳";
    QTest::newRow("birth year") << 3 << "満 歳";
}

void AccessibilityTest::numberFieldNamedByMode()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    FormFixture f;
    QAction* items[] = {f.N3, f.D1, f.A1, f.B1};
    items[mode]->trigger();
    QCOMPARE(SpokenName(f.Edit9), name);
}

void AccessibilityTest::arrowKeysStepTheSpinButtons()
{
    FormFixture f;
    f.form->show();
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    FormFixture::Type(f.Edit1, "1988");
    QCOMPARE(f.Edit2->text(), QStringLiteral("63"));
    // By keyboard: from the year field to its spin button, then the arrows.
    f.Edit1->setFocus();
    const QImage withoutFocus = f.UpDown1->grab().toImage();
    QTest::keyClick(f.Edit1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.UpDown1));
    QVERIFY2(f.UpDown1->grab().toImage() != withoutFocus, "the focused spin button shows no focus mark");
    QTest::keyPress(f.UpDown1, Qt::Key_Up);
    QCOMPARE(f.Edit1->text(), QStringLiteral("1989"));
    QTest::keyPress(f.UpDown1, Qt::Key_Up);
    QCOMPARE(f.Edit1->text(), QStringLiteral("1990"));
    // The era fields follow once the key is released, as after a mouse press.
    QCOMPARE(f.Edit2->text(), QStringLiteral("63"));
    QTest::keyRelease(f.UpDown1, Qt::Key_Up);
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("平成"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("2"));
    QTest::keyClick(f.UpDown1, Qt::Key_Down);
    QCOMPARE(f.Edit1->text(), QStringLiteral("1989"));
}

void AccessibilityTest::weekdayIsRead()
{
    // The label is named for what it is and what it shows, which is also its
    // text and its description.
    FormFixture f;
    const auto shown = [&f] {
        return QAccessible::queryAccessibleInterface(f.Label15)->text(QAccessible::Description);
    };
    QCOMPARE(shown(), QStringLiteral("（　曜日）"));
    FormFixture::Preset({{f.Edit7, "1"}, {f.Edit8, "1"}});
    FormFixture::Type(f.Edit5, "2000");
    QCOMPARE(shown(), QStringLiteral("（土曜日）"));
    QCOMPARE(SpokenName(f.Label15), QStringLiteral("下の日付 曜日 （土曜日）"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(f.Label15)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("（土曜日）"));
}

void AccessibilityTest::fieldTextIsOneRun()
{
    // A screen reader builds what it speaks from the runs of attributes: a
    // run that ends where it starts loses the character there.
    FormFixture f;
    for (const QString& value : {QStringLiteral("1"), QStringLiteral("365")}) {
        f.Edit1->setText(value);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(f.Edit1)->textInterface();
        QVERIFY(text);
        for (int offset = 0; offset < value.size(); ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(start, 0);
            QCOMPARE(end, static_cast<int>(value.size()));
        }
        QCOMPARE(text->text(0, text->characterCount()), value);
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
