// The calendar window with the calculator: its menu item, where it opens,
// the day it writes into the upper panel, what a screen reader finds in it,
// and its keys beside an application-modal window.
#include "calendar/notes/holidays.h"
#include "calendar/notes/zassetsu.h"
#include "calendar/sky/solar_terms.h"
#include "calendar_window/calendar_window.h"
#include "calendar_window/month_grid.h"
#include "dialogs/nengo_form.h"
#include "tests/calculator/form_fixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <set>

using vadelon::testing::FormFixture;

class CalendarWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void menuItemOpensOnTheUpperDateOrToday();
    void enterWritesTheDayAsTyped();
    void eachDayIsNamedByItsLine();
    void takesKeysBesideAnApplicationModalWindow();
    void textsFitTheWindowAtEverySize();
};

namespace {

struct Calendar {
    explicit Calendar(FormFixture& f)
        : holder({f.form.get(), [&f] { return vadelon::DateOfQDate(f.platform.today); },
                  [&f] { return vadelon::DateOfQDate(f->UpperPanelDate()); },
                  [&f](const vadelon::Date& date) { return f->EnterUpperDate(vadelon::QDateOf(date)); },
                  [this] { ++helpRequests; }})
    {
        f->AttachCalendarWindow([this] { holder.Present(); });
    }
    vadelon::CalendarWindow* Window() const { return holder.Window(); }
    // A key as the window system delivers it, so that a blocked window would not take it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Window()->windowHandle(), key, modifiers);
    }
    int helpRequests = 0;  // before holder, which is made with it
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
    calendar.Key(Qt::Key_F1);  // its page of the manual
    QCOMPARE(calendar.helpRequests, 1);
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
    QVERIFY(calendar.Window()->LineText().startsWith(
        QStringLiteral("2033年12月22日（木）　令和15年12月22日　旧暦閏11月1日")));

    // The go-to field: Ctrl+G, a date as a Japanese user writes it, Enter;
    // a day that does not exist moves nothing and says why; Esc closes it.
    QLineEdit* field = calendar.Window()->GoToField();
    calendar.Key(Qt::Key_G, Qt::ControlModifier);
    QVERIFY(field->isVisible());
    field->setText(QStringLiteral("元禄十五年十二月十四日"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 1703年1月"));
    QVERIFY(!field->isVisible());
    QCOMPARE(calendar.Window()->LineText(), QStringLiteral("1703年1月30日（火）　元禄15年12月14日　先勝"));
    calendar.Key(Qt::Key_G, Qt::ControlModifier);
    field->setText(QStringLiteral("明治5年12月3日"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(calendar.Window()->LineText(), QStringLiteral("明治5年12月は2日までです。"));
    QCOMPARE(calendar.Window()->windowTitle(), QStringLiteral("カレンダー 1703年1月"));
    QVERIFY(field->isVisible());
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!field->isVisible());
    QVERIFY(calendar.Window()->isVisible());
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

    // While the era question for 1989 is open, Enter writes nothing: the
    // answer is for 1989, and the question is brought up with a beep.
    vadelon::TNengoForm dialog(f.platform);
    f->AttachEraDialog(&dialog);
    QString lineWhileAsked;
    QString yearWhileAsked;
    f.platform.modalHandlers.push_back([&](QWidget*) {
        calendar.Key(Qt::Key_Home);
        calendar.Key(Qt::Key_Return);
        lineWhileAsked = calendar.Window()->LineText();
        yearWhileAsked = f.Edit1->text() + "/" + f.Edit3->text();
        QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    FormFixture::Preset({{f.Edit3, ""}, {f.Edit4, ""}});
    f.platform.beeps.clear();
    FormFixture::Type(f.Edit1, QStringLiteral("1989"));
    QCOMPARE(f.platform.modalRuns, 1);
    QCOMPARE(yearWhileAsked, QStringLiteral("1989/"));
    QCOMPARE(f.platform.beeps.size(), std::size_t{1});
    QCOMPARE(lineWhileAsked, QStringLiteral("年号確認に答えてから選び直してください。上の日付は変わっていません。"));
    QCOMPARE(f.Edit1->text(), QStringLiteral("1989"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("昭和"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("64"));
    // Answered, the same Enter writes the day.
    calendar.Key(Qt::Key_Return);
    QCOMPARE(f.Edit1->text() + "/" + f.Edit3->text() + "/" + f.Edit4->text(), QStringLiteral("2026/5/20"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("令和"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("8"));
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
    QCOMPARE(sixth->text(QAccessible::Name),
             QStringLiteral("2026年5月6日 水曜日 令和8年5月6日 振替休日 旧暦3月20日 仏滅 月齢18.6"));
    QVERIFY(sixth->state().selected);
    QCOMPARE(face->indexOfChild(sixth), 10);
    QVERIFY(face->child(0)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("2026年4月26日 日曜日 令和8年4月26日 旧暦3月10日")));
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

void CalendarWindowTest::textsFitTheWindowAtEverySize()
{
    // Where a name may go onto a new line ("|"); the rest are single words.
    const QStringList wordsOf = {
        "勤労|感謝の日",
        "建国|記念の日",
        "憲法|記念日",
        "天皇|誕生日",
        "スポーツ|の日",
        "国民の|休日",
        "振替|休日",
        "天皇の|即位の日",
        "即位礼|正殿の儀",
        "土用の|丑の日",
        "昭和天皇の|大喪の礼",
        "皇太子|明仁|親王の|結婚の儀",
        "皇太子|徳仁|親王の|結婚の儀",
    };
    std::set<QString> names;  // every holiday, 節気 and 雑節 a cell can show
    for (int year = vadelon::kFirstHolidayYear; year <= 2100; ++year) {
        for (const vadelon::Holiday& holiday : vadelon::HolidaysOfYear(year))
            names.insert(QString::fromUtf8(holiday.name.data(), static_cast<qsizetype>(holiday.name.size())));
    }
    for (const vadelon::DatedZassetsu& zassetsu : vadelon::ZassetsuOfYear(2026))
        names.insert(QString::fromUtf8(zassetsu.name.data(), static_cast<qsizetype>(zassetsu.name.size())));
    for (const std::string_view term : vadelon::SolarTermShortNames)
        names.insert(QString::fromUtf8(term.data(), static_cast<qsizetype>(term.size())));
    QVERIFY(names.count(QStringLiteral("天皇の即位の日")) && names.count(QStringLiteral("土用の丑の日")));

    FormFixture f;
    Calendar calendar(f);
    f.Find<QAction>("Calendar1")->trigger();
    vadelon::CalendarWindow* window = calendar.Window();
    vadelon::CellParts smallest;
    for (const QSize size : {window->sizeHint(), window->minimumSizeHint()}) {
        window->resize(size);
        QApplication::processEvents();
        smallest = vadelon::CellPartsOf(window->Grid()->CellRect(0));
        QVERIFY(smallest.band.height() > 0);
        for (const QString& name : names) {
            const vadelon::LabelLayout layout = vadelon::LayOutLabel(name, smallest.band.size(), smallest.smallSize);
            // Only the two longest, and only in the smallest window, are cut short (after a word).
            QVERIFY2(!layout.elided || (size == window->minimumSizeHint() && name.endsWith(QStringLiteral("結婚の儀"))),
                     qPrintable(name));
            QString allowed = name;
            for (const QString& words : wordsOf) {
                if (QString(words).remove(u'|') == name)
                    allowed = words;
            }
            // Each break, and the cut, stands where a "|" does.
            const QString shown = layout.elided ? QString(layout.text).remove(u'…') + u'|' : layout.text;
            QVERIFY2(QString(allowed).remove(u'|').startsWith(QString(shown).remove(u'\n').remove(u'|')),
                     qPrintable(layout.text));
            qsizetype at = 0;
            for (const QChar c : shown) {
                const bool mayBreak = at < allowed.size() && allowed[at] == u'|';
                QVERIFY2((c != u'\n' && c != u'|') || mayBreak, qPrintable(layout.text));
                at += c == u'\n' || c == u'|' ? 1 : mayBreak ? 2 : 1;
            }
        }
    }
    // The names the middle used to cut, at that size.
    QCOMPARE(vadelon::LayOutLabel(QStringLiteral("天皇の即位の日"), smallest.band.size(), smallest.smallSize).text,
             QStringLiteral("天皇の\n即位の日"));
    QCOMPARE(vadelon::LayOutLabel(QStringLiteral("即位礼正殿の儀"), smallest.band.size(), smallest.smallSize).text,
             QStringLiteral("即位礼\n正殿の儀"));

    // Twice the window's own size: the texts around the grid grow with it.
    auto pixels = [window](const char* name) {
        return window->findChild<QWidget*>(QString::fromLatin1(name))->font().pixelSize();
    };
    window->resize(window->sizeHint() * 2);
    QApplication::processEvents();
    QCOMPARE(pixels("MonthLabel"), 32);
    QCOMPARE(pixels("DayLine"), 26);
    QCOMPARE(pixels("TodayButton"), 24);
    QVERIFY(window->findChild<QWidget*>(QStringLiteral("TodayButton"))->height() >= 48);
    window->resize(window->minimumSizeHint());
    QApplication::processEvents();
    QCOMPARE(pixels("MonthLabel"), 16);
}

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
