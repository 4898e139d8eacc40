// The calendar window with the calculator: its menu item, where it opens,
// the day it writes into the upper panel, what a screen reader finds in it,
// and its keys beside an application-modal window.
#include "calendar_window/calendar_window.h"
#include "calendar_window/month_grid.h"
#include "tests/calculator/form_fixture.h"

#include <QAccessible>
#include <QMainWindow>

using vadelon::testing::FormFixture;

class CalendarWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void menuItemOpensOnTheUpperDateOrToday();
    void enterWritesTheDayAsTyped();
    void eachDayIsNamedByItsLine();
    void takesKeysBesideAnApplicationModalWindow();
};

namespace {

struct Calendar {
    explicit Calendar(FormFixture& f)
        : holder({f.form.get(), [&f] { return f.platform.today; }, [&f] { return f->UpperPanelDate(); },
                  [&f](const QDate& date) { f->EnterUpperDate(date); }})
    {
        f->AttachCalendarWindow([this] { holder.Present(); });
    }
    vadelon::CalendarWindow* Window() const { return holder.Window(); }
    // A key as the window system delivers it, so that a blocked window would not take it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Window()->windowHandle(), key, modifiers);
    }
    vadelon::CalendarWindowHolder holder;
};

}  // namespace

void CalendarWindowTest::menuItemOpensOnTheUpperDateOrToday()
{
    FormFixture f;
    f.platform.today = QDate(2026, 5, 20);
    Calendar calendar(f);
    // Its place in the menu is checked with the other items'.
    auto* item = f.Find<QAction>("Calendar1");
    QCOMPARE(item->statusTip(), QStringLiteral("祝日・六曜・旧暦の入った月のカレンダーを表示します。"));

    item->trigger();  // an empty upper panel: today's month
    QVERIFY(calendar.Window()->isVisible());
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2026年5月"));
    calendar.Key(Qt::Key_PageDown);
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2026年6月"));
    // Asked for while open: raised as it is.
    FormFixture::Type(f.Edit1, QStringLiteral("2033"));
    item->trigger();
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2026年6月"));
    calendar.Key(Qt::Key_Escape);
    QVERIFY(!calendar.Window()->isVisible());

    // No date in the upper panel (a month 13), then a date.
    FormFixture::Type(f.Edit3, QStringLiteral("13"));
    FormFixture::Type(f.Edit4, QStringLiteral("22"));
    item->trigger();
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2026年5月"));
    calendar.Key(Qt::Key_Escape);
    FormFixture::Type(f.Edit3, QStringLiteral("12"));
    item->trigger();
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2033年12月"));
    QVERIFY(calendar.Window()->LineText().startsWith(QStringLiteral("2033年12月22日（木）旧暦閏11月1日")));
}

void CalendarWindowTest::enterWritesTheDayAsTyped()
{
    FormFixture f;
    f.platform.today = QDate(2026, 5, 20);
    Calendar calendar(f);
    // A day count's result stands: writing an input empties it.
    FormFixture::Preset({{f.Edit1, "2000"},
                         {f.Edit3, "1"},
                         {f.Edit4, "1"},
                         {f.Edit5, "2000"},
                         {f.Edit7, "1"},
                         {f.Edit8, "2"},
                         {f.Edit9, "1"}});
    f.form->show();
    f.Find<QAction>("Calendar1")->trigger();
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 2000年1月"));
    calendar.Key(Qt::Key_Home);
    calendar.Key(Qt::Key_Right);
    calendar.Key(Qt::Key_PageDown, Qt::ControlModifier);
    calendar.Key(Qt::Key_Return);
    QCOMPARE(f.Edit1->text(), QStringLiteral("2027"));
    QCOMPARE(f.Edit3->text(), QStringLiteral("5"));
    QCOMPARE(f.Edit4->text(), QStringLiteral("21"));
    QCOMPARE(f.Label8->text(), QStringLiteral("（金曜日）"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("令和"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("9"));
    QCOMPARE(f.Edit9->text(), QString());
    QCOMPARE(f.Edit5->text(), QStringLiteral("2000"));
    QVERIFY(calendar.Window()->isVisible());

    // A double click chooses the day clicked.
    vadelon::MonthGrid* grid = calendar.Window()->Grid();
    const QPoint fourth = grid->CellRect(4).center();  // the first week's Thursday: 2027-04-29, 昭和の日
    // As the window system sends it: press, release, then the second press as a double click.
    QTest::mouseDClick(calendar.Window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       grid->mapTo(calendar.Window(), fourth));
    QCOMPARE(f.Edit3->text(), QStringLiteral("4"));
    QCOMPARE(f.Edit4->text(), QStringLiteral("29"));
}

void CalendarWindowTest::eachDayIsNamedByItsLine()
{
    FormFixture f;
    f.platform.today = QDate(2026, 5, 6);
    Calendar calendar(f);
    f.Find<QAction>("Calendar1")->trigger();
    vadelon::MonthGrid* grid = calendar.Window()->Grid();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::List);
    QCOMPARE(face->childCount(), 42);
    // May 2026 begins on a Friday: the 6th is the tenth cell.
    QAccessibleInterface* sixth = face->child(10);
    // The line under the grid as it is read: the weekday in full.
    QCOMPARE(sixth->text(QAccessible::Name), QStringLiteral("2026年5月6日 水曜日 振替休日 旧暦3月20日 仏滅 月齢18.6"));
    QVERIFY(sixth->state().selected);
    QCOMPARE(face->indexOfChild(sixth), 10);
    QVERIFY(face->child(0)->text(QAccessible::Name).startsWith(QStringLiteral("2026年4月26日 日曜日 旧暦3月10日")));
    // The window is a window, not a filler.
    QCOMPARE(QAccessible::queryAccessibleInterface(calendar.Window())->role(), QAccessible::Window);
    // A range is told by its end, the selected day: as the line says it.
    calendar.Key(Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(face->child(11)->state().selected);
    QCOMPARE(face->child(11)->text(QAccessible::Name), calendar.Window()->LineText());
    QVERIFY(face->child(11)->text(QAccessible::Name).startsWith(QStringLiteral("2026年5月6日")));
    // The days follow the month shown.
    calendar.Key(Qt::Key_PageDown);
    QVERIFY(face->child(10)->text(QAccessible::Name).startsWith(QStringLiteral("2026年6月10日 水曜日")));
}

void CalendarWindowTest::takesKeysBesideAnApplicationModalWindow()
{
    FormFixture f;
    f.platform.today = QDate(2026, 5, 20);
    Calendar calendar(f);
    f.form->show();
    f.Find<QAction>("Calendar1")->trigger();
    vadelon::CalendarWindow* window = calendar.Window();

    QMainWindow almanac;
    almanac.setWindowModality(Qt::ApplicationModal);
    almanac.show();
    QVERIFY(window->isVisible() && window->isWindow());
    calendar.Key(Qt::Key_PageDown);
    QCOMPARE(window->windowTitle(), QStringLiteral("カレンダー 2026年6月"));
    // The check can fail: the calculator, which the modal window does not own, takes no key.
    f.Edit1->setFocus();
    QTest::keyClick(f.form->windowHandle(), Qt::Key_7);
    QCOMPARE(f.Edit1->text(), QString());

    almanac.hide();
    QVERIFY(window->isVisible());
    calendar.Key(Qt::Key_PageUp);
    QCOMPARE(window->windowTitle(), QStringLiteral("カレンダー 2026年5月"));
}

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
