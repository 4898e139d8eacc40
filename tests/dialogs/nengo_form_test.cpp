// The era confirmation dialog: its texts for real questions of the era table,
// its layout, and how the toggle pair answers however the dialog is closed.
#include "calendar/days/era.h"
#include "dialogs/nengo_form.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using vadelon::EraChoice;
using vadelon::TNengoForm;
using vadelon::testing::ScriptedPlatform;

Q_DECLARE_METATYPE(EraChoice)

namespace {

vadelon::EraQuestion QuestionFor(int year, int month, int day)
{
    const auto lookup = vadelon::LookUpEra(year, month, day);
    if (!lookup.question)
        qFatal("no question for %d-%d-%d", year, month, day);
    return *lookup.question;
}

enum class Press { None, Left, Right };

}  // namespace

Q_DECLARE_METATYPE(Press)

class NengoFormTest : public QObject {
    Q_OBJECT

    ScriptedPlatform platform_;
    std::unique_ptr<TNengoForm> form_;

    // Asks for the year of change, acting on the shown dialog with act; records
    // whether the dialog closed itself rather than being hidden by the script.
    EraChoice Ask(int year, int month, const std::function<void(TNengoForm&)>& act, bool* closedItself = nullptr)
    {
        platform_.modalHandlers.push_back([&](QWidget* window) {
            auto* form = qobject_cast<TNengoForm*>(window);
            QVERIFY(form);
            QVERIFY(form->isVisible());
            act(*form);
            if (closedItself)
                *closedItself = !form->isVisible();
        });
        return form_->AskEraChoice(QuestionFor(year, month, 0));
    }

    static void PressToggle(TNengoForm& form, Press press)
    {
        if (press == Press::Left)
            QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        else if (press == Press::Right)
            QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
    }

private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void init()
    {
        platform_.modalHandlers.clear();
        platform_.Reset();
        form_ = std::make_unique<TNengoForm>(platform_);
    }
    void cleanup() { form_.reset(); }

    void showsTheQuestion_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QString>("later");
        QTest::newRow("1989, January") << 1989 << 1 << "西暦1989年は、01月08日をもって"
                                       << "昭和"
                                       << "平成";
        QTest::newRow("1394, no month") << 1394 << 0 << "西暦1394年は、07月05日をもって"
                                        << "－－"
                                        << "應永";
        QTest::newRow("1504, not a Gregorian day") << 1504 << 0 << "西暦1504年は、02月30日をもって"
                                                   << "文龜"
                                                   << "永正";
        QTest::newRow("1868, no month") << 1868 << 0 << "西暦1868年は、09月08日をもって"
                                        << "慶應"
                                        << "明治";
    }
    void showsTheQuestion()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, sentence);
        QFETCH(QString, earlier);
        QFETCH(QString, later);
        Ask(year, month, [&](TNengoForm& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("年号確認"));
            QCOMPARE(form.Label1->text(), sentence);
            QCOMPARE(form.Label2->text(), earlier);
            QCOMPARE(form.Label3->text(), QStringLiteral("から"));
            QCOMPARE(form.Label4->text(), later);
            QCOMPARE(form.Label5->text(), QStringLiteral("に改元されています"));
            QCOMPARE(form.GroupBox1->title(), QStringLiteral("採用したい年号をチェックして下さい"));
            QCOMPARE(form.SpeedButton1->text(), earlier);
            QCOMPARE(form.SpeedButton2->text(), later);
            // Labels sized to their new text: nothing cut off, nothing overlapping.
            for (QLabel* label : {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5}) {
                const QFontMetrics metrics(label->font());
                QVERIFY2(label->width() >= metrics.horizontalAdvance(label->text()), qPrintable(label->objectName()));
                QVERIFY2(label->geometry().right() < form.width(), qPrintable(label->objectName()));
            }
            QVERIFY(form.Label2->geometry().right() < form.Label3->x());
            QVERIFY(form.Label4->geometry().right() < form.Label5->x());
            const QPoint screenCentre = form.screen()->availableGeometry().center();
            QVERIFY2((form.geometry().center() - screenCentre).manhattanLength() <= 2, "not centred");
            QTest::mouseClick(form.Button1, Qt::LeftButton);
        });
        QCOMPARE(platform_.modalRuns, 1);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("size");  // invalid: sized to its text
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QColor>("colour");  // invalid: not set
        const QColor blue(0, 0, 255), red(255, 0, 0);
        QTest::newRow("Label1") << "Label1" << QPoint(16, 16) << QSize() << 16 << blue;
        QTest::newRow("Label2") << "Label2" << QPoint(16, 40) << QSize() << 21 << red;
        QTest::newRow("Label3") << "Label3" << QPoint(64, 48) << QSize() << 16 << blue;
        QTest::newRow("Label4") << "Label4" << QPoint(96, 40) << QSize() << 21 << red;
        QTest::newRow("Label5") << "Label5" << QPoint(144, 48) << QSize() << 16 << blue;
        QTest::newRow("GroupBox1") << "GroupBox1" << QPoint(16, 96) << QSize(273, 65) << 12 << QColor();
        QTest::newRow("SpeedButton1") << "SpeedButton1" << QPoint(40, 24) << QSize(81, 25) << 12 << QColor();
        QTest::newRow("SpeedButton2") << "SpeedButton2" << QPoint(152, 24) << QSize(81, 25) << 12 << QColor();
        QTest::newRow("Button1") << "Button1" << QPoint(120, 192) << QSize(65, 25) << 12 << QColor();
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(QSize, size);
        QFETCH(int, pixelSize);
        QFETCH(QColor, colour);
        auto* control = form_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->pos(), position);
        if (size.isValid())
            QCOMPARE(control->size(), size);
        QCOMPARE(control->font().pixelSize(), pixelSize);
        QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("IPAPGothic"));
        if (colour.isValid())
            QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    }

    void isAFixedDialogWithoutTitleBarButtons()
    {
        QCOMPARE(form_->objectName(), QStringLiteral("NengoForm"));
        QCOMPARE(form_->minimumSize(), QSize(304, 238));
        QCOMPARE(form_->maximumSize(), QSize(304, 238));
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form_->SpeedButton1->parentWidget(), form_->GroupBox1);
        QCOMPARE(form_->SpeedButton1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form_->SpeedButton2->focusPolicy(), Qt::NoFocus);
        QVERIFY(form_->Button1->isDefault());
    }

    // The pair keeps its state from one question to the next, whatever names
    // the buttons carry by then.
    void answerIsStickyAcrossQuestions()
    {
        struct Step {
            int year;
            Press press;
            Press downAtOpen;
            EraChoice expected;
        };
        const Step steps[] = {
            {1989, Press::Left, Press::None, EraChoice::Earlier},  {1868, Press::None, Press::Left, EraChoice::Earlier},
            {1394, Press::Right, Press::Left, EraChoice::Later},   {1989, Press::None, Press::Right, EraChoice::Later},
            {2019, Press::Left, Press::Right, EraChoice::Earlier},
        };
        for (const Step& step : steps) {
            const EraChoice choice = Ask(step.year, 0, [&](TNengoForm& form) {
                QCOMPARE(form.SpeedButton1->isChecked(), step.downAtOpen == Press::Left);
                QCOMPARE(form.SpeedButton2->isChecked(), step.downAtOpen == Press::Right);
                PressToggle(form, step.press);
                QTest::mouseClick(form.Button1, Qt::LeftButton);
            });
            QCOMPARE(choice, step.expected);
        }
    }

    void pressingTheDownButtonKeepsItDown_data()
    {
        QTest::addColumn<Press>("press");
        QTest::addColumn<EraChoice>("expected");
        QTest::newRow("left") << Press::Left << EraChoice::Earlier;
        QTest::newRow("right") << Press::Right << EraChoice::Later;
    }
    void pressingTheDownButtonKeepsItDown()
    {
        QFETCH(Press, press);
        QFETCH(EraChoice, expected);
        const EraChoice choice = Ask(1989, 1, [&](TNengoForm& form) {
            PressToggle(form, press);
            PressToggle(form, press);  // on the button that is already down
            QCOMPARE(form.SpeedButton1->isChecked() || form.SpeedButton2->isChecked(), true);
            QCOMPARE(form.SpeedButton1->isChecked() && form.SpeedButton2->isChecked(), false);
            QTest::mouseClick(form.Button1, Qt::LeftButton);
        });
        QCOMPARE(choice, expected);
    }

    // By keyboard alone: the group has the focus, the arrows press its
    // buttons, Enter is OK; a screen reader hears the choice with the group.
    void keyboardAlone_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<EraChoice>("expected");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("left") << QList<int>{Qt::Key_Left} << EraChoice::Earlier << "昭和";
        QTest::newRow("right") << QList<int>{Qt::Key_Right} << EraChoice::Later << "平成";
        QTest::newRow("right, then left") << QList<int>{Qt::Key_Right, Qt::Key_Left} << EraChoice::Earlier << "昭和";
        QTest::newRow("no arrow") << QList<int>{} << EraChoice::None << "未選択";
        QTest::newRow("up and down press nothing")
            << QList<int>{Qt::Key_Up, Qt::Key_Down} << EraChoice::None << "未選択";
    }
    void keyboardAlone()
    {
        QFETCH(QList<int>, keys);
        QFETCH(EraChoice, expected);
        QFETCH(QString, spoken);
        bool closedItself = false;
        const EraChoice choice = Ask(
            1989, 0,
            [&](TNengoForm& form) {
                QCOMPARE(form.focusWidget(), form.GroupBox1);
                for (int key : keys)
                    QTest::keyClick(form.focusWidget(), Qt::Key(key));
                QAccessibleInterface* group = QAccessible::queryAccessibleInterface(form.GroupBox1);
                QCOMPARE(group->text(QAccessible::Name),
                         QStringLiteral("採用したい年号をチェックして下さい：") + spoken);
                QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&form);
                QCOMPARE(dialog->text(QAccessible::Description),
                         QStringLiteral("西暦1989年は、01月08日をもって昭和から平成に改元されています"));
                QTest::keyClick(form.focusWidget(), Qt::Key_Return);
            },
            &closedItself);
        QVERIFY(closedItself);
        QCOMPARE(choice, expected);
    }

    void escapeDoesNotClose()
    {
        bool closedItself = false;
        const EraChoice choice = Ask(
            1989, 1,
            [](TNengoForm& form) {
                QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
                QTest::keyClick(&form, Qt::Key_Escape);
                QVERIFY(form.isVisible());
                QTest::keyClick(form.Button1, Qt::Key_Escape);
                QVERIFY(form.isVisible());
                QTest::keyClick(&form, Qt::Key_Return);
            },
            &closedItself);
        QVERIFY(closedItself);
        QCOMPARE(choice, EraChoice::Later);
    }

    // On a fresh dialog, "untouched" is the first question of the run: neither
    // button is down yet.
    void everyWayOfClosingReadsTheToggles_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Press>("press");
        QTest::addColumn<EraChoice>("expected");
        for (const QString how : {"OK", "Return", "Enter", "close"}) {
            QTest::addRow("%s, left", qPrintable(how)) << how << Press::Left << EraChoice::Earlier;
            QTest::addRow("%s, right", qPrintable(how)) << how << Press::Right << EraChoice::Later;
            QTest::addRow("%s, untouched", qPrintable(how)) << how << Press::None << EraChoice::None;
        }
    }
    void everyWayOfClosingReadsTheToggles()
    {
        QFETCH(QString, how);
        QFETCH(Press, press);
        QFETCH(EraChoice, expected);
        bool closedItself = false;
        const EraChoice choice = Ask(
            1394, 0,
            [&](TNengoForm& form) {
                PressToggle(form, press);
                if (how == "OK")
                    QTest::mouseClick(form.Button1, Qt::LeftButton);
                else if (how == "Return")
                    QTest::keyClick(&form, Qt::Key_Return);
                else if (how == "Enter")
                    QTest::keyClick(&form, Qt::Key_Enter, Qt::KeypadModifier);
                else
                    form.close();  // what the window manager and Alt+F4 do
            },
            &closedItself);
        QVERIFY(closedItself);
        QCOMPARE(choice, expected);
    }
};

QTEST_MAIN(NengoFormTest)
#include "nengo_form_test.moc"
