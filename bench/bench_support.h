#pragma once
// What every benchmark program builds its files from: sample QSOs and logs and files written
// whole, in a temporary folder shared with the tests; and the run itself, with the program's
// memory settings. No windows: the logic benchmarks need none.

#include <filesystem>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace orv::bench {

// How many different callsigns sampleCallsign gives before it starts again.
inline constexpr int kSampleCallsigns = 6'084;

// A value of 0 to 99 on two digits, as dates, times and departements are written.
std::string twoDigits(int value);

// The callsign of correspondent number n: "F", a digit, two letters, "X".
std::string sampleCallsign(int n);

// The QSO at position i of a log kept in date order, a new day every 40 QSOs, worked with the
// first `correspondents` sample callsigns in turn; the QSL of every third QSO is received.
std::string qsoLine(int i, int correspondents = kSampleCallsigns);

// The first `lines` QSOs of that log, each line ended by CR LF.
std::string logContent(int lines, int correspondents = kSampleCallsigns);

// A reference list of `sites` site lines after its revision line: departements 1 to 95 in turn,
// numbers from 000 up, so that from 9,500 sites on every QSO of logContent finds its site.
std::string referenceListContent(int sites);

// Replaces the file's content with bytes; throws when it cannot, so no figure is taken on a file
// that is not there.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// Runs the benchmarks named on the command line with the memory settings of the program itself.
int runBenchmarks(int argc, char** argv);

}  // namespace orv::bench
