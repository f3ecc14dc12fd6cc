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

std::string loggedReferenceKey(std::string_view logLine) {
    return referenceKey(trimBlanks(readField(logLine, log_field::kReference)));
}

std::unordered_set<std::string> loggedReferenceKeys(const std::vector<std::string>& logLines) {
    std::unordered_set<std::string> keys;
    for (const std::string& line : logLines) {
        keys.insert(loggedReferenceKey(line));
    }
    return keys;
}

}  // namespace orv
