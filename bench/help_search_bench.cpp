// The help window's costs on the manual as built: opening the window (every
// page read and indexed), a search on the index alone and in the window
// (results listed, the first page shown, its hits highlighted) for ordinary
// and for the worst pasted queries, an ordinary search right after the worst
// one, and showing pages at and beyond the limits a page is read with.
//   help_search_bench [--benchmark_filter=...]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include "help_window/help_search.h"
#include "help_window/help_window.h"
#include "help_window/manual_files.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using vadelon::HelpWindow;

const QString kManual = QStringLiteral(VADELON_MANUAL_DIR);

struct Query {
    const char* name;
    QString text;
};

const std::vector<Query>& Queries()
{
    static const std::vector<Query> queries = {
        {"閏年", QStringLiteral("閏年")},
        {"きゅうせい (a reading)", QStringLiteral("きゅうせい")},
        {"改元 年号 (two words)", QStringLiteral("改元 年号")},
        {"Shift_JIS", QStringLiteral("Shift_JIS")},
        {"の (the commonest kana)", QStringLiteral("の")},
        {"「の 」 x 16,383 pasted", QStringLiteral("の ").repeated(16383)},
        {"「の 」 x 1,000", QStringLiteral("の ").repeated(1000)},
        {"「の」 x 30,000, one word", QStringLiteral("の").repeated(30000)},
    };
    return queries;
}

HelpWindow& Window()
{
    static auto* window = [] {
        auto* w = new HelpWindow(kManual);
        w->show();
        return w;
    }();
    return *window;
}

void OpenWindow(benchmark::State& state)
{
    for (auto _ : state) {
        HelpWindow window(kManual);
        benchmark::DoNotOptimize(window.Index().PageCount());
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

void SearchIndex(benchmark::State& state)
{
    const Query& query = Queries()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(query.name);
    vadelon::SearchWork work;
    for (auto _ : state)
        benchmark::DoNotOptimize(Window().Index().Search(query.text, &work));
    state.counters["passes"] = static_cast<double>(work.passes);
    state.counters["hits"] = static_cast<double>(work.hits);
}
BENCHMARK(SearchIndex)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

void SearchWindow(benchmark::State& state)
{
    const Query& query = Queries()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(query.name);
    for (auto _ : state) {
        Window().Search(query.text);
        QApplication::processEvents();
    }
    state.counters["highlights"] = static_cast<double>(Window().HighlightedTexts().size());
}
BENCHMARK(SearchWindow)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime();

// An ordinary search (閏年), timed alone, each right after another query
// (untimed): after 「の」 and after the worst pasted query it costs the same.
void OrdinaryAfter(benchmark::State& state)
{
    const Query& before = Queries()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string("閏年 after ") + before.name);
    for (auto _ : state) {
        state.PauseTiming();
        Window().Search(before.text);
        QApplication::processEvents();
        state.ResumeTiming();
        Window().Search(QStringLiteral("閏年"));
        QApplication::processEvents();
    }
}
BENCHMARK(OrdinaryAfter)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Page {
    const char* name;
    QByteArray html;  // empty: the manual's eras.html, or for a refused page, 30 MB of zeros
    bool within;      // within the limits, or refused
};

const std::vector<Page>& Pages()
{
    const QByteArray head = "<html><head><title>x</title></head><body>";
    const QByteArray paragraph = "<p>" + QByteArray("閏年は4で割り切れる年です。").repeated(30) + "</p>\n";
    const QByteArray tables = QByteArray("<table><tr><td>表").repeated(vadelon::kMaxTableDepth) +
                              QByteArray("</td></tr></table>").repeated(vadelon::kMaxTableDepth);
    static const std::vector<Page> pages = {
        {"the largest page of the manual (eras.html)", {}, true},
        {"128 KiB of text (the size limit)",
         head + paragraph.repeated(static_cast<int>((vadelon::kMaxManualFileBytes - 200) / paragraph.size())), true},
        {"1,990 list items (the element limit)", head + "<ul>" + QByteArray("<li>項目").repeated(1990) + "</ul>", true},
        {"165 tables 4 deep (the element limit)", head + tables.repeated(165), true},
        {"refused: 10,000 tables nested", head + QByteArray("<table><td>").repeated(10000), false},
        {"refused: 25,000 list items", head + "<ul>" + QByteArray("<li>x").repeated(25000), false},
        {"refused: 30 MB", {}, false},
    };
    return pages;
}

void ShowPage(benchmark::State& state)
{
    const Page& page = Pages()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(page.name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    QFile file(path);
    if (page.html.isEmpty() && page.within) {
        QFile::copy(QDir(kManual).filePath(QStringLiteral("eras.html")), path);
    } else if (!file.open(QIODevice::WriteOnly) || !file.write(page.html.isEmpty() ? "<html>" : page.html) ||
               (page.html.isEmpty() && !file.resize(30 * 1024 * 1024))) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    if (vadelon::ReadManualPage(path).has_value() != page.within) {
        state.SkipWithError("the page is not on the side of the limits its name says");
        return;
    }
    QFile blank(dir.filePath(QStringLiteral("blank.html")));
    if (!blank.open(QIODevice::WriteOnly) || !blank.write("<html><body></body></html>")) {
        state.SkipWithError("cannot write the blank page");
        return;
    }
    blank.close();
    HelpWindow window(dir.path());
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        window.ShowPage(QStringLiteral("blank.html"));
        QApplication::processEvents();
        state.ResumeTiming();
        window.ShowPage(QStringLiteral("page.html"));
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Browser()->document()->documentLayout()->documentSize());
    }
}
BENCHMARK(ShowPage)->DenseRange(0, 6)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
