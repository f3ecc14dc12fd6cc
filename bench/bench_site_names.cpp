// The site-names update of a full log from a full reference list, the list read once and indexed,
// against the way that scans the list again for every log line.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "model/log_file.h"
#include "model/log_line.h"
#include "model/reference_list.h"
#include "model/safe_file_write.h"
#include "model/site_names_update.h"
#include "model/text_lines.h"

namespace orv {
namespace {

constexpr int kLogLines = 9'999;
constexpr int kSites = 20'000;

struct Files {
    test::TempFolder folder{"orv_bench"};
    std::filesystem::path log = folder / "F4ABC_PC.log";
    std::filesystem::path list = folder / std::string(kReferenceListFile);
    std::filesystem::path scratch = folder / "Temporaire1.log";

    Files() {
        bench::writeFile(log, bench::logContent(kLogLines));
        bench::writeFile(list, bench::referenceListContent(kSites));
    }
};

const Files& files() {
    static const Files instance;
    return instance;
}

// As the program does it: the list read once and indexed, the log read, every line rewritten, the
// log replaced through its scratch file.
void updateOnce() {
    const ReferenceList list = readReferenceList(files().list);
    const std::vector<std::string> lines = withSiteNamesUpdated(readLog(files().log).lines, list);
    if (replaceFileContent(files().log, files().scratch, joinLines(lines))) {
        throw std::runtime_error("site-names update failed");
    }
}

// The list scanned from the top of the file for every line of the log.
void updateWithOneScanPerLine() {
    std::vector<std::string> lines = readLog(files().log).lines;
    for (std::string& line : lines) {
        const std::string reference(trimBlanks(readField(line, log_field::kReference)));
        line =
            lineWithSiteName(line, siteNameColumn(Cherche_Nom_Patrimoine(files().list, reference)));
    }
    replaceFileContent(files().log, files().scratch, joinLines(lines));
}

double secondsOf(void (*update)()) {
    const auto start = std::chrono::steady_clock::now();
    update();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SiteNamesUpdate(benchmark::State& state) {
    for (auto _ : state) {
        updateOnce();
    }
}
BENCHMARK(BM_SiteNamesUpdate)->Unit(benchmark::kMillisecond);

// Run once (it takes seconds); the counter says how many times slower it is than the indexed
// update timed just before it.
void BM_SiteNamesOneScanPerLine(benchmark::State& state) {
    double indexed = 0;
    constexpr int kIndexedRuns = 5;
    for (int i = 0; i < kIndexedRuns; ++i) {
        indexed += secondsOf(updateOnce) / kIndexedRuns;
    }
    double scanning = 0;
    for (auto _ : state) {
        scanning = secondsOf(updateWithOneScanPerLine);
    }
    state.counters["times_slower"] = scanning / indexed;
}
BENCHMARK(BM_SiteNamesOneScanPerLine)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
