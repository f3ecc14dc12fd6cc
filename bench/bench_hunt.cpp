// The hunt and the comparison of two lists, without windows: what the log worked of each site of a
// 20,000-site list learnt from 99,999 QSOs, a choice of departement and band, and the comparison
// of two 20,000-site lists (a tenth of the sites renamed, a hundredth withdrawn, as many new).

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "model/text_lines.h"
#include "reports/list_changes.h"
#include "reports/sites_to_work.h"

namespace orv {
namespace {

constexpr int kSites = 20'000;

const std::vector<std::string>& logLines() {
    static const std::vector<std::string> lines = splitLines(bench::logContent(99'999));
    return lines;
}

const std::string& oldListContent() {
    static const std::string content = bench::referenceListContent(kSites);
    return content;
}

// The same list after an update: every tenth site renamed, every hundredth withdrawn, and as many
// new ones at the end.
const std::string& newListContent() {
    static const std::string content = [] {
        const std::vector<std::string> lines = splitLines(oldListContent());
        std::vector<std::string> updated{lines[0]};
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (i % 100 == 0) {
                updated.push_back("PC-9" + std::to_string(1000 + i / 100) + ";Nouveau;x;1;x;a;b;");
            } else if (i % 10 == 0) {
                std::string renamed = lines[i];
                updated.push_back(renamed.replace(renamed.find(';') + 1, 3, "Le "));
            } else {
                updated.push_back(lines[i]);
            }
        }
        return joinLines(updated);
    }();
    return content;
}

// As the window does it once the files are read: the list's content read into its sites, then
// what the log worked of each.
void BM_LearnWorkedSites(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SiteHunt(parseReferenceList(oldListContent()), logLines()).departements().data());
    }
}
BENCHMARK(BM_LearnWorkedSites)->Unit(benchmark::kMillisecond);

void BM_SitesToWork(benchmark::State& state) {
    const SiteHunt hunt(parseReferenceList(oldListContent()), logLines());
    const HuntChoice choice =
        state.range(0) == 0 ? HuntChoice{} : HuntChoice{"89", 5};  // every site, or 89 on 14 Mhz
    for (auto _ : state) {
        benchmark::DoNotOptimize(hunt.toWork(choice).rows.data());
    }
}
BENCHMARK(BM_SitesToWork)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CompareLists(benchmark::State& state) {
    const ReferenceList before = parseReferenceList(oldListContent());
    const ReferenceList after = parseReferenceList(newListContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(compareLists(before, after, logLines()).renamed.data());
    }
}
BENCHMARK(BM_CompareLists)->Unit(benchmark::kMillisecond);

// As the update does it: both contents read into lists, then compared.
void BM_CompareListContents(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(compareLists(parseReferenceList(oldListContent()),
                                              parseReferenceList(newListContent()), logLines())
                                     .renamed.data());
    }
}
BENCHMARK(BM_CompareListContents)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
