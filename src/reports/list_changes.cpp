#include "reports/list_changes.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "reports/fixed_width.h"
#include "reports/site_keys.h"

namespace orv {
namespace {

constexpr std::size_t kReferenceWidth = 5;
constexpr std::size_t kNameWidth = 30;

using SitesByKey = std::unordered_map<std::string, const ReferenceSite*>;

SitesByKey sitesByKey(const std::vector<const ReferenceSite*>& sites) {
    SitesByKey byKey;
    byKey.reserve(sites.size());
    for (const ReferenceSite* site : sites) {
        byKey.emplace(referenceKey(site->reference), site);
    }
    return byKey;
}

// French takes the singular below two: "0 nouveau", "1 retiré", "2 renommés".
std::string counted(std::size_t count, std::string_view singular, std::string_view plural) {
    return std::to_string(count) + " " + std::string(count < 2 ? singular : plural);
}

std::string markOf(bool inLog) {
    return inLog ? "*" : " ";
}

std::string changedRow(const ChangedSite& changed) {
    const std::string mark = markOf(changed.inLog);
    const std::string commune = communeOf(changed.site);
    return fixedRow({{1, mark, 1},
                     {2, changed.site.reference, kReferenceWidth},
                     {2, changed.site.name, kNameWidth},
                     {2, commune, kAsItIs}});
}

std::string renamedRow(const RenamedSite& renamed) {
    const std::string mark = markOf(renamed.inLog);
    return fixedRow({{1, mark, 1},
                     {2, renamed.reference, kReferenceWidth},
                     {2, renamed.oldName, kNameWidth},
                     {2, renamed.newName, kAsItIs}});
}

template <class Site, class Row>
void addGroup(std::vector<std::string>& rows, std::string heading, const std::vector<Site>& sites,
              Row row) {
    rows.push_back(heading);
    for (const Site& site : sites) {
        rows.push_back(row(site));
    }
}

}  // namespace

int ListChanges::concerned() const {
    const auto inLog = [](const auto& site) { return site.inLog; };
    return int(std::count_if(added.begin(), added.end(), inLog) +
               std::count_if(renamed.begin(), renamed.end(), inLog) +
               std::count_if(withdrawn.begin(), withdrawn.end(), inLog));
}

bool ListChanges::renamedInLog() const {
    return std::any_of(renamed.begin(), renamed.end(),
                       [](const RenamedSite& site) { return site.inLog; });
}

ListChanges compareLists(const ReferenceList& before, const ReferenceList& after,
                         const std::vector<std::string>& logLines) {
    const std::vector<const ReferenceSite*> oldSites = distinctSites(before.sites());
    const std::vector<const ReferenceSite*> newSites = distinctSites(after.sites());
    const SitesByKey oldByKey = sitesByKey(oldSites);
    const SitesByKey newByKey = sitesByKey(newSites);
    const std::unordered_set<std::string> logged = loggedReferenceKeys(logLines);

    ListChanges changes{before.revision(), after.revision(), {}, {}, {}};
    for (const ReferenceSite* site : newSites) {
        const std::string key = referenceKey(site->reference);
        const bool inLog = logged.contains(key);
        const auto old = oldByKey.find(key);
        if (old == oldByKey.end()) {
            changes.added.push_back({*site, inLog});
        } else if (old->second->name != site->name) {
            changes.renamed.push_back({site->reference, old->second->name, site->name, inLog});
        }
    }
    for (const ReferenceSite* site : oldSites) {
        const std::string key = referenceKey(site->reference);
        if (!newByKey.contains(key)) {
            changes.withdrawn.push_back({*site, logged.contains(key)});
        }
    }
    return changes;
}

std::string listChangesCountLine(const ListChanges& changes) {
    return counted(changes.added.size(), "nouveau", "nouveaux") + ", " +
           counted(changes.renamed.size(), "renomm\xE9", "renomm\xE9s") + ", " +
           counted(changes.withdrawn.size(), "retir\xE9", "retir\xE9s") + " ; " +
           counted(std::size_t(changes.concerned()), "de votre log concern\xE9",
                   "de votre log concern\xE9s");
}

std::optional<std::string> revisionChangeLine(const ListChanges& changes) {
    if (!changes.oldRevision || !changes.newRevision) {
        return std::nullopt;
    }
    return *changes.oldRevision +
           " remplac\xE9"
           "e par " +
           *changes.newRevision;
}

std::vector<std::string> listChangesRows(const ListChanges& changes) {
    std::vector<std::string> rows;
    rows.reserve(changes.added.size() + changes.renamed.size() + changes.withdrawn.size() + 5);
    addGroup(rows, "Nouveaux (" + std::to_string(changes.added.size()) + ")", changes.added,
             changedRow);
    rows.emplace_back();
    addGroup(rows,
             "Renomm\xE9s (" + std::to_string(changes.renamed.size()) +
                 ") : ancien nom, puis nouveau nom",
             changes.renamed, renamedRow);
    rows.emplace_back();
    addGroup(rows, "Retir\xE9s (" + std::to_string(changes.withdrawn.size()) + ")",
             changes.withdrawn, changedRow);
    return rows;
}

}  // namespace orv
