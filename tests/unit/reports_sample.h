#pragma once
// Sample QSOs for the report tests: a log line with the values a case cares about.

#include <string>
#include <string_view>
#include <vector>

#include "model/log_line.h"

namespace orv::test {

struct SampleQso {
    std::string_view callsign = "F4ABC";
    std::string_view departement = "89";
    std::string_view reference = "89001";
    std::string_view band = "14 Mhz";
    bool qsl = false;
    std::string_view siteName = "CHATEAU DE SENS";
};

// The 107-character log line of the sample, dated 12/03/21 at 14:05, SSB, 59 and 57.
std::string sampleLine(const SampleQso& qso);

// Lines read back as the report windows read the log.
std::vector<LoggedQso> qsosOf(const std::vector<std::string>& lines);

}  // namespace orv::test
