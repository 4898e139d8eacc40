// Time and memory of opening a text file in the almanac window, scrolling to
// its end and painting it, for files of several sizes and line lengths. Each
// case runs in a fresh process (the program calls itself), so the peak memory
// is that case's own. Reports figures; sets no limits.
//   almanac_open_bench [limits|lines|sizes]        all cases or some, one table
//   almanac_open_bench <bytes> <line bytes> <a|j>  one case (a: ASCII, j: Shift-JIS kanji)
#include "almanac_window/koyomi_form.h"
#include "almanac_window/text_file.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>

namespace {

long PeakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Lines of lineBytes bytes each (CR LF included) up to totalBytes in all.
QByteArray FileBytes(qint64 totalBytes, qint64 lineBytes, bool kanji)
{
    const QByteArray unit = kanji ? QByteArray("\x97\xEF") : QByteArray("a");  // 暦 or a
    QByteArray line;
    while (line.size() + unit.size() + 2 <= lineBytes)
        line += unit;
    line += "\r\n";
    QByteArray bytes;
    bytes.reserve(totalBytes);
    while (bytes.size() + line.size() <= totalBytes)
        bytes += line;
    return bytes;
}

int RunCase(qint64 totalBytes, qint64 lineBytes, bool kanji)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(FileBytes(totalBytes, lineBytes, kanji)) < 0)
        return 1;
    file.close();

    vadelon::testing::ScriptedPlatform platform;
    vadelon::TKoyomiForm form(platform, [](const QString&) {});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    const long peakBefore = PeakKib();
    platform.openAnswers.push_back(path);

    QElapsedTimer timer;
    timer.start();
    form.OpenTextFile();
    const qint64 opened = timer.elapsed();
    QPlainTextEdit* editor = form.Editor();
    editor->moveCursor(QTextCursor::End);
    editor->ensureCursorVisible();
    editor->horizontalScrollBar()->setValue(editor->horizontalScrollBar()->maximum());
    editor->viewport()->repaint();
    QApplication::processEvents();
    const qint64 shown = timer.elapsed();

    std::printf("%10lld %10lld %5s %8s %9lld %9lld %9ld\n", static_cast<long long>(file.size()),
                static_cast<long long>(lineBytes), kanji ? "kanji" : "ascii",
                platform.boxes.empty() ? "opened" : "refused", static_cast<long long>(opened),
                static_cast<long long>(shown), (PeakKib() - peakBefore) / 1024);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    vadelon::InstallFontSubstitutions();
    if (argc == 4) {
        QApplication app(argc, argv);
        return RunCase(QByteArray(argv[1]).toLongLong(), QByteArray(argv[2]).toLongLong(), argv[3][0] == 'j');
    }
    QCoreApplication app(argc, argv);
    constexpr qint64 KiB = 1024;
    constexpr qint64 MiB = 1024 * KiB;
    struct Case {
        qint64 total;
        qint64 line;
        char kind;
    };
    std::vector<Case> cases;
    const QStringList only = app.arguments().mid(1);  // "limits", "lines" or "sizes" to run a part
    if (only.isEmpty() || only.contains(QStringLiteral("limits"))) {
        // The worst files the window accepts, then the least ones it refuses.
        const qint64 line = vadelon::kMaxTextLineChars + 2;
        const qint64 lines = vadelon::kMaxTextLines;
        const qint64 size = vadelon::kMaxTextFileBytes;
        cases.push_back({size, line, 'a'});
        cases.push_back({size, 2 * line - 2, 'j'});
        cases.push_back({size, size / lines + 1, 'a'});
        cases.push_back({size, size / lines + 1, 'j'});
        cases.push_back({2 * lines, 2, 'a'});
        cases.push_back({line + 1, line + 1, 'a'});
        cases.push_back({2 * lines + 2, 2, 'a'});
    }
    if (only.isEmpty() || only.contains(QStringLiteral("lines"))) {
        for (qint64 line : {16 * KiB, 64 * KiB, 128 * KiB, 256 * KiB, 512 * KiB, 1 * MiB, 4 * MiB, 15 * MiB})
            cases.push_back({line, line, 'a'});
        for (qint64 line : {16 * KiB, 64 * KiB, 128 * KiB, 256 * KiB, 1 * MiB})
            cases.push_back({line, line, 'j'});
    }
    if (only.isEmpty() || only.contains(QStringLiteral("sizes"))) {
        for (qint64 total : {1 * MiB, 4 * MiB, 8 * MiB, 16 * MiB}) {
            cases.push_back({total, 80, 'a'});
            cases.push_back({total, 80, 'j'});
            cases.push_back({total, 2, 'a'});  // empty lines: the most blocks
            cases.push_back({total, 64 * KiB, 'a'});
        }
    }
    std::printf("%10s %10s %5s %8s %9s %9s %9s\n", "bytes", "line", "chars", "result", "open ms", "shown ms",
                "peak MiB");
    std::fflush(stdout);
    for (const Case& c : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::number(c.total), QString::number(c.line), QString(QLatin1Char(c.kind))});
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            std::printf("%10lld %10lld  case failed\n", static_cast<long long>(c.total),
                        static_cast<long long>(c.line));
        std::fflush(stdout);
    }
    return 0;
}
