// The help window on the manual as built: the full-text search and its
// highlights, what a query costs, the keyword index and its order, the era
// page against the core's table, a broken install, the help window beside
// application-modal windows in every order, and the missing manual.
#include "calendar/days/era.h"
#include "help_window/help_location.h"
#include "help_window/help_search.h"
#include "help_window/help_window.h"
#include "help_window/manual_files.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <set>
#include <sys/stat.h>

using namespace vadelon;

namespace {

const QString kManual = QStringLiteral(VADELON_TEST_MANUAL);
const QString kBrokenPage = QStringLiteral("ページを表示できません");

std::set<QString> PagesFound(const HelpSearchIndex& index, const QString& query)
{
    std::set<QString> pages;
    for (const SearchResult& result : index.Search(query))
        pages.insert(result.file);
    return pages;
}

// A reading's place in 五十音順, worked out apart from the collation the
// window uses: kana as hiragana without voicing marks, small kana as large,
// ー as the vowel it lengthens; signs before every kana.
QString GojuonKey(const QString& reading)
{
    static const QString kSmall = QStringLiteral("ぁぃぅぇぉっゃゅょゎゕゖ");
    static const QString kLarge = QStringLiteral("あいうえおつやゆよわかけ");
    // Rows of five, then the kana of rows with gaps and the vowels they end in.
    static const QString kRows =
        QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもらりるれろ");
    static const QString kOthers = QStringLiteral("やゆよわ");
    static const QString kOtherVowels = QStringLiteral("あうおあ");
    QString key;
    for (QChar c : reading.normalized(QString::NormalizationForm_D)) {
        char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F6)
            u -= 0x60;
        if (const qsizetype small = kSmall.indexOf(QChar(u)); small >= 0)
            u = kLarge[small].unicode();
        if (u == 0x3099 || u == 0x309A)
            continue;
        if (u == u'ー' && !key.isEmpty()) {
            if (const qsizetype at = kRows.indexOf(key.back()); at >= 0)
                u = kRows[at % 5].unicode();
            else if (const qsizetype other = kOthers.indexOf(key.back()); other >= 0)
                u = kOtherVowels[other].unicode();
        }
        key += (u >= 0x3041 && u <= 0x3096) ? QChar(u) : QChar(u'\x01');
    }
    return key;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void queryWorkIsBounded_data();
    void queryWorkIsBounded();
    void keywordIndexInReadingOrder();
    void keywordOpensItsTarget_data();
    void keywordOpensItsTarget();
    void eraPageIsTheCoresTable();
    void brokenInstall_data();
    void brokenInstall();
    void usableBesideModalWindows_data();
    void usableBesideModalWindows();
    void missingManualNamesThePathsLookedAt();
};

void HelpWindowTest::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("firstPage");    // empty: nothing may be found
    QTest::addColumn<QString>("samePagesAs");  // a query that must find the same pages; empty: none

    QTest::newRow("閏年") << "閏年"
                          << "day_count.html"
                          << "";
    QTest::newRow("改元") << "改元"
                          << "eras.html"
                          << "";
    QTest::newRow("ユリウス日") << "ユリウス日"
                                << "reading_almanac.html"
                                << "";
    QTest::newRow("経過日数") << "経過日数"
                              << "day_count.html"
                              << "";
    QTest::newRow("満年齢") << "満年齢"
                            << "age.html"
                            << "";
    QTest::newRow("印刷") << "印刷"
                          << "almanac_window.html"
                          << "";
    QTest::newRow("シフトJIS") << "シフトJIS"
                               << "almanac_window.html"
                               << "";
    QTest::newRow("Shift-JIS") << "Shift-JIS"
                               << "almanac_window.html"
                               << "シフトJIS";
    QTest::newRow("shift jis, half-width kana") << "shift jis"
                                                << "almanac_window.html"
                                                << "";
    QTest::newRow("ﾕﾘｳｽ日, half-width kana") << "ﾕﾘｳｽ日"
                                             << "reading_almanac.html"
                                             << "ユリウス日";
    QTest::newRow("two words on one page") << "改元 年号"
                                           << "eras.html"
                                           << "";
    // Japanese as it is typed: readings, hiragana for katakana, today's kanji.
    QTest::newRow("うるう年") << "うるう年"
                              << "day_count.html"
                              << "閏年";
    QTest::newRow("まんねんれい") << "まんねんれい"
                                  << "age.html"
                                  << "満年齢";
    QTest::newRow("きゅうせい") << "きゅうせい"
                                << "reading_almanac.html"
                                << "九星";
    QTest::newRow("キュウセイ") << "キュウセイ"
                                << "reading_almanac.html"
                                << "九星";
    QTest::newRow("えと") << "えと"
                          << "reading_almanac.html"
                          << "干支";
    QTest::newRow("応永") << "応永"
                          << "eras.html"
                          << "應永";
    QTest::newRow("宝暦") << "宝暦"
                          << "eras.html"
                          << "寶暦";
    QTest::newRow("元禄") << "元禄"
                          << "eras.html"
                          << "元祿";
    QTest::newRow("Shift_JIS") << "Shift_JIS"
                               << "almanac_window.html"
                               << "シフトJIS";
    QTest::newRow("SJIS") << "SJIS"
                          << "almanac_window.html"
                          << "シフトJIS";
    QTest::newRow("文字化け") << "文字化け"
                              << "almanac_window.html"
                              << "";
    QTest::newRow("初日算入") << "初日算入"
                              << "day_count.html"
                              << "";
    QTest::newRow("存在しない語句") << "存在しない語句"
                                    << ""
                                    << "";
    QTest::newRow("xyzzy") << "xyzzy"
                           << ""
                           << "";
    QTest::newRow("one word found, one not") << "改元 xyzzy"
                                             << ""
                                             << "";
    QTest::newRow("blank") << "　 "
                           << ""
                           << "";
}

void HelpWindowTest::search()
{
    QFETCH(QString, query);
    QFETCH(QString, firstPage);
    QFETCH(QString, samePagesAs);
    HelpWindow window(kManual);
    // After another search, whose marks must not stay.
    window.Search(QStringLiteral("年号"));
    window.Search(query);
    if (!samePagesAs.isEmpty())
        QCOMPARE(PagesFound(window.Index(), query), PagesFound(window.Index(), samePagesAs));
    if (firstPage.isEmpty()) {
        QCOMPARE(window.ResultList()->count(), 0);
        QCOMPARE(window.HighlightedTexts(), QStringList());
        return;
    }
    QVERIFY(window.ResultList()->count() > 0);
    QCOMPARE(window.ResultList()->currentRow(), 0);
    QCOMPARE(window.Browser()->source().fileName(), firstPage);
    // Every hit on the page is highlighted, and only hits.
    QStringList forms;
    for (const QueryTerm& term : window.Index().Terms(query))
        forms += term;
    const QStringList highlighted = window.HighlightedTexts();
    for (const QString& text : highlighted)
        QVERIFY2(forms.contains(SearchForm(text)), qPrintable(text));
    const QString page = SearchForm(window.Browser()->document()->toPlainText());
    qsizetype expected = 0;
    for (const QString& form : forms)
        expected += page.count(form);
    QCOMPARE(highlighted.size(), expected);
}

void HelpWindowTest::queryWorkIsBounded_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("sameWorkAs");  // a query of bounded length that costs the same

    const QString no = QStringLiteral("の");
    QTest::newRow("ordinary") << "閏年 二月"
                              << "閏年 二月";
    QTest::newRow("「の 」 × 16,383 pasted") << QStringLiteral("の ").repeated(16383) << no;
    QTest::newRow("「の 」 × 1,000") << QStringLiteral("の ").repeated(1000) << no;
    QTest::newRow("one word of 30,000 「の」") << no.repeated(30000) << no.repeated(kMaxQueryChars);
    const QString readings = QStringLiteral("えと きゅうせい ").repeated(4000);
    QTest::newRow("readings repeated") << readings << readings.left(kMaxQueryChars);
    QString distinct;
    for (char16_t kanji = u'一'; distinct.size() < 3 * kMaxQueryChars; ++kanji)
        distinct += QChar(kanji) + QStringLiteral(" ");
    QTest::newRow("distinct words beyond the bound") << distinct << distinct.left(kMaxQueryChars);
}

void HelpWindowTest::queryWorkIsBounded()
{
    QFETCH(QString, query);
    QFETCH(QString, sameWorkAs);
    HelpWindow window(kManual);
    const HelpSearchIndex& index = window.Index();
    SearchWork work, peer;
    const std::vector<SearchResult> results = index.Search(query, &work);
    const std::vector<SearchResult> peerResults = index.Search(sameWorkAs, &peer);
    QCOMPARE(work.passes, peer.passes);
    QCOMPARE(work.hits, peer.hits);
    QCOMPARE(results.size(), peerResults.size());
    QVERIFY(work.passes <= index.PageCount() * kMaxQueryChars * kMaxWordForms);

    // The field takes no more than the search reads, and the page view
    // highlights a bounded number of hits.
    QCOMPARE(window.SearchEdit()->maxLength(), kMaxQueryChars);
    window.SearchEdit()->setText(query);
    QCOMPARE(window.SearchEdit()->text(), query.left(kMaxQueryChars));
    window.Search(query);
    QVERIFY(window.HighlightedTexts().size() <= kMaxHighlights);
}

void HelpWindowTest::keywordIndexInReadingOrder()
{
    HelpWindow window(kManual);
    const QListWidget* list = window.KeywordList();
    QStringList shown, readings;
    for (int row = 0; row < list->count(); ++row) {
        shown << list->item(row)->text();
        // The tooltip gives the reading (the keyword itself when it is kana).
        readings << list->item(row)->toolTip().section(u'、', 0, 0);
    }
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), shown.size());
    for (int row = 1; row < readings.size(); ++row) {
        QVERIFY2(GojuonKey(readings[row - 1]) <= GojuonKey(readings[row]),
                 qPrintable(shown[row - 1] + u' ' + readings[row - 1] + QStringLiteral(" > ") + shown[row] + u' ' +
                            readings[row]));
    }
    QVERIFY(shown.contains(QStringLiteral("初日算入")));
    QVERIFY(shown.contains(QStringLiteral("元年")));
    // Every era of the table, in today's forms.
    const auto table = EraTable();
    for (std::size_t row = 1; row < table.size(); ++row) {
        const QString name = QString::fromUtf8(table[row].name.data(), static_cast<qsizetype>(table[row].name.size()));
        // The searched form is today's form.
        const QString today = SearchForm(name);
        QVERIFY2(std::any_of(shown.begin(), shown.end(),
                             [&](const QString& text) { return text == today || text.startsWith(today + u'（'); }),
                 qPrintable(name));
    }
}

void HelpWindowTest::keywordOpensItsTarget_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("page");

    QTest::newRow("印刷") << "印刷"
                          << "印刷"
                          << "almanac_window.html";
    QTest::newRow("a reading: きゅうせい") << "きゅうせい"
                                           << "九星"
                                           << "reading_almanac.html";
    QTest::newRow("katakana for a reading") << "マンネンレイ"
                                            << "満年齢"
                                            << "age.html";
    QTest::newRow("an old form: 寶暦") << "寶暦"
                                       << "宝暦"
                                       << "eras.html";
}

void HelpWindowTest::keywordOpensItsTarget()
{
    QFETCH(QString, typed);
    QFETCH(QString, first);
    QFETCH(QString, page);
    HelpWindow window(kManual);
    window.show();
    window.Tabs()->setCurrentIndex(1);
    QVERIFY(window.KeywordEdit()->hasFocus() || !QApplication::activeWindow());
    window.KeywordEdit()->setText(typed);  // as typed through the input method
    QVERIFY(window.KeywordList()->count() > 0);
    QCOMPARE(window.KeywordList()->item(0)->text(), first);
    QTest::keyClick(window.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(window.Browser()->source().fileName(), page);
    QVERIFY(!window.Browser()->source().fragment().isEmpty());
}

void HelpWindowTest::eraPageIsTheCoresTable()
{
    QFile file(kManual + QStringLiteral("/eras.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    static const QRegularExpression kRow(
        QStringLiteral(R"(<tr><td>([^<]*)</td><td>(\d+)年(\d+)月(\d+)日</td><td>(\d+)</td><td>(\d*)</td></tr>)"));
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

using Breakage = std::function<bool(const QDir& manual)>;
Q_DECLARE_METATYPE(Breakage)

void HelpWindowTest::brokenInstall_data()
{
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("broken");  // the page shows the message in its place

    auto linkTo = [](const QString& file, const QString& target) {
        return Breakage([=](const QDir& manual) {
            QFile::remove(manual.filePath(file));
            return QFile::link(target, manual.filePath(file));
        });
    };
    auto write = [](const QString& file, const QByteArray& bytes) {
        return Breakage([=](const QDir& manual) {
            QFile out(manual.filePath(file));
            return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
        });
    };
    const QByteArray head = "<html><head><title>x</title></head><body>";

    QTest::newRow("intact") << Breakage([](const QDir&) { return true; }) << "intro.html" << false;
    QTest::newRow("a page linked to /dev/zero") << linkTo("intro.html", "/dev/zero") << "intro.html" << true;
    QTest::newRow("a page that is a FIFO") << Breakage([](const QDir& manual) {
        QFile::remove(manual.filePath("intro.html"));
        return mkfifo(QFile::encodeName(manual.filePath("intro.html")).constData(), 0600) == 0;
    }) << "intro.html" << true;
    QTest::newRow("a page of 30 MB") << Breakage([](const QDir& manual) {
        QFile out(manual.filePath("intro.html"));
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write("<html><body>") > 0 &&
               out.resize(30 * 1024 * 1024);
    }) << "intro.html" << true;
    QTest::newRow("10,000 tables nested")
        << write("intro.html", head + QByteArray("<table><td>").repeated(10000)) << "intro.html" << true;
    QTest::newRow("a list of 25,000 items")
        << write("intro.html", head + "<ul>" + QByteArray("<li>x").repeated(25000)) << "intro.html" << true;
    QTest::newRow("a missing page") << Breakage([](const QDir& manual) {
        return QFile::remove(manual.filePath("intro.html"));
    }) << "intro.html" << true;
    QTest::newRow("a picture linked to /dev/zero")
        << linkTo("images/day_count.png", "/dev/zero") << "day_count.html" << false;
    QTest::newRow("keywords.txt linked to /dev/zero") << linkTo("keywords.txt", "/dev/zero") << "intro.html" << false;
    QTest::newRow("contents.txt linked to /dev/zero") << linkTo("contents.txt", "/dev/zero") << "intro.html" << false;
}

void HelpWindowTest::brokenInstall()
{
    QFETCH(Breakage, breakage);
    QFETCH(QString, page);
    QFETCH(bool, broken);
    QTemporaryDir copy;
    const QDir manual(copy.path());
    for (QDirIterator it(kManual, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString from = it.next();
        const QString to = manual.filePath(QDir(kManual).relativeFilePath(from));
        QVERIFY(QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to));
    }
    QVERIFY(breakage(manual));

    HelpWindow window(manual.path());
    window.show();
    window.ShowPage(page);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString shown = window.Browser()->toPlainText();
    QCOMPARE(shown.contains(kBrokenPage), broken);
    QCOMPARE(shown.contains(page), broken);
    // The rest of the manual is still searched.
    QCOMPARE(window.Index().Search(QStringLiteral("閏年")).empty(), false);
    if (QTest::currentDataTag() == QLatin1String("intact")) {
        // The manual's own pages are all well inside the limits.
        for (const QString& name : manual.entryList({QStringLiteral("*.html")}))
            QVERIFY2(ReadManualPage(manual.filePath(name)).has_value(), qPrintable(name));
    }
}

void HelpWindowTest::usableBesideModalWindows_data()
{
    QTest::addColumn<QStringList>("steps");

    auto steps = [](const char* text) { return QString::fromUtf8(text).split(u','); };
    QTest::newRow("help during a report") << steps("report,help,type,minimise report,restore report,type,close,type");
    QTest::newRow("help before a report") << steps("help,report,type,close,type");
    QTest::newRow("help minimised when the report closes")
        << steps("report,help,minimise help,close,restore help,type");
    QTest::newRow("help minimised before a report") << steps("help,minimise help,report,restore help,type,close,type");
    QTest::newRow("a message box over the report") << steps("help,report,box,type,box closes,type,close,type");
    QTest::newRow("two reports") << steps("help,report,close,report,type,close,report,help,type");
}

void HelpWindowTest::usableBesideModalWindows()
{
    QFETCH(QStringList, steps);
    QWidget calculator;
    calculator.show();
    // As the platform's modal run shows the almanac window, and hides it when it closes.
    QMainWindow almanac;
    almanac.setWindowModality(Qt::ApplicationModal);
    QPointer<HelpWindow> help;
    std::unique_ptr<QMessageBox> box;
    QString typed;
    for (const QString& step : steps) {
        if (step == QLatin1String("report")) {
            almanac.show();
            QCOMPARE(QApplication::activeModalWidget(), &almanac);
        } else if (step == QLatin1String("close")) {
            almanac.hide();
        } else if (step == QLatin1String("help")) {
            PresentHelpWindow(help, kManual);
        } else if (step == QLatin1String("minimise report")) {
            almanac.showMinimized();
        } else if (step == QLatin1String("restore report")) {
            almanac.showNormal();
        } else if (step == QLatin1String("minimise help")) {
            help->showMinimized();
        } else if (step == QLatin1String("restore help")) {
            help->showNormal();
        } else if (step == QLatin1String("box")) {
            box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("警告"), QStringLiteral("?"),
                                                QMessageBox::Ok, &almanac);
            box->setWindowModality(Qt::ApplicationModal);
            box->show();
        } else if (step == QLatin1String("box closes")) {
            box->hide();
            box.reset();
        } else if (step == QLatin1String("type")) {
            // A window that a modal one blocks takes no key.
            help->Tabs()->setCurrentIndex(2);
            help->SearchEdit()->setFocus();
            const auto next = static_cast<int>(typed.size());
            QTest::keyClick(help->windowHandle(), static_cast<Qt::Key>(Qt::Key_A + next));
            typed += QChar(u'a' + next);
            QCOMPARE(help->SearchEdit()->text(), typed);
        }
        // The help is never closed or hidden by what the other windows do.
        QVERIFY2(help.isNull() || (help->isVisible() && help->isWindow()), qPrintable(step));
    }
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
    QVERIFY(folders.contains(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vadelon/no-such-manual"))));
    QStringList looked;
    for (const QString& folder : folders)
        looked << folder + QStringLiteral("/contents.txt");
    QCOMPARE(shown, QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(looked.join(QStringLiteral("、"))));
    QVERIFY(!shown.contains(u'\\'));
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
