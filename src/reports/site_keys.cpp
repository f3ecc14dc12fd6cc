#include "reports/site_keys.h"

#include "model/cp1252.h"

namespace orv {

std::string referenceKey(std::string_view reference) {
    return toLowerCp1252(reference);
}

std::vector<const ReferenceSite*> distinctSites(const std::vector<ReferenceSite>& sites) {
    std::vector<const ReferenceSite*> distinct;
    distinct.reserve(sites.size());
    std::unordered_set<std::string> seen;
    seen.reserve(sites.size());
    for (const ReferenceSite& site : sites) {
        if (!site.reference.empty() && seen.insert(referenceKey(site.reference)).second) {
            distinct.push_back(&site);
        }
    }
    return distinct;
}

std::unordered_set<std::string> loggedReferenceKeys(const std::vector<LoggedQso>& qsos) {
    std::unordered_set<std::string> keys;
    for (const LoggedQso& qso : qsos) {
        keys.insert(referenceKey(qso.record.reference));
    }
    return keys;
}

}  // namespace orv
