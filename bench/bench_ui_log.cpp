// What the operator waits for at the window level: the main window coming up on a long log, the
// main list reloaded, and each rewrite of the log through to the reloaded list with its last row
// selected; beside them, a plain copy of the same log with fsync as the floor the disk sets.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "bench_ui_support.h"
#include "model/unique_fd.h"

namespace orv {
namespace {

void BM_StartUpToVisibleWindow(benchmark::State& state) {
    bench::writeFile(bench::windowDesk().logFile(), bench::logContent(int(state.range(0))));
    for (auto _ : state) {
        std::unique_ptr<MainWindow> window = bench::windowDesk().startedWindow();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToVisibleWindow)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Charge_Log(benchmark::State& state) {
    bench::writeFile(bench::windowDesk().logFile(), bench::logContent(int(state.range(0))));
    const std::unique_ptr<MainWindow> window = bench::windowDesk().startedWindow();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->log().Charge_Log());
    }
}
BENCHMARK(BM_Charge_Log)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr int kRewriteLines = 9'999;

// One rewrite end to end (read, scratch write, fsync, rename, reload, last row selected), the log
// put back as it was between iterations.
void measureRewrite(benchmark::State& state,
                    const std::function<WriteOutcome(LogService&)>& rewrite) {
    const std::string content = bench::logContent(kRewriteLines);
    bench::writeFile(bench::windowDesk().logFile(), content);
    const std::unique_ptr<MainWindow> window = bench::windowDesk().startedWindow();
    for (auto _ : state) {
        if (rewrite(window->log()) != WriteOutcome::Written) {
            state.SkipWithError("the rewrite failed");
            break;
        }
        state.PauseTiming();
        bench::writeFile(bench::windowDesk().logFile(), content);
        state.ResumeTiming();
    }
}

void BM_Ajoute_Ligne(benchmark::State& state) {
    const std::string newLine = bench::qsoLine(kRewriteLines);
    measureRewrite(state, [&newLine](LogService& log) { return log.Ajoute_Ligne(newLine); });
}

void BM_Insere_Ligne(benchmark::State& state) {
    // Dated like the QSOs in the middle of the log, so that half of it is copied after it.
    const std::string newLine = bench::qsoLine(kRewriteLines / 2);
    measureRewrite(state, [&newLine](LogService& log) { return log.Insere_Ligne(newLine); });
}

void BM_Remplace_Ligne(benchmark::State& state) {
    const std::string oldLine = bench::qsoLine(kRewriteLines / 2);
    std::string newLine = oldLine;
    newLine.back() = newLine.back() == '*' ? ' ' : '*';
    measureRewrite(state, [&newLine, &oldLine](LogService& log) {
        return log.Remplace_Ligne(newLine, oldLine);
    });
}

void BM_Supprime_Ligne(benchmark::State& state) {
    const std::string line = bench::qsoLine(kRewriteLines / 2);
    measureRewrite(state, [&line](LogService& log) { return log.Supprime_Ligne(line); });
}

BENCHMARK(BM_Ajoute_Ligne)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Insere_Ligne)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Remplace_Ligne)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Supprime_Ligne)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same log read and written once to another file, flushed to the disk.
void BM_PlainCopyWithFsync(benchmark::State& state) {
    bench::writeFile(bench::windowDesk().logFile(), bench::logContent(kRewriteLines));
    const std::filesystem::path copy = bench::windowDesk().dataFile("Copie.txt");
    for (auto _ : state) {
        std::ifstream in(bench::windowDesk().logFile(), std::ios::binary);
        std::ostringstream read;
        read << in.rdbuf();
        const std::string bytes = read.str();
        const UniqueFd out(::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (!out.valid() ||
            ::write(out.get(), bytes.data(), bytes.size()) != ssize_t(bytes.size()) ||
            ::fsync(out.get()) != 0) {
            state.SkipWithError("the copy failed");
            break;
        }
    }
    std::filesystem::remove(copy);
}
BENCHMARK(BM_PlainCopyWithFsync)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
