// The web windows, from the command to the page shown, against a local server: the first one of
// the run, which loads the browser module and starts its engine, then each next one. The main
// window's start-up (bench_ui_log, BM_StartUpToVisibleWindow) loads none of it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <memory>

#include "bench_ui_support.h"
#include "support/local_http_server.h"
#include "ui/web/rules_window.h"
#include "ui/web/web_page_view.h"

namespace orv {
namespace {

test::LocalHttpServer& server() {
    static test::LocalHttpServer local;
    static const bool answered = [] {
        local.answer(QStringLiteral("/index.php?mod=reglement"),
                     {200, "<html><head><title>R</title></head><body>x</body></html>", -1, false,
                      "text/html"});
        bench::windowDesk().storeSetting(QStringLiteral("Adresses"), QStringLiteral("Reglement"),
                                         local.address());
        return true;
    }();
    Q_UNUSED(answered);
    return local;
}

// Opens the rules window, runs the event loop until its page is shown, and closes it.
void openRulesToPageShown(benchmark::State& state) {
    server();
    auto window = std::make_unique<RulesWindow>(bench::windowDesk().soloContext());
    window->show();
    auto* page = window->findChild<WebPageView*>();
    QEventLoop loop;
    QObject::connect(page, &WebPageView::pageFinished, &loop, &QEventLoop::quit);
    if (page->loading()) {
        loop.exec();
    }
    state.PauseTiming();
    if (!page->message().isEmpty()) {
        state.SkipWithError(page->message().toStdString().c_str());
    }
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
}

void BM_FirstWebWindowToPageShown(benchmark::State& state) {
    for (auto _ : state) {
        openRulesToPageShown(state);
    }
}
BENCHMARK(BM_FirstWebWindowToPageShown)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_WebWindowToPageShown(benchmark::State& state) {
    for (auto _ : state) {
        openRulesToPageShown(state);
    }
}
BENCHMARK(BM_WebWindowToPageShown)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
