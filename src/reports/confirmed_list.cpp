#include "reports/confirmed_list.h"

#include "model/column_header.h"
#include "reports/fixed_width.h"

namespace orv {

std::string confirmedListRow(const LoggedQso& qso) {
    namespace f = log_field;
    const LogRecord& record = qso.record;
    return fixedRow({
        {1, record.reference, f::kReference.width},
        {2, record.siteName, f::kSiteName.width},
        {2, record.date, f::kDate.width},
        {2, record.callsign, f::kCallsign.width},
        {2, qso.qslFlag, f::kQsl.width},
    });
}

std::string confirmedListHeader() {
    // The columns of the pieces of confirmedListRow.
    return columnHeader({{"Ref", {2, 5}},
                         {"Nom du Patrimoine", {9, 30}, HeaderAlign::Centre},
                         {"Date", {41, 8}},
                         {"Indicatif", {51, 12}},
                         {"QSL", {65, 1}, HeaderAlign::Centre}});
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
