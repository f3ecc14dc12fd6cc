// What the operator waits for after each action on a log of realistic size: loading the main list,
// the four rewrites (fsync and rename included), and the lookups made while a QSO is typed.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "model/contact_memory.h"
#include "model/folder_lock.h"
#include "model/list_row.h"
#include "model/log_file.h"
#include "model/log_rewrite.h"
#include "model/reference_list.h"
#include "model/safe_file_write.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {
namespace {

const test::TempFolder& folder() {
    static const test::TempFolder instance("orv_bench");
    return instance;
}

constexpr int kLogLines = 9'999;

std::filesystem::path writtenLog(std::string_view name, int lines) {
    const auto path = folder().path() / name;
    bench::writeFile(path, bench::logContent(lines));
    return path;
}

// The log read for the main list; its rows are laid out only as they are shown.
void BM_ReadLog(benchmark::State& state) {
    const auto path = writtenLog("load_PC.log", static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const LogLoad load = readLog(path);
        benchmark::DoNotOptimize(load.lines.data());
    }
}
BENCHMARK(BM_ReadLog)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

// The log read into its QSOs, every column by name, as the score, list and export windows read it.
void BM_ReadLogIntoRecords(benchmark::State& state) {
    const auto path = writtenLog("records_PC.log", static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::vector<LoggedQso> qsos = readLogLines(readLog(path).lines);
        benchmark::DoNotOptimize(qsos.data());
    }
}
BENCHMARK(BM_ReadLogIntoRecords)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

// A screenful of rows, as the list lays them out when it is shown or scrolled.
void BM_ListRowsOfAScreen(benchmark::State& state) {
    const LogLoad load = readLog(writtenLog("rows_PC.log", kLogLines));
    for (auto _ : state) {
        for (std::size_t i = 0; i < 40; ++i) {
            benchmark::DoNotOptimize(makeListRow(i + 1, load.lines[i]));
        }
    }
}
BENCHMARK(BM_ListRowsOfAScreen)->Unit(benchmark::kMicrosecond);

// Each rewrite starts from the same 9,999-line log, put back outside the timing.
void BM_RewriteLog(benchmark::State& state) {
    const auto rule = static_cast<RewriteRule>(state.range(0));
    const std::string content = bench::logContent(kLogLines);
    const auto path = folder().path() / "rewrite_PC.log";
    const std::string middle = bench::qsoLine(kLogLines / 2);
    std::string newLine = middle;
    newLine[0] = 'G';
    for (auto _ : state) {
        state.PauseTiming();
        bench::writeFile(path, content);
        state.ResumeTiming();
        const auto result =
            rewriteLog(path, rule, rule == RewriteRule::Remove ? middle : newLine, middle);
        if (result.status != RewriteStatus::Done) {
            state.SkipWithError("rewrite failed");
        }
    }
}
BENCHMARK(BM_RewriteLog)
    ->ArgName("rule")
    ->Arg(static_cast<int>(RewriteRule::Append))
    ->Arg(static_cast<int>(RewriteRule::Insert))
    ->Arg(static_cast<int>(RewriteRule::Replace))
    ->Arg(static_cast<int>(RewriteRule::Remove))
    ->Unit(benchmark::kMillisecond);

// The floor under any rewrite: the same bytes read and written once, flushed to the disk.
void BM_CopyLogBaseline(benchmark::State& state) {
    const auto path = writtenLog("copy_PC.log", kLogLines);
    const auto copy = folder().path() / "copy.txt";
    FileSystemCalls& calls = systemFileCalls();
    for (auto _ : state) {
        std::error_code error;
        const std::string content = readWholeFile(path, error);
        calls.remove(copy.c_str());
        const int fd = calls.createNew(copy.c_str(), 0644);
        calls.writeAll(fd, content);
        calls.flushToDisk(fd);
        calls.close(fd);
    }
}
BENCHMARK(BM_CopyLogBaseline)->Unit(benchmark::kMillisecond);

// What each rewrite adds for the folder's write lock: the lock file created, locked and removed.
void BM_FolderWriteLock(benchmark::State& state) {
    for (auto _ : state) {
        const FolderWriteLock lock(folder().path());
        if (lock.error()) {
            state.SkipWithError("lock failed");
        }
    }
}
BENCHMARK(BM_FolderWriteLock)->Unit(benchmark::kMicrosecond);

void BM_DejaContacteNoMatch(benchmark::State& state) {
    const auto path = writtenLog("contact_PC.log", kLogLines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Deja_Contacte(path, "2a999", "14 Mhz"));
    }
}
BENCHMARK(BM_DejaContacteNoMatch)->Unit(benchmark::kMillisecond);

void BM_ChercheNomPatrimoineAbsent(benchmark::State& state) {
    const auto path = folder().path() / kReferenceListFile;
    bench::writeFile(path, bench::referenceListContent(20'000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cherche_Nom_Patrimoine(path, "2a999"));
    }
}
BENCHMARK(BM_ChercheNomPatrimoineAbsent)->Unit(benchmark::kMillisecond);

// The whole list read once and indexed, as a reader of many references does.
void BM_ReadReferenceList(benchmark::State& state) {
    const auto path = folder().path() / "indexed.csv";
    bench::writeFile(path, bench::referenceListContent(20'000));
    for (auto _ : state) {
        const ReferenceList list = readReferenceList(path);
        benchmark::DoNotOptimize(list.find("2a999"));
    }
}
BENCHMARK(BM_ReadReferenceList)->Unit(benchmark::kMillisecond);

// A known correspondent in the middle of the memory: its line is replaced in place.
void BM_MajPrenom(benchmark::State& state) {
    const auto path = folder().path() / kFirstNameFile;
    std::vector<std::string> memory;
    for (int i = 0; i < 2'000; ++i) {
        memory.push_back(
            firstNameKey("F" + std::to_string(10'000 + i), bench::twoDigits(i % 95), "PAUL"));
    }
    bench::writeFile(path, joinLines(memory));
    for (auto _ : state) {
        if (Maj_Prenom(path, firstNameKey("F11000", "89", "PIERRE"))) {
            state.SkipWithError("update failed");
        }
    }
}
BENCHMARK(BM_MajPrenom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
