// What the operator waits for after each action on a log of realistic size: loading the main list,
// the four rewrites (fsync and rename included), and the lookups made while a QSO is typed.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/contact_memory.h"
#include "model/list_row.h"
#include "model/log_file.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/reference_list.h"
#include "model/safe_file_write.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {
namespace {

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orv_bench_XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary folder for the benchmarks");
        }
        path_ = pattern;
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder() { std::filesystem::remove_all(path_); }

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

const BenchFolder& folder() {
    static const BenchFolder instance;
    return instance;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// A log of QSOs in date order: French callsigns, references of every departement, the usual bands.
std::vector<std::string> realisticLog(std::size_t count) {
    static const std::vector<std::string> bands = {"3.5 Mhz", "7.0 Mhz", "14 Mhz",
                                                   "21 Mhz",  "28 Mhz",  "144 Mhz"};
    static const std::vector<std::string> names = {"PAUL", "JEAN-PIERRE", "\xC9LODIE", "MARC"};
    std::mt19937 random(42);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string departement = twoDigits(static_cast<int>(1 + random() % 95));
        const std::string callsign =
            std::string("F") + "145689"[random() % 6] + static_cast<char>('A' + random() % 26) +
            static_cast<char>('A' + random() % 26) + static_cast<char>('A' + random() % 26);
        const int day = static_cast<int>(i / 24);
        LogRecord record{callsign,
                         departement,
                         names[random() % names.size()],
                         departement + std::to_string(100 + random() % 900),
                         twoDigits(1 + day % 28) + "/" + twoDigits(1 + day / 28 % 12) + "/" +
                             twoDigits(static_cast<int>(10 + day / 336)),
                         twoDigits(static_cast<int>(i % 24)) + ":" + twoDigits(random() % 60),
                         "SSB",
                         bands[random() % bands.size()],
                         "59",
                         "59",
                         "CH\xC2TEAU DE LA COMMUNE " + std::to_string(i),
                         random() % 3 == 0};
        lines.push_back(formatLogLine(record));
    }
    return lines;
}

std::filesystem::path writtenLog(std::string_view name, std::size_t count) {
    const auto path = folder() / name;
    writeFile(path, joinLines(realisticLog(count)));
    return path;
}

void BM_LoadLogIntoList(benchmark::State& state) {
    const auto path = writtenLog("load_PC.log", static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const LogLoad load = readLog(path);
        std::vector<std::string> rows;
        rows.reserve(load.lines.size());
        for (std::size_t i = 0; i < load.lines.size(); ++i) {
            rows.push_back(makeListRow(i + 1, load.lines[i]));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_LoadLogIntoList)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond);

// Each rewrite starts from the same 9,999-line log, put back outside the timing.
void BM_RewriteLog(benchmark::State& state) {
    const auto rule = static_cast<RewriteRule>(state.range(0));
    const std::vector<std::string> lines = realisticLog(9'999);
    const std::string content = joinLines(lines);
    const auto path = folder() / "rewrite_PC.log";
    const std::string& middle = lines[lines.size() / 2];
    std::string newLine = middle;
    newLine[0] = 'G';
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(path, content);
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
    const auto path = writtenLog("copy_PC.log", 9'999);
    const auto copy = folder() / "copy.txt";
    FileSystemCalls& calls = systemFileCalls();
    for (auto _ : state) {
        std::error_code error;
        const std::string content = readWholeFile(path, error);
        const int fd = calls.openForWriting(copy.c_str());
        calls.writeAll(fd, content);
        calls.flushToDisk(fd);
        calls.close(fd);
    }
}
BENCHMARK(BM_CopyLogBaseline)->Unit(benchmark::kMillisecond);

void BM_DejaContacteNoMatch(benchmark::State& state) {
    const auto path = writtenLog("contact_PC.log", 9'999);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Deja_Contacte(path, "2a999", "14 Mhz"));
    }
}
BENCHMARK(BM_DejaContacteNoMatch)->Unit(benchmark::kMillisecond);

void BM_ChercheNomPatrimoineAbsent(benchmark::State& state) {
    const auto path = folder() / kReferenceListFile;
    std::string list = "Rev 012 01/01/24;;;;;;;\r\n";
    for (int i = 0; i < 20'000; ++i) {
        const std::string reference = twoDigits(1 + i % 95) + std::to_string(100 + i % 900);
        list += "PC-" + reference + ";Ch\xE2teau num\xE9ro " + std::to_string(i) + ";x;" +
                std::to_string(i) + ";x;Commune;Haute;Yonne\r\n";
    }
    writeFile(path, list);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cherche_Nom_Patrimoine(path, "2a999"));
    }
}
BENCHMARK(BM_ChercheNomPatrimoineAbsent)->Unit(benchmark::kMillisecond);

// A known correspondent in the middle of the memory: its line is replaced in place.
void BM_MajPrenom(benchmark::State& state) {
    const auto path = folder() / kFirstNameFile;
    std::vector<std::string> memory;
    for (int i = 0; i < 2'000; ++i) {
        memory.push_back(firstNameKey("F" + std::to_string(10'000 + i), twoDigits(i % 95), "PAUL"));
    }
    writeFile(path, joinLines(memory));
    for (auto _ : state) {
        if (Maj_Prenom(path, firstNameKey("F11000", "89", "PIERRE"))) {
            state.SkipWithError("update failed");
        }
    }
}
BENCHMARK(BM_MajPrenom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
