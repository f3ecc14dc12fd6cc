// The award and report windows as the operator opens them: from the menu command to the window
// shown with its figures, on logs of 9,999 and 99,999 QSOs, and the map drawn at its window's
// size. Scrolling a list of 99,999 rows is measured with the report window itself
// (bench_ui_report).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <functional>
#include <memory>

#include "bench_ui_support.h"
#include "ui/main/report_windows.h"
#include "ui/map/departement_map_view.h"
#include "ui/map/map_window.h"

namespace orv {
namespace {

void writeLog(int lines) {
    bench::writeFile(bench::windowDesk().logFile(), bench::logContent(lines));
}

// The report windows of the desk's own context, with the main list loaded from the log.
ReportWindows& reportWindows() {
    static ReportWindows windows(bench::windowDesk().soloContext(), [](const std::string&) {});
    return windows;
}

QWidget* shownWindow(const QString& objectName) {
    QWidget* window = test::WindowDesk::openWindow(objectName);
    while (window != nullptr &&
           (window->windowHandle() == nullptr || !window->windowHandle()->isExposed())) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
    return window;
}

void closeWindow(QWidget* window) {
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// From the command to the window shown and painted, then closed outside the timing.
void measureOpening(benchmark::State& state, const QString& objectName,
                    const std::function<void(ReportWindows&)>& open) {
    writeLog(int(state.range(0)));
    bench::windowDesk().soloContext().log.Charge_Log();
    bench::windowDesk().soloContext().state.Niveau_Diplome = "PC_100";
    for (auto _ : state) {
        open(reportWindows());
        QWidget* window = shownWindow(objectName);
        state.PauseTiming();
        if (window == nullptr) {
            state.SkipWithError("the window did not open");
            break;
        }
        closeWindow(window);
        state.ResumeTiming();
    }
}

void BM_OpenScores(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Score_PC"), &ReportWindows::openScores);
}
void BM_OpenAwards(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Diplome_PC"), &ReportWindows::openAwards);
}
void BM_OpenAwardList(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Liste_PC"), &ReportWindows::openAwardList);
}
void BM_OpenConfirmedList(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Aff_Contacte"), &ReportWindows::openConfirmedList);
}
void BM_OpenMissingQsls(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Multi_QSL"), &ReportWindows::openMissingQsls);
}
void BM_OpenDepartementMap(benchmark::State& state) {
    measureOpening(state, QStringLiteral("Carte_Acti_PC"), &ReportWindows::openDepartementMap);
}
BENCHMARK(BM_OpenScores)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAwards)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAwardList)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenConfirmedList)
    ->Arg(9'999)
    ->Arg(99'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OpenMissingQsls)
    ->Arg(9'999)
    ->Arg(99'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OpenDepartementMap)
    ->Arg(9'999)
    ->Arg(99'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The map drawn whole at the size its window opens with, as after a resize.
void BM_DrawMap(benchmark::State& state) {
    writeLog(9'999);
    reportWindows().openDepartementMap();
    auto* window = static_cast<MapWindow*>(shownWindow(QStringLiteral("Carte_Acti_PC")));
    DepartementMapView& map = window->mapView();
    for (auto _ : state) {
        benchmark::DoNotOptimize(map.grab());
        state.PauseTiming();
        map.resize(map.size() + QSize(1, 1));
        map.resize(map.size() - QSize(1, 1));
        state.ResumeTiming();
    }
    closeWindow(window);
}
BENCHMARK(BM_DrawMap)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
