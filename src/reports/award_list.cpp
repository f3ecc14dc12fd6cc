#include "reports/award_list.h"

#include "reports/award_progress.h"
#include "reports/fixed_width.h"

namespace orv {

std::string awardListRow(const LogRecord& record) {
    namespace f = log_field;
    return fixedRow({
        {1, record.reference, f::kReference.width + 3},
        {2, record.departement, f::kDepartement.width},
        {2, record.siteName, f::kSiteName.width},
        {2, record.date, f::kDate.width},
        {2, record.time, f::kTime.width},
        {2, record.callsign, f::kCallsign.width},
    });
}

std::vector<std::string> awardListRows(const std::vector<LoggedQso>& qsos) {
    std::vector<std::string> rows;
    rows.reserve(qsos.size());
    for (const LoggedQso& qso : qsos) {
        if (countsForAward(qso)) {
            rows.push_back(awardListRow(qso.record));
        }
    }
    return rows;
}

}  // namespace orv
