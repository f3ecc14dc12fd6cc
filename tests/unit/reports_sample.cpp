#include "unit/reports_sample.h"

namespace orv::test {

std::string sampleLine(const SampleQso& qso) {
    return formatLogLine({std::string(qso.callsign), std::string(qso.departement), "PAUL",
                          std::string(qso.reference), "12/03/21", "14:05", "SSB",
                          std::string(qso.band), "59", "57", std::string(qso.siteName), qso.qsl})
        .value();
}

std::vector<LoggedQso> qsosOf(const std::vector<std::string>& lines) {
    return readLogLines(lines);
}

}  // namespace orv::test
