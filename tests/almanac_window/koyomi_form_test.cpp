// The almanac window's layout, hints, editing commands with their enabling
// rule, the save question, the close request, and the end of the program
// asked for by a signal or by the desktop session.
#include "tests/almanac_window/koyomi_fixture.h"

#include "almanac_window/ending.h"
#include "platform/end_requests.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QEnterEvent>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolTip>
#include <algorithm>
#include <csignal>

using namespace vadelon;
using namespace vadelon::testing;

namespace {
const QString kTitle = QStringLiteral("西暦2000年（平成12年）1月1日のこよみ");
const QStringList kLines = {QStringLiteral("西暦2000年（平成12年）1月1日（土曜日）は"),
                            QStringLiteral("世界時１２時をもって、ユリウス日【2451545】日となる。"), QString(),
                            QStringLiteral("年干支は【庚辰】年九星は【九紫火星】")};
const QStringList kSelectionControls = {"Cut1",        "Cut2",    "ToolButton6", "Copy1",      "C1",
                                        "ToolButton7", "Delete1", "Delete2",     "ToolButton9"};
const QStringList kPasteControls = {"Paste1", "Paste2", "ToolButton8"};
}  // namespace

class KoyomiFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void init() { QGuiApplication::clipboard()->clear(); }

    void windowAtCreation();
    void menuItems_data();
    void menuItems();
    void toolButtons_data();
    void toolButtons();
    void hintsGoToTheSinkOnly();
    void rightClickOpensPopupMenu();
    void reportHandOver();
    void firstShowingCentredLaterKeepsPlace();
    void noteTooltipWithinTheWindow();

    void enablingAfterReport_data();
    void enablingAfterReport();
    void copyEnablesPaste();
    void editingCommands_data();
    void editingCommands();
    void deleteLeavesClipboard();
    void helpTopics();

    void closeAsksSaveQuestion_data();
    void closeAsksSaveQuestion();
    void closeAfterFailedSaveStaysOpen();
    void cancelThenSaveAsClosesWithoutQuestion();
    void exitWhenUnchangedClosesAtOnce();
    void endRequests_data();
    void endRequests();
    void sessionEnd_data();
    void sessionEnd();
};

void KoyomiFormTest::windowAtCreation()
{
    KoyomiFixture f;
    QCOMPARE(f.form->objectName(), QStringLiteral("KoyomiForm"));
    QCOMPARE(f.form->size(), QSize(470, 431));
    QVERIFY(f.form->windowTitle().isEmpty());
    QVERIFY(!f.form->windowIcon().isNull());
    QVERIFY(!f.form->isVisible());
    QCOMPARE(f.form->font().pixelSize(), 16);

    QPlainTextEdit* editor = f.form->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
    QCOMPARE(editor, f.editor());
    QCOMPARE(f.form->centralWidget(), editor);
    QCOMPARE(editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(editor->font().pixelSize(), 15);
    QCOMPARE(QFontInfo(editor->font()).family(), QStringLiteral("IPAGothic"));
    // Fixed pitch, on which the report's columns rely: kanji are two columns.
    const QFontMetricsF metrics(editor->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("暦")), 2 * metrics.horizontalAdvance(QLatin1Char('-')));
    QVERIFY(!editor->isReadOnly());
    QVERIFY(editor->toPlainText().isEmpty());
    QVERIFY(!f.modified());

    QToolBar* bar = f.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    QVERIFY(bar);
    QCOMPARE(bar->height(), 28);
    QStatusBar* status = f.form->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    QCOMPARE(f.form->statusBar(), status);
    QCOMPARE(status->height(), 19);
    QVERIFY(f.form->findChild<QMenuBar*>(QStringLiteral("MainMenu1")));
    QVERIFY(f.form->findChild<QMenu*>(QStringLiteral("PopupMenu1")));
    for (const char* gap : {"ToolButton1", "ToolButton5", "Label3"}) {
        QLabel* label = f.form->findChild<QLabel*>(QLatin1String(gap));
        QVERIFY2(label, gap);
        QCOMPARE(label->width(), 8);
        QVERIFY(label->text().isEmpty());
    }
    for (const QString& name : kSelectionControls + kPasteControls)
        QVERIFY2(f.enabled(name), qPrintable(name));
}

void KoyomiFormTest::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    const struct {
        const char *menu, *name, *caption, *hint;
    } rows[] = {
        {"File1", "Open1", "開く(&O)", "テキストファイルを開きます"},
        {"File1", "SaveAs1", "名前を付けて保存(&A)", "テキストファイルとして保存します"},
        {"File1", "N2", "", ""},
        {"File1", "Print1", "印刷(&P)", "テキストを印刷します"},
        {"File1", "N3", "", ""},
        {"File1", "Exit1", "終了(&X)", "ロザムを終了します"},
        {"Edit1", "Cut1", "切り取り(&T)", "選択範囲を切り取ります"},
        {"Edit1", "Copy1", "ｺﾋﾟｰ(&C)", "クリップポードにコピーします"},
        {"Edit1", "Paste1", "貼り付け(&P)", "クリップボードからテキストを貼り付けます"},
        {"Edit1", "Delete1", "削除(&D)", "選択範囲を削除します"},
        {"Edit1", "N4", "", ""},
        {"Edit1", "SelectAll1", "すべて選択(&A)", "テキストの全てを選択します"},
        {"Help1", "SearchforHelpOn1", "ﾄﾋﾟｯｸの検索(&S)...", "ヘルプトピックの検索ダイアログを表示します"},
        {"PopupMenu1", "Cut2", "切り取り(&T)", "選択範囲を切り取ります"},
        {"PopupMenu1", "C1", "コピー(&C)", "クリップポードにコピーします"},
        {"PopupMenu1", "Paste2", "貼り付け(&P)", "クリップボードからテキストを貼り付けます"},
        {"PopupMenu1", "Delete2", "削除(&D)", "選択範囲を削除します"},
        {"PopupMenu1", "N1", "", ""},
        {"PopupMenu1", "rw1", "すべて選択(&A)", "テキストの全てを選択します"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.menu << row.name << QString::fromUtf8(row.caption)
                                << QString::fromUtf8(row.hint);
}

void KoyomiFormTest::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    KoyomiFixture f;
    QMenu* parent = f.form->findChild<QMenu*>(menu);
    QVERIFY(parent);
    QAction* item = f.form->findChild<QAction*>(name);
    QVERIFY(item);
    QVERIFY(parent->actions().contains(item));
    QCOMPARE(item->isSeparator(), caption.isEmpty());
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->statusTip(), hint);
    QVERIFY(item->shortcuts().isEmpty());
    QVERIFY(item->isEnabled());

    // The menus' own order and captions.
    const QStringList menus = {"File1", "Edit1", "Help1"};
    const QStringList captions = {"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾍﾙﾌﾟ(&H)"};
    const QList<QAction*> top = f.form->menuBar()->actions();
    QCOMPARE(top.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(top[i]->menu()->objectName(), menus[i]);
        QCOMPARE(top[i]->text(), captions[i]);
    }
}

void KoyomiFormTest::toolButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("open") << "ToolButton2"
                          << "テキストファイルを開きます";
    QTest::newRow("save as") << "ToolButton3"
                             << "テキストファイルとして名前をつけて保存します";
    QTest::newRow("print") << "ToolButton4"
                           << "テキストを印刷します";
    QTest::newRow("cut") << "ToolButton6"
                         << "選択範囲を切り取ります";
    QTest::newRow("copy") << "ToolButton7"
                          << "クリップポードにコピーします";
    QTest::newRow("paste") << "ToolButton8"
                           << "クリップボードからテキストを貼り付けます";
    QTest::newRow("delete") << "ToolButton9"
                            << "選択範囲を削除します";
}

void KoyomiFormTest::toolButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    KoyomiFixture f;
    QToolButton* button = f.form->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->size(), QSize(23, 22));
    QCOMPARE(button->iconSize(), QSize(16, 16));
    QCOMPARE(button->icon().pixmap(16, 16).size(), QSize(16, 16));
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(button->toolTip(), hint);
    QCOMPARE(button->statusTip(), hint);

    // Left to right in the tool bar's order.
    const QStringList order = {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4", "ToolButton5",
                               "ToolButton6", "ToolButton7", "ToolButton8", "ToolButton9", "Label3"};
    f.form->show();
    QApplication::processEvents();
    int x = -1;
    for (const QString& control : order) {
        QWidget* widget = f.form->findChild<QWidget*>(control);
        QVERIFY2(widget->x() > x, qPrintable(control));
        x = widget->x();
    }
}

void KoyomiFormTest::hintsGoToTheSinkOnly()
{
    KoyomiFixture f;
    f.form->show();
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(f.button("ToolButton4"), &enter);
    f.action("Open1")->showStatusText(f.form->menuBar());  // as the menu bar's menu does
    f.action("Cut2")->showStatusText();                    // as the popup menu does
    QCOMPARE(f.hints, (QStringList{"テキストを印刷します", "テキストファイルを開きます", "選択範囲を切り取ります"}));
    QVERIFY(f.form->statusBar()->currentMessage().isEmpty());
}

void KoyomiFormTest::rightClickOpensPopupMenu()
{
    KoyomiFixture f;
    f.form->show();
    QMenu* popup = f.form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QVERIFY(!popup->isVisible());
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                            f.editor()->viewport()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(f.editor()->viewport(), &click);
    QVERIFY(popup->isVisible());
    popup->hide();
}

void KoyomiFormTest::reportHandOver()
{
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("old text"));
    bool checked = false;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        QCOMPARE(window, f.form.get());
        QVERIFY(window->isVisible());
        QCOMPARE(f.form->Text(), kLines.join(QLatin1Char('\n')));
        QCOMPARE(f.editor()->document()->blockCount(), kLines.size());
        QCOMPARE(f.form->windowTitle(), kTitle);
        QVERIFY(f.modified());
        QVERIFY(!f.editor()->textCursor().hasSelection());
        QCOMPARE(f.editor()->textCursor().position(), 0);  // the caret stays at the start
        QCOMPARE(f.form->focusWidget(), f.editor());
        QVERIFY(!f.editor()->isReadOnly());
        // Undo takes back what was typed, and never the report's lines.
        QTest::keyClicks(f.editor(), QStringLiteral("wxyz"));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(f.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.form->Text(), kLines.join(QLatin1Char('\n')));
        QVERIFY(!f.editor()->document()->isUndoAvailable());
        f.platform.saveAnswers.push_back(SaveAnswer::No);
        window->close();
        checked = true;
    });
    QVERIFY(checked);
    QCOMPARE(f.platform.modalRuns, 1);
    QVERIFY(!f.form->isVisible());

    // A report whose first line is empty keeps it.
    f.Report({QString(), QStringLiteral("x")}, kTitle);
    QCOMPARE(f.form->Text(), QStringLiteral("\nx"));
    f.form->ClearText();
    QVERIFY(!f.modified());
    QVERIFY(f.form->Text().isEmpty());
}

void KoyomiFormTest::firstShowingCentredLaterKeepsPlace()
{
    KoyomiFixture f;
    QPoint firstCentre;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        firstCentre = window->geometry().center();
        window->setGeometry(30, 40, 500, 300);
        window->hide();
    });
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // Centred as far as the window frame (unknown before the first showing) allows.
    QVERIFY2(std::abs(firstCentre.x() - screenCentre.x()) <= 4 && std::abs(firstCentre.y() - screenCentre.y()) <= 4,
             qPrintable(QStringLiteral("window centre %1,%2, screen centre %3,%4")
                            .arg(firstCentre.x())
                            .arg(firstCentre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
    QRect second;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        second = window->geometry();
        window->hide();
    });
    QCOMPARE(second, QRect(30, 40, 500, 300));
}

// The note's long form, a line of which is wider than the window, shows
// wrapped to the window's width, whatever that is now.
void KoyomiFormTest::noteTooltipWithinTheWindow()
{
    KoyomiFixture f;
    const QString line = QStringLiteral("この日の17時27分までは月干支【乙丑】・年干支【癸卯】・年九星【四緑木星】、"
                                        "それ以後は月干支【丙寅】・年干支【甲辰】・年九星【三碧木星】です。");
    f.form->SetReportNote(QStringLiteral("当日17:27 立春"), line + QLatin1Char('\n') + line + line);
    f.form->show();
    QLabel* note = f.form->findChild<QLabel*>(QStringLiteral("SolarTermNote"));
    for (const int width : {470, 700}) {
        f.form->resize(width, 431);
        QTRY_COMPARE(f.form->width(), width);
        QToolTip::showText(note->mapToGlobal(QPoint(0, 0)), note->toolTip(), note);
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = w;
        }
        QVERIFY(tip);
        QVERIFY2(tip->width() <= width && tip->width() > width - 60, qPrintable(QString::number(tip->width())));
        QToolTip::hideText();
    }
    f.form->hide();
}

void KoyomiFormTest::enablingAfterReport_data()
{
    QTest::addColumn<bool>("clipboardHasText");
    QTest::newRow("clipboard empty") << false;
    QTest::newRow("clipboard holds text") << true;
}

void KoyomiFormTest::enablingAfterReport()
{
    QFETCH(bool, clipboardHasText);
    KoyomiFixture f;
    if (clipboardHasText)
        QGuiApplication::clipboard()->setText(QStringLiteral("クリップ"));
    f.Report(kLines, kTitle, [&](QWidget*) {
        for (const QString& name : kSelectionControls)
            QVERIFY2(!f.enabled(name), qPrintable(name));
        for (const QString& name : kPasteControls)
            QCOMPARE(f.enabled(name), clipboardHasText);
        for (const char* always : {"Open1", "SaveAs1", "Print1", "Exit1", "SelectAll1", "rw1", "SearchforHelpOn1",
                                   "ToolButton2", "ToolButton3", "ToolButton4"})
            QVERIFY2(f.enabled(QLatin1String(always)), always);
        // A selection enables the nine; the caret alone disables them again.
        f.select(0, 2);
        for (const QString& name : kSelectionControls)
            QVERIFY2(f.enabled(name), qPrintable(name));
        f.select(3, 3);
        for (const QString& name : kSelectionControls)
            QVERIFY2(!f.enabled(name), qPrintable(name));
    });
}

void KoyomiFormTest::copyEnablesPaste()
{
    for (const char* copy : {"Copy1", "C1", "ToolButton7"}) {
        KoyomiFixture f;
        QGuiApplication::clipboard()->clear();
        f.Report(kLines, kTitle);
        for (const QString& name : kPasteControls)
            QVERIFY(!f.enabled(name));
        f.select(0, 2);
        f.press(QLatin1String(copy));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("西暦"));
        for (const QString& name : kPasteControls)
            QVERIFY2(f.enabled(name), copy);
    }
}

void KoyomiFormTest::editingCommands_data()
{
    // The editor holds "abcdef" with "bcd" selected and "XY" on the clipboard.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("selected");
    const struct {
        const char *control, *text, *clipboard, *selected;
    } rows[] = {
        {"Cut1", "aef", "bcd", ""},
        {"Cut2", "aef", "bcd", ""},
        {"ToolButton6", "aef", "bcd", ""},
        {"Copy1", "abcdef", "bcd", "bcd"},
        {"C1", "abcdef", "bcd", "bcd"},
        {"ToolButton7", "abcdef", "bcd", "bcd"},
        {"Paste1", "aXYef", "XY", ""},
        {"Paste2", "aXYef", "XY", ""},
        {"ToolButton8", "aXYef", "XY", ""},
        {"Delete1", "aef", "XY", ""},
        {"Delete2", "aef", "XY", ""},
        {"ToolButton9", "aef", "XY", ""},
        {"SelectAll1", "abcdef", "XY", "abcdef"},
        {"rw1", "abcdef", "XY", "abcdef"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.control) << row.control << row.text << row.clipboard << row.selected;
}

void KoyomiFormTest::editingCommands()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    QFETCH(QString, selected);
    KoyomiFixture f;
    QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
    f.Report({QStringLiteral("abcdef")}, kTitle, [&](QWidget*) {
        f.editor()->document()->setModified(false);
        f.select(1, 4);
        f.press(control);
        QCOMPARE(f.form->Text(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QCOMPARE(f.editor()->textCursor().selectedText(), selected);
        QCOMPARE(f.modified(), text != QStringLiteral("abcdef"));
        // The selection controls follow whatever selection is left.
        for (const QString& name : kSelectionControls)
            QCOMPARE(f.enabled(name), !selected.isEmpty());
    });
}

void KoyomiFormTest::deleteLeavesClipboard()
{
    KoyomiFixture f;
    QGuiApplication::clipboard()->clear();
    f.Report({QStringLiteral("abcdef")}, kTitle, [&](QWidget*) {
        f.select(0, 3);
        f.press(QStringLiteral("Delete1"));
        QCOMPARE(f.form->Text(), QStringLiteral("def"));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        for (const QString& name : kPasteControls)
            QVERIFY(!f.enabled(name));
        // Cut, Copy and Delete with no selection change nothing.
        f.editor()->document()->setModified(false);
        f.form->Cut1Click();
        f.form->Copy1Click();
        f.form->Delete1Click();
        f.form->Paste1Click();
        QCOMPARE(f.form->Text(), QStringLiteral("def"));
        QVERIFY(!f.modified());
    });
}

void KoyomiFormTest::helpTopics()
{
    KoyomiFixture f;
    f.press(QStringLiteral("SearchforHelpOn1"));
    QCOMPARE(f.platform.helpRequests, QStringList{kHelpFile});
}

void KoyomiFormTest::closeAsksSaveQuestion_data()
{
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<bool>("dialogConfirmed");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("modifiedAfter");
    QTest::addColumn<int>("saveDialogs");
    QTest::newRow("yes, dialog confirmed") << SaveAnswer::Yes << true << true << true << false << 1;
    QTest::newRow("yes, dialog cancelled") << SaveAnswer::Yes << false << false << false << true << 1;
    QTest::newRow("no") << SaveAnswer::No << false << true << false << true << 0;
    QTest::newRow("cancel") << SaveAnswer::Cancel << false << false << false << true << 0;
}

void KoyomiFormTest::closeAsksSaveQuestion()
{
    QFETCH(SaveAnswer, answer);
    QFETCH(bool, dialogConfirmed);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QFETCH(bool, modifiedAfter);
    QFETCH(int, saveDialogs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    KoyomiFixture f;
    f.platform.saveAnswers.push_back(answer);
    if (dialogConfirmed)
        f.platform.saveFileAnswers.push_back(path);
    bool stillOpen = false;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        f.press(QStringLiteral("Exit1"));
        stillOpen = window->isVisible();
    });
    QCOMPARE(stillOpen, !closed);
    QCOMPARE(f.platform.beeps, std::vector<BeepType>{BeepType::Exclamation});
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));
    QCOMPARE(f.platform.boxes[0].kind, ShownBox::SaveQuestion);
    QCOMPARE(f.platform.boxes[0].text,
             QStringLiteral("ﾌｧｲﾙ") + kTitle + QStringLiteral("の内容が変更されています。\n変更を保存しますか？"));
    QCOMPARE(f.platform.saveProposals.size(), saveDialogs);
    if (saveDialogs > 0)
        QCOMPARE(f.platform.saveProposals[0], kTitle + QStringLiteral(".txt"));
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(f.modified(), modifiedAfter);
    QCOMPARE(f.form->Text(), kLines.join(QLatin1Char('\n')));
}

void KoyomiFormTest::closeAfterFailedSaveStaysOpen()
{
    QTemporaryDir dir;
    KoyomiFixture f;
    f.platform.saveAnswers.push_back(SaveAnswer::Yes);
    f.platform.saveFileAnswers.push_back(dir.filePath(QStringLiteral("no/such/folder.txt")));
    bool stillOpen = false;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        window->close();
        stillOpen = window->isVisible();
    });
    QVERIFY(stillOpen);
    QVERIFY(f.modified());
    QCOMPARE(f.platform.MessageTexts().last(), QStringLiteral("ファイル %1 を作成できません（存在しないフォルダ）.")
                                                   .arg(dir.filePath(QStringLiteral("no/such/folder.txt"))));
}

void KoyomiFormTest::cancelThenSaveAsClosesWithoutQuestion()
{
    QTemporaryDir dir;
    KoyomiFixture f;
    f.platform.saveAnswers.push_back(SaveAnswer::Cancel);
    f.platform.saveFileAnswers.push_back(dir.filePath(QStringLiteral("kept.txt")));
    bool openAfterCancel = false;
    bool openAfterSave = true;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        window->close();
        openAfterCancel = window->isVisible();
        f.press(QStringLiteral("ToolButton3"));
        window->close();
        openAfterSave = window->isVisible();
    });
    QVERIFY(openAfterCancel);
    QVERIFY(!openAfterSave);
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));  // the one question
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("kept.txt"))));
}

void KoyomiFormTest::exitWhenUnchangedClosesAtOnce()
{
    KoyomiFixture f;
    bool stillOpen = true;
    f.Report(kLines, kTitle, [&](QWidget* window) {
        f.editor()->document()->setModified(false);
        f.press(QStringLiteral("Exit1"));
        stillOpen = window->isVisible();
    });
    QVERIFY(!stillOpen);
    QVERIFY(f.platform.boxes.empty());
    QVERIFY(f.platform.beeps.empty());
}

namespace {
int SaveQuestions(const ScriptedPlatform& platform)
{
    return int(std::count_if(platform.boxes.begin(), platform.boxes.end(),
                             [](const ShownBox& box) { return box.kind == ShownBox::SaveQuestion; }));
}
}  // namespace

void KoyomiFormTest::endRequests_data()
{
    // The almanac window shown (modally) or hidden with its text changed or
    // not; SIGTERMs sent, while another dialog is open or not; the answer to
    // the save question. Then what was asked and which windows stayed open.
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("dialogOpen");
    QTest::addColumn<int>("requests");
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("unchanged text") << true << false << false << 1 << SaveAnswer::Cancel << 0 << false;
    QTest::newRow("changed, キャンセル") << true << true << false << 1 << SaveAnswer::Cancel << 1 << true;
    QTest::newRow("changed, いいえ") << true << true << false << 1 << SaveAnswer::No << 1 << false;
    QTest::newRow("changed, window hidden") << false << true << false << 1 << SaveAnswer::Cancel << 0 << false;
    QTest::newRow("two while a dialog is open") << true << true << true << 2 << SaveAnswer::Cancel << 1 << true;
    // Nothing at stake: the dialog (the about box, the era question) is put
    // away and the program ends at once.
    QTest::newRow("unchanged, dialog open") << true << false << true << 1 << SaveAnswer::Cancel << 0 << false;
    QTest::newRow("window hidden, dialog open") << false << true << true << 1 << SaveAnswer::Cancel << 0 << false;
}

void KoyomiFormTest::endRequests()
{
    QFETCH(bool, shown);
    QFETCH(bool, changed);
    QFETCH(bool, dialogOpen);
    QFETCH(int, requests);
    QFETCH(SaveAnswer, answer);
    QFETCH(int, questions);
    QFETCH(bool, staysOpen);
    KoyomiFixture f;
    QWidget main;
    main.setAttribute(Qt::WA_QuitOnClose, false);
    main.show();
    EndRequests endRequests;
    Ending ending(endRequests, main, *f.form);
    f.form->AppendLine(QStringLiteral("text"));
    f.editor()->document()->setModified(changed);
    f.platform.saveAnswers.push_back(answer);
    if (shown) {
        f.form->setWindowModality(Qt::ApplicationModal);
        f.form->show();
    }
    QDialog dialog;
    if (dialogOpen) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);
    }
    for (int i = 0; i < requests; ++i) {
        raise(SIGTERM);
        QTest::qWait(300);  // the request arrives; an open dialog holds it back
    }
    if (dialogOpen && shown && changed) {
        QCOMPARE(SaveQuestions(f.platform), 0);
        QVERIFY(main.isVisible());
        dialog.close();
    } else if (dialogOpen) {
        QVERIFY(!dialog.isVisible());
        QVERIFY(!main.isVisible());
    }
    QTRY_COMPARE(main.isVisible(), staysOpen);
    QTest::qWait(500);  // nothing more comes of them
    QCOMPARE(SaveQuestions(f.platform), questions);
    QCOMPARE(main.isVisible(), staysOpen);
    QCOMPARE(f.form->isVisible(), shown && staysOpen);
    QCOMPARE(f.modified(), changed);
}

void KoyomiFormTest::sessionEnd_data()
{
    // The almanac window shown or not, its text changed or not, whether the
    // session manager lets the program ask, the answers to the save question
    // and to the save dialog. Then whether the session may end, the questions
    // asked and whether the text was saved.
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("mayAsk");
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<bool>("saveConfirmed");
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<int>("questions");
    QTest::newRow("unchanged") << true << false << true << SaveAnswer::Cancel << false << true << 0;
    QTest::newRow("changed, hidden") << false << true << true << SaveAnswer::Cancel << false << true << 0;
    QTest::newRow("changed, no asking allowed") << true << true << false << SaveAnswer::Yes << true << false << 0;
    QTest::newRow("changed, はい, saved") << true << true << true << SaveAnswer::Yes << true << true << 1;
    QTest::newRow("changed, はい, dialog cancelled") << true << true << true << SaveAnswer::Yes << false << false << 1;
    QTest::newRow("changed, いいえ") << true << true << true << SaveAnswer::No << false << true << 1;
    QTest::newRow("changed, キャンセル") << true << true << true << SaveAnswer::Cancel << false << false << 1;
}

void KoyomiFormTest::sessionEnd()
{
    QFETCH(bool, shown);
    QFETCH(bool, changed);
    QFETCH(bool, mayAsk);
    QFETCH(SaveAnswer, answer);
    QFETCH(bool, saveConfirmed);
    QFETCH(bool, mayEnd);
    QFETCH(int, questions);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    KoyomiFixture f;
    QWidget main;
    EndRequests endRequests;
    Ending ending(endRequests, main, *f.form);
    f.form->AppendLine(QStringLiteral("text"));
    f.editor()->document()->setModified(changed);
    if (shown)
        f.form->show();
    f.platform.saveAnswers.push_back(answer);
    if (saveConfirmed)
        f.platform.saveFileAnswers.push_back(path);
    QCOMPARE(ending.SessionMayEnd(mayAsk), mayEnd);
    QCOMPARE(SaveQuestions(f.platform), questions);
    const bool saved = questions == 1 && answer == SaveAnswer::Yes && saveConfirmed;
    QCOMPARE(QFile::exists(path), saved);
    QCOMPARE(f.modified(), changed && !saved);
    QVERIFY(f.form->isVisible() == shown);  // the session's end closes nothing itself
}

QTEST_MAIN(KoyomiFormTest)
#include "koyomi_form_test.moc"
