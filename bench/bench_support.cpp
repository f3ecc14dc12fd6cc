#include "bench_support.h"

#include <benchmark/benchmark.h>

#include "platform/memory_tuning.h"

#include <stdlib.h>

#include <array>
#include <fstream>
#include <stdexcept>

#include "model/log_line.h"

namespace orv::bench {

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string sampleCallsign(int n) {
    return "F" + std::to_string(1 + n % 9) + static_cast<char>('A' + n % 26) +
           static_cast<char>('A' + n / 26 % 26) + "X";
}

std::string qsoLine(int i, int correspondents) {
    static constexpr std::array<const char*, 5> kBands = {"7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz",
                                                          "144 Mhz"};
    const int day = i / 40;
    LogRecord record;
    record.callsign = sampleCallsign(i % correspondents);
    record.departement = twoDigits(1 + i % 95);
    record.firstName = "JEAN";
    record.reference = record.departement + "0" + twoDigits(i % 100);
    record.date = twoDigits(1 + day % 28) + "/" + twoDigits(1 + day / 28 % 12) + "/" +
                  twoDigits(day / 336 % 50);
    record.time = twoDigits(i % 24) + ":" + twoDigits(i % 60);
    record.mode = "SSB";
    record.band = kBands[static_cast<std::size_t>(i % 5)];
    record.reportReceived = "59";
    record.reportSent = "59";
    record.siteName = "CHATEAU DE LA ROCHE";
    record.qslReceived = i % 3 == 0;
    return formatLogLine(record).value();
}

std::string logContent(int lines, int correspondents) {
    std::string content;
    content.reserve(static_cast<std::size_t>(lines) * (kLogLineLength + 2));
    for (int i = 0; i < lines; ++i) {
        content += qsoLine(i, correspondents) + "\r\n";
    }
    return content;
}

std::string referenceListContent(int sites) {
    std::string list = "Rev 012 01/01/24;;;;;;;\r\n";
    for (int i = 0; i < sites; ++i) {
        const int number = i / 95 % 1'000;
        const std::string reference =
            twoDigits(1 + i % 95) + std::to_string(number / 100) + twoDigits(number % 100);
        list += "PC-" + reference + ";Ch\xE2teau num\xE9ro " + std::to_string(i) + ";x;" +
                std::to_string(i) + ";x;Commune;Haute;Yonne\r\n";
    }
    return list;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int runBenchmarks(int argc, char** argv) {
    keepMemoryBetweenRewrites();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace orv::bench
