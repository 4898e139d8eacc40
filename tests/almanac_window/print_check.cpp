// Prints the 2000-01-01 almanac report through the window's Print command on
// the desktop's real default printer; run by scripts/print_test.sh.
//   almanac_print_check print       the report goes to the default printer
//   almanac_print_check no-printer  Print must report that there is none
//   almanac_print_check verify PDF  the PDF's text (pdftotext) is the report
// Exit status 0 when the window behaved as expected.
#include "almanac_window/koyomi_form.h"
#include "calendar/days/almanac.h"
#include "fonts/fonts.h"
#include "platform/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QPrinter>
#include <QProcess>
#include <QTextStream>
#include <map>

namespace {

// The real printer lookup; the error box is recorded instead of shown, so
// that nothing waits for a click.
class PrinterOnlyPlatform final : public vadelon::Platform {
public:
    QStringList errors;

    void ShowMessage(QWidget*, const QString& text) override { errors << text; }
    void ShowError(QWidget*, const QString& message) override { errors << vadelon::ErrorBoxText(message); }
    vadelon::SaveAnswer AskSaveChanges(QWidget*, const QString&) override { return vadelon::SaveAnswer::Cancel; }
    void Beep(vadelon::BeepType) override { }
    QDate Today() override { return real_.Today(); }
    void ShowHelpFinder(QWidget*, const QString&) override { }
    std::optional<QString> GetOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QString> GetSaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    std::unique_ptr<QPrinter> DefaultPrinter() override { return real_.DefaultPrinter(); }
    void RunModal(QWidget*) override { }

private:
    vadelon::QtPlatform real_;
};

vadelon::AlmanacReport Report2000()
{
    return vadelon::ComposeAlmanacReport({2000, 1, 1}, {"2000", "平成", "12", "1", "1", "（土曜日）"});
}

// Characters of each line with text. Exact: every blank taken out (how
// pdftotext places blanks is its own business). Coded: a pair of blanks is
// one full-width blank glyph, a single blank is layout.
constexpr uint kBlankGlyph = 0x3000;

QList<QList<uint>> Lines(const QStringList& lines, bool coded)
{
    QList<QList<uint>> result;
    for (const QString& line : lines) {
        const QList<uint> chars = line.toUcs4();
        QList<uint> kept;
        qsizetype end = chars.size();
        while (coded && end > 0 && chars[end - 1] == ' ')
            --end;
        for (qsizetype i = 0; i < end; ++i) {
            if (!coded) {
                if (!QChar::isSpace(chars[i]))
                    kept << chars[i];
            } else if (chars[i] < 0x20) {
                continue;  // the form feed after each page
            } else if (chars[i] == ' ') {
                if (i + 1 < end && chars[i + 1] == ' ') {
                    kept << kBlankGlyph;
                    ++i;
                }
            } else {
                kept << chars[i];
            }
        }
        if (!kept.isEmpty())
            result << kept;
    }
    return result;
}

// True when printed is the report exactly, or when each character of the
// report stands for one and the same extracted character throughout: a PDF
// whose fonts lost their Unicode map on the way through the print queue
// (Ghostscript then gives each glyph a code of its own, the first one that
// of a blank, like the ideographic space's).
bool TextMatchesReport(const QString& printed, QTextStream& err)
{
    QStringList reportLines;
    for (const std::string& line : Report2000().lines)
        reportLines << QString::fromStdString(line);
    const QStringList printedLines = printed.split(QLatin1Char('\n'));
    if (Lines(reportLines, false) == Lines(printedLines, false)) {
        err << "text read back exactly\n";
        return true;
    }
    const QList<QList<uint>> want = Lines(reportLines, true);
    const QList<QList<uint>> got = Lines(printedLines, true);
    if (want.size() != got.size()) {
        err << "printed " << got.size() << " lines with text, the report has " << want.size() << "\n";
        return false;
    }
    std::map<uint, uint> forward;
    std::map<uint, uint> backward;
    int blanks = 0;
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i].size() != got[i].size()) {
            err << "line " << i + 1 << ": " << got[i].size() << " characters, expected " << want[i].size() << "\n";
            return false;
        }
        for (qsizetype k = 0; k < want[i].size(); ++k) {
            const auto [f, fresh] = forward.emplace(want[i][k], got[i][k]);
            bool ok = f->second == got[i][k];
            if (fresh && got[i][k] == kBlankGlyph)
                ++blanks;
            if (got[i][k] != kBlankGlyph)
                ok = ok && backward.emplace(got[i][k], want[i][k]).first->second == want[i][k];
            if (!ok) {
                err << "line " << i + 1 << ", character " << k + 1 << " does not match the report\n";
                return false;
            }
        }
    }
    if (blanks > 2) {
        err << blanks << " different characters printed as blanks\n";
        return false;
    }
    err << "text read back as one consistent code for each of the " << forward.size()
        << " distinct characters (the queue's conversion dropped the Unicode map)\n";
    return true;
}

int Verify(const QString& pdf, QTextStream& err)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        err << "pdftotext failed on " << pdf << "\n";
        return 1;
    }
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    if (TextMatchesReport(text, err))
        return 0;
    err << "--- printed text:\n" << text;
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QString mode = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("verify") && argc == 3)
        return Verify(QString::fromLocal8Bit(argv[2]), err);
    if (argc != 2 || (mode != QLatin1String("print") && mode != QLatin1String("no-printer"))) {
        err << "usage: almanac_print_check print|no-printer|verify PDF\n";
        return 2;
    }
    vadelon::InstallFontSubstitutions();

    PrinterOnlyPlatform platform;
    vadelon::TKoyomiForm form(platform, [](const QString&) {});
    const vadelon::AlmanacReport report = Report2000();
    form.ClearText();
    for (const std::string& line : report.lines)
        form.AppendLine(QString::fromStdString(line));
    form.SetCaption(QString::fromStdString(report.caption));
    form.findChild<QAction*>(QStringLiteral("Print1"))->trigger();

    const QStringList expected = mode == QLatin1String("print")
                                     ? QStringList()
                                     : QStringList{QStringLiteral("デフォルト プリンタが存在しません.")};
    if (platform.errors != expected) {
        err << "boxes shown: [" << platform.errors.join(QStringLiteral("] [")) << "], expected: ["
            << expected.join(QStringLiteral("] [")) << "]\n";
        return 1;
    }
    return 0;
}
