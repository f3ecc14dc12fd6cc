#include "reports/confirmed_list.h"

#include "reports/fixed_width.h"

namespace orv {

std::string confirmedListRow(const LoggedQso& qso) {
    namespace f = log_field;
    const LogRecord& record = qso.record;
    std::string row;
    row.reserve(65);
    appendBlanks(row, 1);
    appendFixed(row, record.reference, f::kReference.width);
    appendBlanks(row, 2);
    appendFixed(row, record.siteName, f::kSiteName.width);
    appendBlanks(row, 2);
    appendFixed(row, record.date, f::kDate.width);
    appendBlanks(row, 2);
    appendFixed(row, record.callsign, f::kCallsign.width);
    appendBlanks(row, 2);
    appendFixed(row, qso.qslFlag, f::kQsl.width);
    return row;
}

ConfirmedList confirmedList(const std::vector<LoggedQso>& qsos) {
    ConfirmedList list;
    list.rows.reserve(qsos.size());
    for (const LoggedQso& qso : qsos) {
        list.rows.push_back(confirmedListRow(qso));
        if (qso.qslFlag == "*") {
            ++list.confirmed;
        }
    }
    list.contacted = static_cast<int>(qsos.size());
    return list;
}

}  // namespace orv
