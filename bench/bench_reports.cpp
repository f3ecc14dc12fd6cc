// What the award and report windows compute from the log when they open, save or print, on logs of
// 9,999 and 99,999 QSOs already read into their records.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "model/log_line.h"
#include "model/text_lines.h"
#include "reports/award_list.h"
#include "reports/award_progress.h"
#include "reports/confirmed_list.h"
#include "reports/departement_map.h"
#include "reports/missing_qsls.h"
#include "reports/numbered_report.h"
#include "reports/scores.h"

namespace orv {
namespace {

const std::vector<std::string>& logLines(int count) {
    static const std::vector<std::string> small = splitLines(bench::logContent(9'999));
    static const std::vector<std::string> large = splitLines(bench::logContent(99'999));
    return count == 9'999 ? small : large;
}

const std::vector<LoggedQso>& logQsos(int count) {
    static const std::vector<LoggedQso> small = readLogLines(logLines(9'999));
    static const std::vector<LoggedQso> large = readLogLines(logLines(99'999));
    return count == 9'999 ? small : large;
}

const std::vector<LoggedQso>& qsosOf(const benchmark::State& state) {
    return logQsos(static_cast<int>(state.range(0)));
}

void BM_Scores(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeScores(qsosOf(state)));
    }
}
BENCHMARK(BM_Scores)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_AwardCount(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(awardCount(qsosOf(state)));
    }
}
BENCHMARK(BM_AwardCount)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_AwardListRows(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(awardListRows(qsosOf(state)).data());
    }
}
BENCHMARK(BM_AwardListRows)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_ConfirmedList(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(confirmedList(qsosOf(state)).rows.data());
    }
}
BENCHMARK(BM_ConfirmedList)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_ColoreCarte(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Colore_Carte(qsosOf(state)));
    }
}
BENCHMARK(BM_ColoreCarte)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

// A search over the main list's lines for one correspondent's missing QSLs.
void BM_MissingQsls(benchmark::State& state) {
    const std::vector<std::string>& lines = logLines(static_cast<int>(state.range(0)));
    const std::string callsign = bench::sampleCallsign(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(missingQslRows(callsign, lines).data());
    }
}
BENCHMARK(BM_MissingQsls)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_NumberedReportFile(benchmark::State& state) {
    const std::vector<std::string> rows = awardListRows(qsosOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberedReportFile({"heading", "header"}, rows).data());
    }
}
BENCHMARK(BM_NumberedReportFile)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

void BM_NumberedPrintout(benchmark::State& state) {
    const std::vector<std::string> rows = awardListRows(qsosOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberedPrintout({"heading", "header"}, rows).data());
    }
}
BENCHMARK(BM_NumberedPrintout)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
