#include "reports/award_list.h"

#include "reports/fixed_width.h"

namespace orv {

std::string awardListRow(const LogRecord& record) {
    namespace f = log_field;
    std::string row;
    row.reserve(76);
    appendBlanks(row, 1);
    appendFixed(row, record.reference, f::kReference.width + 3);
    appendBlanks(row, 2);
    appendFixed(row, record.departement, f::kDepartement.width);
    appendBlanks(row, 2);
    appendFixed(row, record.siteName, f::kSiteName.width);
    appendBlanks(row, 2);
    appendFixed(row, record.date, f::kDate.width);
    appendBlanks(row, 2);
    appendFixed(row, record.time, f::kTime.width);
    appendBlanks(row, 2);
    appendFixed(row, record.callsign, f::kCallsign.width);
    return row;
}

std::vector<std::string> awardListRows(const std::vector<LoggedQso>& qsos) {
    std::vector<std::string> rows;
    rows.reserve(qsos.size());
    for (const LoggedQso& qso : qsos) {
        if (qso.qslFlag == "*" || qso.qslFlag == " ") {
            rows.push_back(awardListRow(qso.record));
        }
    }
    return rows;
}

}  // namespace orv
