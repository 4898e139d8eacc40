// The help window on the manual as built: the full-text search and its
// highlights, the era page against the core's table, the keyword index, the
// help window beside an application-modal window, and the missing manual.
#include "calendar/era.h"
#include "help_window/help_location.h"
#include "help_window/help_search.h"
#include "help_window/help_window.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace vadelon;

namespace {
const QString kManual = QStringLiteral(VADELON_TEST_MANUAL);
}

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void eraPageIsTheCoresTable();
    void keywordOpensItsTarget();
    void takesInputBesideAnApplicationModalWindow();
    void missingManualNamesThePathsLookedAt();
};

void HelpWindowTest::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("firstPage");  // empty: nothing may be found

    QTest::newRow("閏年") << "閏年" << "day_count.html";
    QTest::newRow("改元") << "改元" << "eras.html";
    QTest::newRow("ユリウス日") << "ユリウス日" << "reading_almanac.html";
    QTest::newRow("経過日数") << "経過日数" << "day_count.html";
    QTest::newRow("満年齢") << "満年齢" << "age.html";
    QTest::newRow("印刷") << "印刷" << "almanac_window.html";
    QTest::newRow("シフトJIS") << "シフトJIS" << "almanac_window.html";
    QTest::newRow("Shift-JIS") << "Shift-JIS" << "almanac_window.html";
    QTest::newRow("shift jis, half-width kana") << "shift jis" << "almanac_window.html";
    QTest::newRow("ﾕﾘｳｽ日, half-width kana") << "ﾕﾘｳｽ日" << "reading_almanac.html";
    QTest::newRow("two words on one page") << "改元 年号" << "eras.html";
    QTest::newRow("存在しない語句") << "存在しない語句" << "";
    QTest::newRow("xyzzy") << "xyzzy" << "";
    QTest::newRow("one word found, one not") << "改元 xyzzy" << "";
    QTest::newRow("blank") << "　 " << "";
}

void HelpWindowTest::search()
{
    QFETCH(QString, query);
    QFETCH(QString, firstPage);
    HelpWindow window(kManual);
    window.Search(query);
    if (firstPage.isEmpty()) {
        QCOMPARE(window.ResultList()->count(), 0);
        return;
    }
    QVERIFY(window.ResultList()->count() > 0);
    QCOMPARE(window.ResultList()->currentRow(), 0);
    QCOMPARE(window.Browser()->source().fileName(), firstPage);
    // Every hit on the page is highlighted, and only hits.
    const QStringList words = QueryWords(query);
    const QStringList highlighted = window.HighlightedTexts();
    QVERIFY(!highlighted.isEmpty());
    for (const QString& text : highlighted)
        QVERIFY2(words.contains(NormaliseForSearch(text).text), qPrintable(text));
    const QString page = window.Browser()->document()->toPlainText();
    qsizetype expected = 0;
    for (const QString& word : words)
        expected += NormaliseForSearch(page).text.count(word);
    QCOMPARE(highlighted.size(), expected);
}

void HelpWindowTest::eraPageIsTheCoresTable()
{
    QFile file(kManual + QStringLiteral("/eras.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    static const QRegularExpression kRow(QStringLiteral(
        R"(<tr><td>([^<]*)</td><td>(\d+)年(\d+)月(\d+)日</td><td>(\d+)</td><td>(\d*)</td></tr>)"));
    QStringList rows;
    for (auto match = kRow.globalMatch(page); match.hasNext();)
        rows << match.next().capturedTexts().mid(1).join(u'|');

    QStringList core;
    const auto table = EraTable();
    for (std::size_t row = 1; row < table.size(); ++row) {
        const EraEntry& era = table[row];
        const QString last = row + 1 < table.size() ? QString::number(table[row + 1].startYearValue) : QString();
        core << QStringLiteral("%1|%2|%3|%4|%2|%5")
                    .arg(QString::fromUtf8(era.name.data(), static_cast<qsizetype>(era.name.size())))
                    .arg(era.startYearValue)
                    .arg(era.startMonthValue)
                    .arg(era.startDayValue)
                    .arg(last);
    }
    QCOMPARE(rows, core);
}

void HelpWindowTest::keywordOpensItsTarget()
{
    HelpWindow window(kManual);
    window.show();
    window.Tabs()->setCurrentIndex(1);
    QVERIFY(window.KeywordEdit()->hasFocus() || !QApplication::activeWindow());
    window.KeywordEdit()->setText(QStringLiteral("印刷"));  // as typed through the input method
    QVERIFY(window.KeywordList()->count() > 0);
    for (int row = 0; row < window.KeywordList()->count(); ++row)
        QVERIFY(window.KeywordList()->item(row)->text().contains(QStringLiteral("印刷")));
    QTest::keyClick(window.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("almanac_window.html"));
    QVERIFY(!window.Browser()->source().fragment().isEmpty());
}

void HelpWindowTest::takesInputBesideAnApplicationModalWindow()
{
    QWidget calculator;
    calculator.show();
    QMainWindow almanac;
    almanac.setWindowModality(Qt::ApplicationModal);
    almanac.show();
    QCOMPARE(QApplication::activeModalWidget(), &almanac);

    // The check can fail: a window the modal one does not own takes no key.
    QLineEdit blocked;
    blocked.show();
    QTest::keyClick(blocked.windowHandle(), Qt::Key_A);
    QCOMPARE(blocked.text(), QString());

    QPointer<HelpWindow> help;
    PresentHelpWindow(help, kManual);
    QVERIFY(help && help->isVisible() && help->isWindow());
    help->Tabs()->setCurrentIndex(2);
    help->SearchEdit()->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_X);
    QCOMPARE(help->SearchEdit()->text(), QStringLiteral("x"));

    // Asked for again: the same window.
    HelpWindow* first = help;
    PresentHelpWindow(help, kManual);
    QCOMPARE(help.data(), first);

    // Minimising the modal window does not close it: the help still takes input.
    almanac.showMinimized();
    almanac.showNormal();
    QCOMPARE(help->parentWidget(), &almanac);
    help->SearchEdit()->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_Z);
    QCOMPARE(help->SearchEdit()->text(), QStringLiteral("xz"));

    // The modal window closes; the help stays open, its own window, taking input.
    almanac.hide();
    QVERIFY(help && help->isVisible() && help->parentWidget() == nullptr);
    help->SearchEdit()->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_Y);
    QCOMPARE(help->SearchEdit()->text(), QStringLiteral("xzy"));
    delete help;
}

void HelpWindowTest::missingManualNamesThePathsLookedAt()
{
    HelpViewer viewer;
    QtPlatform platform([&viewer](const QString& helpFile) { return viewer.Show(helpFile); });
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    platform.ShowHelpFinder(nullptr, QStringLiteral("vadelon/no-such-manual"));
    // Beside the build tree or relocated install, and under the install prefix.
    const QStringList folders = HelpFolderCandidates(QStringLiteral("vadelon/no-such-manual"));
    QVERIFY(folders.contains(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/../share/vadelon/no-such-manual"))));
    QStringList looked;
    for (const QString& folder : folders)
        looked << folder + QStringLiteral("/contents.txt");
    QCOMPARE(shown, QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(looked.join(QStringLiteral("、"))));
    QVERIFY(!shown.contains(u'\\'));
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
