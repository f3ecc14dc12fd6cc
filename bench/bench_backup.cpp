// The daily copy of the log at the first start of a day: what the start-up itself spends on it
// (reading the log and handing the copy to the background), and the whole copy with its flushes to
// the disk, which the operator never waits for. Also a start on a day already copied.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "model/daily_backup.h"

namespace orv {
namespace {

constexpr CalendarDay kToday{2024, 3, 4};

const test::TempFolder& folder() {
    static const test::TempFolder instance("orv_bench_backup");
    return instance;
}

void writeLog(int lines) {
    bench::writeFile(folder() / "F4ABC_PC.log", bench::logContent(lines));
}

void removeTodaysCopy() {
    std::filesystem::remove(folder() / kBackupFolder / backupFileName("F4ABC", kToday));
}

void BM_BackupStartUpShare(benchmark::State& state) {
    writeLog(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DailyBackup backup(folder().path(), "F4ABC", kToday);
        state.PauseTiming();
        if (backup.wait()) {
            state.SkipWithError("backup failed");
        }
        removeTodaysCopy();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BackupStartUpShare)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_BackupWholeCopy(benchmark::State& state) {
    writeLog(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (DailyBackup(folder().path(), "F4ABC", kToday).wait()) {
            state.SkipWithError("backup failed");
        }
        state.PauseTiming();
        removeTodaysCopy();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BackupWholeCopy)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_BackupAlreadyDoneToday(benchmark::State& state) {
    writeLog(10'000);
    DailyBackup(folder().path(), "F4ABC", kToday).wait();
    for (auto _ : state) {
        DailyBackup backup(folder().path(), "F4ABC", kToday);
        benchmark::DoNotOptimize(backup.wait());
    }
}
BENCHMARK(BM_BackupAlreadyDoneToday)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runBenchmarks(argc, argv);
}
