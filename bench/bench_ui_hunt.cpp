// "Patrimoines à contacter" with a 20,000-site list and a 99,999-line log: from the menu command to
// the window shown, and a new departement or band shown; and the window of a list's changes shown
// for two 20,000-site lists.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QWindow>

#include "bench_ui_support.h"
#include "ui/main/report_windows.h"
#include "ui/tools/list_changes_window.h"

namespace orv {
namespace {

constexpr int kSites = 20'000;

void writeFiles() {
    bench::BenchDesk& desk = bench::windowDesk();
    bench::writeFile(desk.logFile(), bench::logContent(99'999));
    bench::writeFile(desk.dataFile("Liste_PC.csv"), bench::referenceListContent(kSites));
}

ReportWindows& reportWindows() {
    static ReportWindows windows(bench::windowDesk().soloContext(), [](const std::string&) {});
    return windows;
}

void showAndPaint(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
}

void closeWindow(QWidget& window) {
    window.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// From the command to the window shown with its rows, then closed outside the timing.
void BM_OpenSitesToWork(benchmark::State& state) {
    writeFiles();
    for (auto _ : state) {
        SitesToWorkWindow& window = reportWindows().openSitesToWork();
        showAndPaint(window);
        state.PauseTiming();
        closeWindow(window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSitesToWork)->Unit(benchmark::kMillisecond)->UseRealTime();

// One choice after another in "Département" (argument 0) or "Bande" (1), each shown and painted.
void BM_ChooseInSitesToWork(benchmark::State& state) {
    writeFiles();
    SitesToWorkWindow& window = reportWindows().openSitesToWork();
    showAndPaint(window);
    auto* box = window.findChild<QComboBox*>(state.range(0) == 0 ? "Dpt_C" : "Bande_C");
    int index = 0;
    for (auto _ : state) {
        index = index % (box->count() - 1) + 1;
        box->setCurrentIndex(index);
        QApplication::processEvents();
    }
    closeWindow(window);
}
BENCHMARK(BM_ChooseInSitesToWork)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The changes of two 20,000-site lists (a tenth of the sites renamed), the log read and marked.
void BM_ShowListChanges(benchmark::State& state) {
    writeFiles();
    const ReferenceList before = parseReferenceList(bench::referenceListContent(kSites));
    std::vector<ReferenceSite> sites = before.sites();
    for (std::size_t i = 0; i < sites.size(); i += 10) {
        sites[i].name = "Le " + sites[i].name;
    }
    const ReferenceList after(before.revision(), std::move(sites));
    WindowContext& context = bench::windowDesk().soloContext();
    for (auto _ : state) {
        auto* window = new ListChangesWindow(context);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->showChanges(before, after);
        window->show();
        showAndPaint(*window);
        state.PauseTiming();
        closeWindow(*window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowListChanges)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
