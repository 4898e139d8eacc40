// Open, Save As and Print of the almanac window, and the report of the
// calendar core saved byte for byte.
#include "tests/almanac_window/koyomi_fixture.h"

#include "almanac_window/print_text.h"
#include "almanac_window/text_file.h"
#include "calendar/days/almanac.h"
#include "platform/qt_platform.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vadelon;
using namespace vadelon::testing;

namespace {

const QString kTitle = QStringLiteral("西暦2000年（平成12年）1月1日のこよみ");

// The report for 2000-01-01 as the calculator's upper panel shows it.
AlmanacReport Report2000()
{
    return ComposeAlmanacReport({2000, 1, 1}, {"2000", "平成", "12", "1", "1", "（土曜日）"});
}

void FillWithReport(KoyomiFixture& f, const AlmanacReport& report)
{
    f.form->ClearText();
    for (const std::string& line : report.lines)
        f.form->AppendLine(QString::fromStdString(line));
    f.form->SetCaption(QString::fromStdString(report.caption));
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// A field of pdfinfo's report ("Pages", "Title").
QString PdfInfo(const QString& path, const QString& field)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished(30000))
        return QStringLiteral("<pdfinfo failed>");
    const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = re.match(out);
    return match.hasMatch() ? match.captured(1).trimmed() : QStringLiteral("<no %1>").arg(field);
}

// The output of a poppler tool run on a PDF.
QString PopplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

enum class Fault { FileSizeLimit, FullTmpfs };
enum class SaveBy { SaveAs, ExitQuestion };

// What a failed save left in the window of the process that tried it.
struct SaveOutcome {
    bool modified = false;
    bool open = false;
    bool oneErrorBox = false;  // the expected error and nothing else
    int questions = 0;         // save questions asked, the last one after the failure
};

// Runs the report of 2000-01-01 in a child process, saves it to target the
// given way, then asks to close once more (answered キャンセル). With
// fileSizeLimit set, the child may write files only up to that many bytes;
// SIGXFSZ keeps its default there, which ends the process unless the program
// ignores it. The child tells its outcome by its exit status.
std::optional<SaveOutcome> SaveInChild(const QString& target, SaveBy by, std::optional<rlim_t> fileSizeLimit,
                                       const QString& expectedError)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (fileSizeLimit) {
            signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{*fileSizeLimit, *fileSizeLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(127);
        }
        KoyomiFixture f;
        FillWithReport(f, Report2000());
        if (by == SaveBy::ExitQuestion)
            f.platform.saveAnswers.push_back(SaveAnswer::Yes);
        f.platform.saveAnswers.push_back(SaveAnswer::Cancel);
        f.platform.saveFileAnswers.push_back(target);
        bool open = false;
        f.platform.modalHandlers.push_back([&](QWidget* window) {
            f.press(by == SaveBy::SaveAs ? QStringLiteral("SaveAs1") : QStringLiteral("Exit1"));
            f.press(QStringLiteral("Exit1"));
            open = window->isVisible();
        });
        f.form->ShowModal();
        int questions = 0;
        QStringList errors;
        for (const ShownBox& box : f.platform.boxes) {
            questions += box.kind == ShownBox::SaveQuestion ? 1 : 0;
            if (box.kind == ShownBox::Error)
                errors << box.text;
        }
        const bool oneErrorBox = errors == QStringList{expectedError};
        _exit(int(f.modified()) | int(open) << 1 | int(oneErrorBox) << 2 | std::min(questions, 7) << 3);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 127)
        return std::nullopt;
    const int bits = WEXITSTATUS(status);
    return SaveOutcome{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, bits >> 3};
}

// A 64 KiB tmpfs over the folder (read-only with MS_RDONLY), unmounted
// again when it goes.
struct SmallTmpfs {
    QString path;
    bool mounted = false;
    explicit SmallTmpfs(const QString& folder, unsigned long flags = 0)
        : path(folder)
    {
        mounted = mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", flags, "size=64k") == 0;
    }
    ~SmallTmpfs()
    {
        if (mounted)
            umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
};

}  // namespace

class KoyomiFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }

    void reportOf2000ThroughTheWindow();
    void savedReportBytes();
    void openAsksFirstWhenChanged_data();
    void openAsksFirstWhenChanged();
    void openWhenUnchangedAsksNothing();
    void openSetsCaptionAndClearsFlag();
    void openOfMissingFile();
    void openDialogStartsWithLastName();
    void proposedNames();
    void saveAsReplacesAndKeepsCaption();
    void saveDialogAsksBeforeReplacing();
    void saveAsCancelledKeepsFlag();
    void saveTargets_data();
    void saveTargets();
    void codePageThroughSaveAndOpen_data();
    void codePageThroughSaveAndOpen();
    void openDialogReadsNoFile();
    void saveAsRefusesUnencodableText();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void roundTripKeepsEveryByte();
    void opensUtf8File();
    void opensBinaryFile();
    void opensTooLargeFileWithMessage();

    void jobName_data();
    void jobName();
    void printWithoutPrinter();
    void printsReport();
    void printsEmptyTextAsOneBlankPage();
    void printsLongTextOnSeveralPages();
};

void KoyomiFileCommandsTest::reportOf2000ThroughTheWindow()
{
    KoyomiFixture f;
    FillWithReport(f, Report2000());
    const QStringList lines = f.form->Text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 17);  // the three adoption lines are left out
    QCOMPARE(lines[0], QStringLiteral("西暦2000年（平成12年）1月1日（土曜日）は"));
    QCOMPARE(lines[1], QStringLiteral("世界時１２時をもって、ユリウス日【2451545】日となる。"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], QStringLiteral("年干支は【庚辰】年九星は【九紫火星】"));
    QCOMPARE(lines[4], QStringLiteral("月干支は【丁丑】"));
    QCOMPARE(lines[5], QStringLiteral("日干支は【戊午】"));
    QCOMPARE(lines[6], QString());
    QCOMPARE(lines[7], QStringLiteral("-----------------------＜注意！＞-----------------------"));
    QCOMPARE(lines[8], QStringLiteral("※年干支九星は一年の始まりを１月１日として算出しています。"));
    QCOMPARE(lines[11], QStringLiteral("　立春より前の場合、年干支は【己卯】となります。"));
    QCOMPARE(lines[12], QStringLiteral("　同様に、年九星は【一白水星】となります。"));
    QCOMPARE(lines[14], QStringLiteral("　1月の節入りは、小寒（１月６日頃）です。"));
    QCOMPARE(lines[15], QStringLiteral("　節入り前の場合は前月の月干支【丙子】を使用して下さい。"));
    QCOMPARE(lines[16], QStringLiteral("※節入りの正確な日時は、別に暦などでお調べ下さい。"));
    QCOMPARE(f.form->Caption(), kTitle);
    QVERIFY(f.modified());
}

void KoyomiFileCommandsTest::savedReportBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("koyomi.txt"));
    KoyomiFixture f;
    FillWithReport(f, Report2000());
    f.platform.saveFileAnswers.push_back(path);
    f.press(QStringLiteral("SaveAs1"));
    QCOMPARE(f.platform.saveProposals, QStringList{kTitle + QStringLiteral(".txt")});
    QVERIFY(!f.modified());

    const QByteArray bytes = FileBytes(path);
    // 西暦2000年（平成12年）1月1日（土曜日）は, in Shift-JIS, no BOM before it.
    // clang-format off
    const QByteArray line1("\x90\xBC\x97\xEF" "2000" "\x94\x4E\x81\x69\x95\xBD\x90\xAC" "12" "\x94\x4E\x81\x6A"
                           "1" "\x8C\x8E" "1" "\x93\xFA\x81\x69\x93\x79\x97\x6A\x93\xFA\x81\x6A\x82\xCD" "\r\n");
    // clang-format on
    QVERIFY(bytes.startsWith(line1));
    const QByteArray dashes(23, '-');
    QVERIFY(bytes.contains("\r\n\r\n" + dashes + "\x81\x83\x92\x8D\x88\xD3\x81\x49\x81\x84" + dashes + "\r\n"));
    QCOMPARE(bytes.count("\r\n"), 17);
    QCOMPARE(bytes.count('\n'), 17);
    QCOMPARE(bytes.count('\r'), 17);
    QVERIFY(bytes.endsWith("\x82\xB3\x82\xA2\x81\x42\r\n"));  // …下さい。
    const AlmanacReport report = Report2000();
    QStringList expected;
    for (const std::string& line : report.lines)
        expected << QString::fromStdString(line);
    QCOMPARE(DecodeTextFileBytes(bytes), expected.join(QLatin1Char('\n')));
}

void KoyomiFileCommandsTest::openAsksFirstWhenChanged_data()
{
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<bool>("saveConfirmed");
    QTest::addColumn<bool>("openConfirmed");
    QTest::addColumn<int>("openDialogs");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("cancel") << SaveAnswer::Cancel << false << true << 0 << false;
    QTest::newRow("no, open cancelled") << SaveAnswer::No << false << false << 1 << false;
    QTest::newRow("no, open confirmed") << SaveAnswer::No << false << true << 1 << true;
    QTest::newRow("yes, saved, open confirmed") << SaveAnswer::Yes << true << true << 1 << true;
    QTest::newRow("yes, save dialog cancelled") << SaveAnswer::Yes << false << true << 0 << false;
}

void KoyomiFileCommandsTest::openAsksFirstWhenChanged()
{
    QFETCH(SaveAnswer, answer);
    QFETCH(bool, saveConfirmed);
    QFETCH(bool, openConfirmed);
    QFETCH(int, openDialogs);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.txt"));
    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    QVERIFY(WriteBytes(source, "opened\r\n"));
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("changed"));
    f.form->SetCaption(kTitle);
    f.platform.saveAnswers.push_back(answer);
    if (saveConfirmed)
        f.platform.saveFileAnswers.push_back(saved);
    if (openConfirmed)
        f.platform.openAnswers.push_back(source);

    f.press(QStringLiteral("ToolButton2"));
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));
    QCOMPARE(f.platform.boxes[0].kind, ShownBox::SaveQuestion);
    QCOMPARE(f.platform.openProposals.size(), openDialogs);
    QCOMPARE(QFile::exists(saved), saveConfirmed);
    if (saveConfirmed)
        QCOMPARE(FileBytes(saved), QByteArray("changed\r\n"));
    QCOMPARE(f.form->Text(), replaced ? QStringLiteral("opened") : QStringLiteral("changed"));
    QCOMPARE(f.form->Caption(), replaced ? source : kTitle);
    QCOMPARE(f.modified(), !replaced);
}

void KoyomiFileCommandsTest::openWhenUnchangedAsksNothing()
{
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("x"));
    f.platform.saveAnswers.push_back(SaveAnswer::Cancel);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.platform.openProposals.size(), 0);
    f.editor()->document()->setModified(false);
    f.press(QStringLiteral("Open1"));  // the last answer was キャンセル; no question now
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));
    QCOMPARE(f.platform.openProposals.size(), 1);
}

void KoyomiFileCommandsTest::openSetsCaptionAndClearsFlag()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(WriteBytes(path, "\x82\xA0\r\nb\r\n"));
    KoyomiFixture f;
    f.editor()->setReadOnly(true);
    f.form->SetReportNote(QStringLiteral("小寒"), QStringLiteral("小寒は…"));
    f.platform.openAnswers.push_back(path);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.form->ReportNote(), QString());
    QCOMPARE(f.form->Caption(), path);
    QCOMPARE(f.form->windowTitle(), path);
    QCOMPARE(f.form->Text(), QStringLiteral("あ\nb"));
    QVERIFY(!f.modified());
    QVERIFY(!f.editor()->isReadOnly());
    QVERIFY(f.platform.boxes.empty());
}

void KoyomiFileCommandsTest::openOfMissingFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("previous"));
    f.form->SetCaption(kTitle);
    f.form->SetReportNote(QStringLiteral("小寒"), QString());
    f.editor()->document()->setModified(false);
    f.platform.openAnswers.push_back(missing);
    f.press(QStringLiteral("ToolButton2"));
    QCOMPARE(f.form->ReportNote(), QStringLiteral("小寒"));
    QCOMPARE(f.form->Caption(), kTitle);
    QCOMPARE(f.form->windowTitle(), kTitle);
    QCOMPARE(f.form->Text(), QStringLiteral("previous"));
    QVERIFY(!f.modified());
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));
    QCOMPARE(f.platform.boxes[0].kind, ShownBox::Error);
    QCOMPARE(f.platform.boxes[0].text,
             QStringLiteral("ファイル %1 は開けません。理由は「存在しないファイル」です.").arg(missing));
}

void KoyomiFileCommandsTest::openDialogStartsWithLastName()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.txt"));
    QVERIFY(WriteBytes(first, "1"));
    KoyomiFixture f;
    f.platform.openAnswers.push_back(first);
    f.platform.openAnswers.push_back(std::nullopt);
    f.press(QStringLiteral("Open1"));
    f.press(QStringLiteral("Open1"));
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.platform.openProposals, (QStringList{QString(), first, first}));
}

void KoyomiFileCommandsTest::proposedNames()
{
    QTemporaryDir dir;
    // An opened file's name already ends in ".txt", in whatever case.
    const QString a = dir.filePath(QStringLiteral("a.Txt"));
    QVERIFY(WriteBytes(a, "a"));
    KoyomiFixture f;
    f.Report({QStringLiteral("x")}, kTitle);
    f.press(QStringLiteral("SaveAs1"));
    f.platform.openAnswers.push_back(a);
    f.platform.saveAnswers.push_back(SaveAnswer::No);
    f.press(QStringLiteral("Open1"));
    f.press(QStringLiteral("ToolButton3"));
    f.form->AppendLine(QStringLiteral("changed"));
    f.press(QStringLiteral("Exit1"));  // save question, scripted キャンセル
    f.platform.saveAnswers.push_back(SaveAnswer::Yes);
    f.press(QStringLiteral("Exit1"));  // はい: the save dialog, cancelled
    QCOMPARE(f.platform.saveProposals, (QStringList{kTitle + QStringLiteral(".txt"), a, a}));
    QCOMPARE(f.platform.boxes.back().text,
             QStringLiteral("ﾌｧｲﾙ") + a + QStringLiteral("の内容が変更されています。\n変更を保存しますか？"));
}

void KoyomiFileCommandsTest::saveAsReplacesAndKeepsCaption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("existing"));
    QVERIFY(WriteBytes(path, "old contents that are longer\r\n"));
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("new"));
    f.form->SetCaption(kTitle);
    f.editor()->document()->setModified(false);  // Save As also saves an unchanged text
    f.platform.saveFileAnswers.push_back(path);
    f.press(QStringLiteral("ToolButton3"));
    QCOMPARE(FileBytes(path), QByteArray("new\r\n"));
    QCOMPARE(f.form->Caption(), kTitle);
    QVERIFY(!f.modified());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("existing")});
}

void KoyomiFileCommandsTest::saveDialogAsksBeforeReplacing()
{
    // The desktop's save dialog: confirming the name of an existing file (here
    // the proposed one) asks first; answering no keeps the dialog open and the
    // file as it was.
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("existing.txt"));
    QVERIFY(WriteBytes(existing, "keep\r\n"));
    QtPlatform platform;
    enum { Naming, Confirming, Asked, Done } step = Naming;
    QString question, dateShown, sizeShown;
    QStringList filters;
    QTimer driver;
    driver.setInterval(20);
    connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            box->reject();  // like Esc: do not replace
            step = Asked;
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (step == Naming) {
                // The dialog's dates and sizes in Japanese, once it has read the folder.
                const auto* files = qobject_cast<const QFileSystemModel*>(dialog->proxyModel()->sourceModel());
                const QModelIndex date = dialog->proxyModel()->mapFromSource(files->index(existing, 3));
                dateShown = date.data().toString();
                sizeShown = dialog->proxyModel()->mapFromSource(files->index(existing, 1)).data().toString();
                if (dateShown.isEmpty())
                    return;
                step = Confirming;
                filters = dialog->nameFilters();
                // The Save button, once this tick is over: the question runs a
                // loop of its own, in which this timer must fire again.
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (step == Asked) {
                step = Done;
                dialog->reject();
            }
        }
    });
    driver.start();
    const std::optional<QString> chosen = platform.GetSaveFileName(nullptr, existing, kTextFileFilter);
    driver.stop();
    QVERIFY2(step == Done,
             qPrintable(
                 QStringLiteral("step %1, chosen %2").arg(int(step)).arg(chosen.value_or(QStringLiteral("nothing")))));
    QVERIFY(!question.isEmpty());
    QVERIFY2(question.contains(QStringLiteral("existing.txt")), qPrintable(question));
    QVERIFY(!chosen);
    QCOMPARE(FileBytes(existing), QByteArray("keep\r\n"));
    QCOMPARE(filters,
             (QStringList{QStringLiteral("テキストファイル (*.txt)"), QStringLiteral("すべてのファイル (*.*)")}));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{1,2}:\\d{2}$")).match(dateShown).hasMatch(),
             qPrintable(dateShown));
    QCOMPARE(sizeShown, QStringLiteral("6 バイト"));
}

void KoyomiFileCommandsTest::saveAsCancelledKeepsFlag()
{
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("x"));
    f.press(QStringLiteral("SaveAs1"));
    QVERIFY(f.modified());
    QCOMPARE(f.platform.saveProposals, QStringList{QStringLiteral(".txt")});
    QVERIFY(f.platform.boxes.empty());
}

enum class Target {
    NewName,
    RegularFile,
    LongName,
    LinkToFile,
    Fifo,
    CharDevice,
    Folder,
    BelowAFile,
    ReadOnly,
    ReadOnlyFile,   // the user's own, mode 0444
    RootsFile,      // root's, mode 0644
    GroupWritable,  // root's, in the user's group, mode 0664
    TwoNames,       // a hard link beside it
    LockedFolder,   // the user's, in root's folder
    OthersFile      // the user's, saved by root
};

namespace {

// The kind of what the name stands for (S_IFREG, S_IFIFO, …), 0 for nothing.
mode_t KindOf(const QString& path)
{
    struct stat st { };
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

QStringList EverythingIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// An ordinary user (Debian's nobody), whom a test run as root becomes in a
// child process for the saves that ask whether the user may write.
constexpr uid_t kUser = 65534;

struct SaveResult {
    bool modified = false;
    QStringList messages;
};

// "new" saved with Save As onto path, in this process or as kUser.
std::optional<SaveResult> SaveNew(const QString& path, bool asUser)
{
    const auto save = [&] {
        KoyomiFixture f;
        f.form->AppendLine(QStringLiteral("new"));
        f.platform.saveFileAnswers.push_back(path);
        f.press(QStringLiteral("SaveAs1"));
        return SaveResult{f.modified(), f.platform.MessageTexts()};
    };
    if (!asUser)
        return save();
    int ends[2];
    if (pipe(ends) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        if (setgroups(0, nullptr) != 0 || setgid(kUser) != 0 || setuid(kUser) != 0)
            _exit(127);
        const SaveResult result = save();
        const QByteArray messages = result.messages.join(QLatin1Char('\n')).toUtf8();
        const bool told = write(ends[1], messages.constData(), std::size_t(messages.size())) == messages.size();
        _exit(told ? int(result.modified) : 127);
    }
    close(ends[1]);
    QByteArray messages;
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        messages.append(buffer, n);
    close(ends[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    const QString text = QString::fromUtf8(messages);
    return SaveResult{WEXITSTATUS(status) == 1, text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'))};
}

struct Owner {
    uid_t uid = 0;
    gid_t gid = 0;
    nlink_t links = 0;
    bool operator==(const Owner&) const = default;
};

Owner OwnerOf(const QString& path)
{
    struct stat st { };
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? Owner{st.st_uid, st.st_gid, st.st_nlink} : Owner{};
}

}  // namespace

void KoyomiFileCommandsTest::saveTargets_data()
{
    // What Save As meets under the chosen name, and the reason it refuses
    // with (empty: it writes).
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("new name") << Target::NewName << QString();
    QTest::newRow("regular file") << Target::RegularFile << QString();
    QTest::newRow("regular file, 255-byte name") << Target::LongName << QString();
    QTest::newRow("link to a regular file") << Target::LinkToFile << QString();
    QTest::newRow("fifo") << Target::Fifo << QStringLiteral("装置などの特殊ファイル");
    QTest::newRow("character device") << Target::CharDevice << QStringLiteral("装置などの特殊ファイル");
    QTest::newRow("folder") << Target::Folder << QStringLiteral("フォルダ");
    QTest::newRow("below a regular file") << Target::BelowAFile << QStringLiteral("フォルダでない途中の名前");
    QTest::newRow("read-only file system") << Target::ReadOnly << QStringLiteral("書き込み禁止");
    // Whose the file is and how many names it has: a rename needs only the
    // folder's leave, and would hand the file to the saver or part its names.
    QTest::newRow("read-only file, as a user") << Target::ReadOnlyFile << QStringLiteral("書き込み禁止");
    QTest::newRow("root's file, as a user") << Target::RootsFile << QStringLiteral("書き込み禁止");
    QTest::newRow("root's file the group may write, as a user") << Target::GroupWritable << QString();
    QTest::newRow("file of two names") << Target::TwoNames << QString();
    QTest::newRow("own file in a folder the user may not write") << Target::LockedFolder << QString();
    QTest::newRow("a user's file, as root") << Target::OthersFile << QString();
}

void KoyomiFileCommandsTest::saveTargets()
{
    QFETCH(Target, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QByteArray old("old\r\n");
    QString path = dir.filePath(QStringLiteral("report.txt"));
    QString contents = path;  // where the text lands
    int holder = -1;          // keeps a FIFO open, so that opening it never blocks
    std::optional<SmallTmpfs> tmpfs;
    const bool root = geteuid() == 0;
    const bool asUser = target == Target::ReadOnlyFile || target == Target::RootsFile ||
                        target == Target::GroupWritable || target == Target::LockedFolder;
    if ((asUser || target == Target::OthersFile) && !root)
        QSKIP("another user's file needs root");
    const QString otherName = dir.filePath(QStringLiteral("other name.txt"));
    switch (target) {
    case Target::NewName: break;
    case Target::RegularFile: QVERIFY(WriteBytes(path, old)); break;
    case Target::LongName:
        path = contents = dir.filePath(QString(NAME_MAX - 4, QLatin1Char('a')) + QStringLiteral(".txt"));
        QVERIFY(WriteBytes(path, old));
        break;
    case Target::LinkToFile:
        contents = dir.filePath(QStringLiteral("real.txt"));
        QVERIFY(WriteBytes(contents, old));
        QVERIFY(QFile::link(contents, path));
        break;
    case Target::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        holder = open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
        break;
    case Target::CharDevice:
        if (!root)
            QSKIP("mknod needs root");
        // The numbers of /dev/full: a write into the node itself would fail.
        QCOMPARE(mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
        break;
    case Target::Folder: QVERIFY(QDir().mkdir(path)); break;
    case Target::BelowAFile:
        QVERIFY(WriteBytes(dir.filePath(QStringLiteral("plain")), old));
        path = dir.filePath(QStringLiteral("plain/report.txt"));
        break;
    case Target::ReadOnly:
        if (!root)
            QSKIP("mounting a tmpfs needs root");
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("ro"))));
        tmpfs.emplace(dir.filePath(QStringLiteral("ro")), MS_RDONLY);
        if (!tmpfs->mounted)
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(qt_error_string(errno))));
        path = dir.filePath(QStringLiteral("ro/report.txt"));
        break;
    case Target::ReadOnlyFile:
    case Target::RootsFile:
    case Target::GroupWritable:
    case Target::LockedFolder:
    case Target::OthersFile: QVERIFY(WriteBytes(path, old)); break;
    case Target::TwoNames:
        QVERIFY(WriteBytes(path, old));
        QCOMPARE(link(QFile::encodeName(path).constData(), QFile::encodeName(otherName).constData()), 0);
        break;
    }
    if (KindOf(contents) == S_IFREG)
        QVERIFY(QFile::setPermissions(contents, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QByteArray name = QFile::encodeName(path);
    switch (target) {
    case Target::ReadOnlyFile:
        QCOMPARE(chown(name.constData(), kUser, kUser), 0);
        QCOMPARE(chmod(name.constData(), 0444), 0);
        break;
    case Target::GroupWritable:
        QCOMPARE(chown(name.constData(), 0, kUser), 0);
        QCOMPARE(chmod(name.constData(), 0664), 0);
        break;
    case Target::LockedFolder:
    case Target::OthersFile: QCOMPARE(chown(name.constData(), kUser, kUser), 0); break;
    default: break;
    }
    if (asUser && target != Target::LockedFolder)
        QCOMPARE(chown(QFile::encodeName(dir.path()).constData(), kUser, kUser), 0);
    else if (target == Target::LockedFolder)
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const Owner owner = OwnerOf(contents);
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList before = EverythingIn(folder);
    const mode_t kind = KindOf(path);
    const QFile::Permissions permissions = QFile::permissions(contents);

    const std::optional<SaveResult> saved = SaveNew(path, asUser);
    if (holder >= 0)
        close(holder);

    QVERIFY(saved);
    QCOMPARE(KindOf(path), reason.isEmpty() && kind == 0 ? S_IFREG : kind);
    QCOMPARE(saved->modified, !reason.isEmpty());
    if (reason.isEmpty()) {
        QCOMPARE(saved->messages, QStringList());
        QCOMPARE(FileBytes(contents), QByteArray("new\r\n"));
        if (kind != 0)
            QCOMPARE(QFile::permissions(contents), permissions);
    } else {
        QCOMPARE(saved->messages, QStringList{QStringLiteral("ファイル %1 を作成できません（%2）.").arg(path, reason)});
        if (kind == S_IFREG)
            QCOMPARE(FileBytes(contents), old);
    }
    // Owner, group and names as they were.
    if (kind == S_IFREG)
        QCOMPARE(OwnerOf(contents), owner);
    if (target == Target::TwoNames)
        QCOMPARE(FileBytes(otherName), QByteArray("new\r\n"));
    // Nothing left behind, nothing replaced but the file itself.
    QStringList after = before;
    if (reason.isEmpty() && kind == 0) {
        after << QFileInfo(path).fileName();
        after.sort();
    }
    QCOMPARE(EverythingIn(folder), after);
}

void KoyomiFileCommandsTest::codePageThroughSaveAndOpen_data()
{
    // The JIS forms that input methods type, an NEC extension, a half-width
    // kana, and one that iconv writes but that would read back as another
    // character (¥ as 0x5C, which reads as a backslash).
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("written");
    for (const char16_t c :
         {u'\u301C', u'\u2016', u'\u2212', u'\u2014', u'\u00A2', u'\u00A3', u'\u00AC', u'\u2460', u'\uFF71'})
        QTest::newRow(qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'))))
            << QString(QChar(c)) << true;
    QTest::newRow("U+00A5, refused") << QStringLiteral("\u00A5") << false;
}

void KoyomiFileCommandsTest::codePageThroughSaveAndOpen()
{
    // Saved through Save As and opened again, against glibc's iconv for CP932
    // in both directions.
    QFETCH(QString, character);
    QFETCH(bool, written);
    const QByteArray peerBytes =
        Iconv({QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), QStringLiteral("CP932")},
              (QStringLiteral("a") + character + QStringLiteral("\r\n")).toUtf8());
    const QString peerRead = QString::fromUtf8(Iconv(
        {QStringLiteral("-f"), QStringLiteral("CP932"), QStringLiteral("-t"), QStringLiteral("UTF-8")}, peerBytes));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cp932.txt"));
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("a") + character);
    f.platform.saveFileAnswers.push_back(path);
    f.press(QStringLiteral("SaveAs1"));
    if (!written) {
        // iconv's bytes would bring back another character.
        QVERIFY(peerRead != QStringLiteral("a") + character + QStringLiteral("\r\n"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(f.platform.MessageTexts().size(), 1);
        QVERIFY(f.platform.MessageTexts()[0].contains(QStringLiteral("「%1」").arg(character)));
        return;
    }
    QCOMPARE(FileBytes(path).toHex(' '), peerBytes.toHex(' '));
    f.platform.openAnswers.push_back(path);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.form->Text() + QStringLiteral("\r\n"), peerRead);
}

void KoyomiFileCommandsTest::openDialogReadsNoFile()
{
    // The open dialog lists a folder by names and stat() alone: no file in it
    // is opened, not even one whose name tells nothing of its contents (Qt's
    // own icons and types read those, and /proc/kmsg never answers), and a
    // FIFO whose writer never writes does not hold it up.
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("kmsg")), "<6>a kernel line\n"));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("notes.txt")), "text\r\n"));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("data.bin")), QByteArray(64, '\x01')));
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe.txt")));
    QCOMPARE(mkfifo(fifo.constData(), 0666), 0);
    const int writer = open(fifo.constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(writer >= 0);
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN | IN_ACCESS) >= 0);
    alarm(60);  // a dialog stuck in a read ends the test instead of hanging it

    QtPlatform platform;
    int looks = 0;
    QTimer driver;
    driver.setInterval(20);
    connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        if (looks == 0)
            dialog->selectNameFilter(dialog->nameFilters().value(1));  // すべてのファイル
        auto* files = dialog->findChild<QFileSystemModel*>();
        const QModelIndex folder = files->index(dir.path());
        // Everything a view of the folder asks for, until it has been read.
        for (int row = 0; row < files->rowCount(folder); ++row) {
            for (int column = 0; column < files->columnCount(folder); ++column) {
                for (const int role : {int(Qt::DisplayRole), int(Qt::DecorationRole), int(Qt::ToolTipRole)})
                    files->index(row, column, folder).data(role);
            }
        }
        if (files->rowCount(folder) > 0 && ++looks == 25)
            dialog->reject();
    });
    driver.start();
    QVERIFY(!platform.GetOpenFileName(nullptr, dir.filePath(QStringLiteral("notes.txt")), kTextFileFilter));
    driver.stop();
    alarm(0);
    close(writer);

    QStringList opened;
    char buffer[4096];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if (event->len > 0)
                opened << QString::fromUtf8(event->name);
            p += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    QCOMPARE(looks, 25);
    QCOMPARE(opened, QStringList());
}

void KoyomiFileCommandsTest::saveAsRefusesUnencodableText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    QVERIFY(WriteBytes(path, "before\r\n"));
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("fine"));
    f.form->AppendLine(QStringLiteral("smile \U0001F600"));
    f.platform.saveFileAnswers.push_back(path);
    f.press(QStringLiteral("SaveAs1"));
    QCOMPARE(FileBytes(path), QByteArray("before\r\n"));
    QVERIFY(f.modified());
    QCOMPARE(f.platform.boxes.size(), std::size_t(1));
    QCOMPARE(f.platform.boxes[0].kind, ShownBox::Error);
    QCOMPARE(
        f.platform.boxes[0].text,
        QStringLiteral("ファイル %1 を保存できません。2 行目の文字「\U0001F600」(U+1F600) は Shift-JIS で表せません.")
            .arg(path));
}

void KoyomiFileCommandsTest::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<SaveBy>("by");
    QTest::newRow("file size limit, save as") << Fault::FileSizeLimit << SaveBy::SaveAs;
    QTest::newRow("file size limit, save question") << Fault::FileSizeLimit << SaveBy::ExitQuestion;
    QTest::newRow("full tmpfs, save as") << Fault::FullTmpfs << SaveBy::SaveAs;
    QTest::newRow("full tmpfs, save question") << Fault::FullTmpfs << SaveBy::ExitQuestion;
}

void KoyomiFileCommandsTest::failedWriteKeepsOldFile()
{
    // Real faults, not mocks: the write of the report (about 1 KB) stops
    // after 100 bytes, or at once on a full file system.
    QFETCH(Fault, fault);
    QFETCH(SaveBy, by);
    QTemporaryDir dir;
    std::optional<SmallTmpfs> tmpfs;
    QStringList expectedFiles{QStringLiteral("old.txt")};
    const QByteArray old("old contents\r\n");
    const QString target = dir.filePath(QStringLiteral("old.txt"));
    if (fault == Fault::FullTmpfs) {
        if (geteuid() != 0)
            QSKIP("mounting a tmpfs needs root");
        tmpfs.emplace(dir.path());
        if (!tmpfs->mounted)
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(qt_error_string(errno))));
        QVERIFY(WriteBytes(target, old));
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) { }
        filler.close();
        QVERIFY(filler.size() > 32 * 1024);
        expectedFiles.prepend(QStringLiteral("filler"));
    } else {
        QVERIFY(WriteBytes(target, old));
    }
    const QString reason =
        fault == Fault::FileSizeLimit ? QStringLiteral("ファイルサイズの上限") : QStringLiteral("容量不足");
    const std::optional<SaveOutcome> outcome =
        SaveInChild(target, by, fault == Fault::FileSizeLimit ? std::optional<rlim_t>(100) : std::nullopt,
                    QStringLiteral("ファイル %1 を作成できません（%2）.").arg(target, reason));
    QVERIFY(outcome);
    QCOMPARE(FileBytes(target), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expectedFiles);
    QVERIFY(outcome->oneErrorBox);
    QVERIFY(outcome->modified);
    QVERIFY(outcome->open);
    QCOMPARE(outcome->questions, by == SaveBy::ExitQuestion ? 2 : 1);
}

void KoyomiFileCommandsTest::roundTripKeepsEveryByte()
{
    // Every kind of character of a report, half-width kana, an empty line,
    // and an empty last line.
    // clang-format off
    const QByteArray original(
        "\x90\xBC\x97\xEF" "2000" "\x94\x4E\x81\x69\x95\xBD\x90\xAC" "12" "\x94\x4E\x81\x6A\r\n"
        "\x81\x79" "2451545" "\x81\x7A\x82\x50\x82\x51\r\n"
        "\r\n"
        "-----------------------\x81\x83\x92\x8D\x88\xD3\x81\x49\x81\x84-----------------------\r\n"
        "\x81\x40\x81\xA6\x81\x60\xCC\xA7\xB2\xD9 \\~\t\r\n"
        "\r\n");
    // clang-format on
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    QVERIFY(WriteBytes(in, original));
    KoyomiFixture f;
    f.platform.openAnswers.push_back(in);
    f.platform.saveFileAnswers.push_back(out);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.editor()->document()->blockCount(), 6);
    f.press(QStringLiteral("SaveAs1"));
    QCOMPARE(FileBytes(out), original);
}

void KoyomiFileCommandsTest::opensUtf8File()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("utf8.txt"));
    const QString out = dir.filePath(QStringLiteral("sjis.txt"));
    QVERIFY(WriteBytes(in, "\xEF\xBB\xBF\xE6\x9A\xA6\xE3\x81\x82\nline 2\n"));  // 暦あ
    KoyomiFixture f;
    f.platform.openAnswers.push_back(in);
    f.platform.saveFileAnswers.push_back(out);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.form->Text(), QStringLiteral("暦あ\nline 2"));
    f.press(QStringLiteral("SaveAs1"));
    QCOMPARE(FileBytes(out), QByteArray("\x97\xEF\x82\xA0\r\nline 2\r\n"));
}

void KoyomiFileCommandsTest::opensBinaryFile()
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 37 + i / 256) & 0xFF);
    bytes += QByteArray(100, '\0');
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("binary.bin"));
    QVERIFY(WriteBytes(in, bytes));
    KoyomiFixture f;
    f.platform.openAnswers.push_back(in);
    f.press(QStringLiteral("Open1"));
    QVERIFY(f.platform.boxes.empty());
    QVERIFY(f.form->Text().contains(QChar(0xFFFD)));
    QVERIFY(f.form->Text().endsWith(QString(100, QChar(0))));
    f.form->show();
    f.editor()->selectAll();
    QApplication::processEvents();  // lay out and paint whatever came in
    // A save refuses the replacement characters instead of writing others.
    f.platform.saveFileAnswers.push_back(dir.filePath(QStringLiteral("out.txt")));
    f.press(QStringLiteral("SaveAs1"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.txt"))));
    QVERIFY(f.platform.MessageTexts().value(0).contains(QStringLiteral("(U+FFFD)")));
}

void KoyomiFileCommandsTest::opensTooLargeFileWithMessage()
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(kMaxTextFileBytes + 1));
    file.close();
    KoyomiFixture f;
    f.platform.openAnswers.push_back(big);
    f.press(QStringLiteral("Open1"));
    QCOMPARE(f.platform.MessageTexts(),
             QStringList{QStringLiteral("ファイル %1 は開けません。大きさが上限の 4 MiB を超えています.").arg(big)});
    QCOMPARE(f.form->Caption(), QString());
}

void KoyomiFileCommandsTest::jobName_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("job");
    const QString kanji15 = QString(15, QChar(u'暦'));
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("31 ascii kept") << QString(31, QLatin1Char('a')) << QString(31, QLatin1Char('a'));
    QTest::newRow("40 ascii cut") << QString(40, QLatin1Char('a')) << QString(31, QLatin1Char('a'));
    QTest::newRow("31 bytes with kanji") << QStringLiteral("a") + kanji15 << QStringLiteral("a") + kanji15;
    QTest::newRow("kanji straddling byte 31")
        << QStringLiteral("ab") + kanji15 << QStringLiteral("ab") + kanji15.left(14);
    QTest::newRow("half-width kana are one byte")
        << QString(31, QChar(u'ｱ')) + QStringLiteral("x") << QString(31, QChar(u'ｱ'));
    QTest::newRow("report title") << kTitle << QStringLiteral("西暦2000年（平成12年）1月1日の");
}

void KoyomiFileCommandsTest::jobName()
{
    QFETCH(QString, caption);
    QFETCH(QString, job);
    QCOMPARE(PrintJobName(caption), job);
}

void KoyomiFileCommandsTest::printWithoutPrinter()
{
    KoyomiFixture f;
    f.form->AppendLine(QStringLiteral("x"));
    f.press(QStringLiteral("Print1"));
    QCOMPARE(f.platform.MessageTexts(), QStringList{QStringLiteral("デフォルト プリンタが存在しません.")});
    QCOMPARE(f.platform.boxes[0].kind, ShownBox::Error);
}

void KoyomiFileCommandsTest::printsReport()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    KoyomiFixture f;
    f.platform.printerFactory = [pdf] { return PdfPrinter(pdf); };
    FillWithReport(f, Report2000());
    f.press(QStringLiteral("ToolButton4"));
    QVERIFY(f.platform.boxes.empty());
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("西暦2000年（平成12年）1月1日の"));
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("ユリウス日【2451545】日となる。")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("年干支は【庚辰】年九星は【九紫火星】")));
    // Set in the editor's font, from the very corner of the printable area
    // (all of the page for a PDF): the first word starts at the left edge.
    QVERIFY(PopplerOutput(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("IPAGothic")));
    const QString boxes =
        PopplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch first =
        QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")).match(boxes);
    QVERIFY2(first.hasMatch(), qPrintable(boxes.left(500)));
    QVERIFY2(first.captured(1).toDouble() < 2.0, qPrintable(first.captured(0)));
    QVERIFY2(first.captured(2).toDouble() < 4.0, qPrintable(first.captured(0)));
    QVERIFY(f.modified());  // printing changes nothing
    QCOMPARE(f.form->Caption(), kTitle);
}

void KoyomiFileCommandsTest::printsEmptyTextAsOneBlankPage()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
    KoyomiFixture f;
    f.platform.printerFactory = [pdf] { return PdfPrinter(pdf); };
    f.press(QStringLiteral("Print1"));
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(PdfText(pdf).trimmed().isEmpty());
}

void KoyomiFileCommandsTest::printsLongTextOnSeveralPages()
{
    QStringList lines;
    for (int i = 1; i <= 400; ++i)
        lines << QStringLiteral("行%1 こよみ").arg(i, 3, 10, QLatin1Char('0'));
    lines << QString(300, QLatin1Char('w'));  // wider than the page: wraps
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    auto printer = PdfPrinter(pdf);
    KoyomiFixture f;
    const int pages =
        PrintPlainText(*printer, QStringLiteral("job"), lines.join(QLatin1Char('\n')), f.editor()->font());
    printer.reset();
    QVERIFY(pages > 1);
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QString::number(pages));
    const QString text = PdfText(pdf);
    int from = 0;
    for (const QString& line : lines.mid(0, 400)) {
        const int at = text.indexOf(line, from);
        QVERIFY2(at >= 0, qPrintable(line));
        from = at + line.size();
    }
    QCOMPARE(text.count(QLatin1Char('w')), 300);
}

QTEST_MAIN(KoyomiFileCommandsTest)
#include "koyomi_file_commands_test.moc"
