// The QSO search over the largest list the main window holds.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "model/list_row.h"
#include "model/text_lines.h"
#include "reports/qso_search.h"

namespace orv {
namespace {

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
