#include "reports/missing_qsls.h"

#include "model/callsign_messages.h"
#include "model/cp1252.h"
#include "reports/fixed_width.h"

namespace orv {

std::string missingQslRow(const LogRecord& record) {
    namespace f = log_field;
    return fixedRow({
        {0, record.date, f::kDate.width},
        {2, record.time, f::kTime.width},
        {3, record.departement, kAsItIs},
        {3, "PC  ", kAsItIs},
        {0, record.reference, kAsItIs},
        {3, record.mode, f::kMode.width},
        {2, record.band, f::kBand.width},
        {2, record.reportReceived, f::kReportReceived.width},
        {2, record.reportSent, f::kReportSent.width},
        {3, record.siteName, f::kSiteName.width},
    });
}

std::optional<std::string_view> missingQslSearchRefusal(std::string_view typed) {
    if (typed.empty()) {
        return msg::kCallsignEmpty;
    }
    return std::nullopt;
}

std::vector<std::string> missingQslRows(std::string_view searchText,
                                        const std::vector<std::string>& logLines) {
    const std::string wanted = toUpperCp1252(searchText);
    std::vector<std::string> rows;
    for (const std::string& line : logLines) {
        const LoggedQso qso = readLogLine(line);
        if (qso.qslFlag != "*" && qso.record.callsign.find(wanted) != std::string::npos) {
            rows.push_back(missingQslRow(qso.record));
        }
    }
    return rows;
}

}  // namespace orv
