// The commands that work on the whole log, as the operator runs them from the main window on a
// full log: the site names rewritten from a full reference list (the list read once and indexed),
// against the way that scans the list again for every QSO; and the ADIF export.

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_ui_support.h"
#include "model/log_line.h"
#include "model/reference_list.h"
#include "model/site_names_update.h"
#include "ui/tools/log_commands.h"

namespace orv {
namespace {

constexpr int kLogLines = 9'999;
constexpr int kSites = 20'000;

// The main window on a full log and a full list, kept for the whole run.
MainWindow& mainWindow() {
    static MainWindow& window = []() -> MainWindow& {
        bench::BenchDesk& desk = bench::windowDesk();
        bench::writeFile(desk.logFile(), bench::logContent(kLogLines));
        desk.writeDataFile(kReferenceListFile, bench::referenceListContent(kSites));
        return desk.keptWindow();
    }();
    return window;
}

// Runs a command and checks that it ended with its one closing message.
void runCommand(void (LogCommands::*command)()) {
    bench::windowDesk().messages.messages.clear();
    (LogCommands(mainWindow().context()).*command)();
    if (bench::windowDesk().messages.messages.size() != 1) {
        throw std::runtime_error("the command did not end with its message");
    }
}

// The names found by scanning the list file from its top for every QSO, then the log replaced as
// the command does.
void updateWithOneScanPerLine() {
    LogService& log = mainWindow().log();
    std::vector<std::string> lines = log.readFile().lines;
    for (std::string& line : lines) {
        const std::string reference(trimBlanks(readField(line, log_field::kReference)));
        line = lineWithSiteName(
            line, siteNameColumn(Cherche_Nom_Patrimoine(log.files().referenceList(), reference)));
    }
    if (log.replaceAllLines(lines) != WriteOutcome::Written) {
        throw std::runtime_error("the log was not rewritten");
    }
}

template <class Run>
double secondsOf(Run run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SiteNamesUpdate(benchmark::State& state) {
    for (auto _ : state) {
        runCommand(&LogCommands::updateSiteNames);
    }
}
BENCHMARK(BM_SiteNamesUpdate)->Unit(benchmark::kMillisecond);

// Run once (it takes seconds); the counter says how many times slower it is than the command,
// timed just before it.
void BM_SiteNamesOneScanPerLine(benchmark::State& state) {
    constexpr int kCommandRuns = 5;
    double command = 0;
    for (int i = 0; i < kCommandRuns; ++i) {
        command += secondsOf([] { runCommand(&LogCommands::updateSiteNames); }) / kCommandRuns;
    }
    double scanning = 0;
    for (auto _ : state) {
        scanning = secondsOf(updateWithOneScanPerLine);
    }
    state.counters["times_slower"] = scanning / command;
}
BENCHMARK(BM_SiteNamesOneScanPerLine)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_AdifExport(benchmark::State& state) {
    for (auto _ : state) {
        runCommand(&LogCommands::exportAdif);
    }
}
BENCHMARK(BM_AdifExport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
