// Writes a log full of awkward lines and its ADIF export into the folder given, for the check by an
// independent ADIF parser (check_adif.js).

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "export/adif.h"
#include "model/log_line.h"
#include "model/text_lines.h"

namespace {

std::string line(orv::LogRecord record) {
    return orv::formatLogLine(record).value();
}

std::vector<std::string> sampleLog() {
    std::vector<std::string> lines = {
        line({"F4ABC/P", "89", "Jean", "89001", "07/03/21", "14:05", "SSB", "3.5 Mhz", "59", "57",
              "Ch\xE2teau de Gu\xE9"
              "delon",
              true}),
        line({"TM5PC", "2a", "", "2a001", "31/12/99", "23:59", "CW", "10 Mhz", "599", "579",
              "Tour g\xE9noise de l'\xEEle \x9C\x80 plein", false}),
        line({"F5XYZ", "75", "\xC9MILE", "75056", "01/01/00", "00:00", "FM", "432 Mhz", "", "",
              std::string(30, '\xE0'), true}),
        "",
        "F6AAA        13   PAUL",
        std::string(107, ' '),
    };
    for (const char* band : {"1.8 Mhz", "5.0 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                             "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz"}) {
        lines.push_back(line({"F1BAND", "01", "A B", "01001", "15/08/24", "12:30", "SSB", band, "5",
                              "9", "  nom  avec  blancs  ", false}));
    }
    std::string longLine = lines.front() + "   suite inattendue <eor> <CALL:3>XXX";
    longLine[106] = '+';
    lines.push_back(longLine);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_sample_export FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::vector<std::string> log = sampleLog();
    std::ofstream(folder / "F4ABC_PC.log", std::ios::binary) << orv::joinLines(log);
    std::ofstream adif(folder / "F4ABC_PC.adi", std::ios::binary);
    adif << orv::adifContent("F4ABC", log);
    return adif.flush() ? 0 : 1;
}
