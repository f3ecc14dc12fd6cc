// The ADIF export of a full log, and the QSO search over the largest list the main window holds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "export/adif.h"
#include "model/list_row.h"
#include "model/log_file.h"
#include "model/safe_file_write.h"
#include "model/text_lines.h"
#include "reports/qso_search.h"

namespace orv {
namespace {

// As the program does it: the log read, every line converted, the file written through its
// scratch file.
void BM_AdifExport(benchmark::State& state) {
    const test::TempFolder folder("orv_bench");
    const auto log = folder / "F4ABC_PC.log";
    bench::writeFile(log, bench::logContent(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const std::string content = adifContent("F4ABC", readLog(log).lines);
        if (replaceFileContent(folder / "F4ABC_PC.adi", folder / "Temporaire.txt", content)) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(BM_AdifExport)->Arg(9'999)->Unit(benchmark::kMillisecond);

const std::vector<std::string>& fullList() {
    static const std::vector<std::string> lines =
        splitLines(bench::logContent(static_cast<int>(kMaxListRows)));
    return lines;
}

// A callsign worked a few times, one that every QSO holds, a reference and a departement.
void BM_Search(benchmark::State& state, SearchKind kind, std::string_view text) {
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<SearchResult> results = searchLog(fullList(), kind, text);
        found = results.size();
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Search, callsign, SearchKind::Callsign, bench::sampleCallsign(1'000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, every_qso, SearchKind::Callsign, "F")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, reference, SearchKind::Reference, "89088")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, departement, SearchKind::Departement, "89")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
