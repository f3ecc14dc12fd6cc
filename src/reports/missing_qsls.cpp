#include "reports/missing_qsls.h"

#include "model/cp1252.h"
#include "reports/fixed_width.h"

namespace orv {

std::string missingQslRow(const LogRecord& record) {
    namespace f = log_field;
    std::string row;
    appendFixed(row, record.date, f::kDate.width);
    appendBlanks(row, 2);
    appendFixed(row, record.time, f::kTime.width);
    appendBlanks(row, 3);
    row += record.departement;
    appendBlanks(row, 3);
    row += "PC  ";
    row += record.reference;
    appendBlanks(row, 3);
    appendFixed(row, record.mode, f::kMode.width);
    appendBlanks(row, 2);
    appendFixed(row, record.band, f::kBand.width);
    appendBlanks(row, 2);
    appendFixed(row, record.reportReceived, f::kReportReceived.width);
    appendBlanks(row, 2);
    appendFixed(row, record.reportSent, f::kReportSent.width);
    appendBlanks(row, 3);
    appendFixed(row, record.siteName, f::kSiteName.width);
    return row;
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
