#include "reports/sites_to_work.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "model/band_labels.h"
#include "model/column_header.h"
#include "model/log_line.h"
#include "reports/fixed_width.h"
#include "reports/site_keys.h"

namespace orv {
namespace {

constexpr std::size_t kReferenceWidth = 5;
constexpr std::size_t kNameWidth = 30;
constexpr unsigned kAnyBandBit = 1u << kBandLabels.size();

// Where a departement stands among the numbered ones: 1 to 19, then 2a, 2b, then 21 to 95.
std::optional<int> departementRank(std::string_view departement) {
    if (departement == "2a" || departement == "2b") {
        return departement == "2a" ? 20 : 21;
    }
    if (departement.size() != 2 || departement[0] < '0' || departement[0] > '9' ||
        departement[1] < '0' || departement[1] > '9') {
        return std::nullopt;
    }
    const int number = (departement[0] - '0') * 10 + (departement[1] - '0');
    if (number < 1 || number == 20 || number > 95) {
        return std::nullopt;
    }
    return number < 20 ? number : number + 1;
}

unsigned bandBit(std::string_view band) {
    const auto found = std::find(kBandLabels.begin(), kBandLabels.end(), band);
    return found == kBandLabels.end() ? 0u : 1u << (found - kBandLabels.begin());
}

unsigned choiceBit(int band) {
    return band == kAnyBand ? kAnyBandBit : 1u << band;
}

}  // namespace

std::string departementOf(std::string_view reference) {
    return referenceKey(reference.substr(0, 2));
}

bool departementBefore(std::string_view left, std::string_view right) {
    const std::optional<int> leftRank = departementRank(left);
    const std::optional<int> rightRank = departementRank(right);
    if (leftRank && rightRank) {
        return *leftRank < *rightRank;
    }
    if (leftRank || rightRank) {
        return leftRank.has_value();
    }
    return left < right;
}

SiteHunt::SiteHunt(ReferenceList list, const std::vector<std::string>& logLines)
    : list_(std::move(list)) {
    const std::vector<ReferenceSite>& all = list_.sites();
    std::unordered_map<std::string, std::size_t> siteOfKey;
    std::unordered_set<std::string> departements;
    for (const ReferenceSite* site : distinctSites(all)) {
        siteOfKey.emplace(referenceKey(site->reference), sites_.size());
        sites_.push_back({std::size_t(site - all.data()), departementOf(site->reference)});
        if (departements.insert(sites_.back().departement).second) {
            departements_.push_back(sites_.back().departement);
        }
    }
    std::sort(departements_.begin(), departements_.end(), departementBefore);
    for (const std::string& line : logLines) {
        const auto found = siteOfKey.find(loggedReferenceKey(line));
        if (found != siteOfKey.end()) {
            sites_[found->second].workedBands |=
                kAnyBandBit | bandBit(trimBlanks(readField(line, log_field::kBand)));
        }
    }
}

SitesToWork SiteHunt::toWork(const HuntChoice& choice) const {
    SitesToWork found;
    const unsigned worked = choiceBit(choice.band);
    for (const Site& site : sites_) {
        if (!choice.departement.empty() && site.departement != choice.departement) {
            continue;
        }
        ++found.inDepartement;
        if ((site.workedBands & worked) == 0) {
            const ReferenceSite& listed = list_.sites()[site.index];
            found.sites.push_back(&listed);
            found.rows.push_back(sitesToWorkRow(listed));
        }
    }
    return found;
}

std::map<std::string, DepartementTally> SiteHunt::tallies() const {
    std::map<std::string, DepartementTally> tallies;
    for (const Site& site : sites_) {
        DepartementTally& tally = tallies[site.departement];
        ++tally.sites;
        tally.worked += (site.workedBands & kAnyBandBit) != 0 ? 1 : 0;
    }
    return tallies;
}

std::string sitesToWorkRow(const ReferenceSite& site) {
    const std::string commune = communeOf(site);
    return fixedRow(
        {{0, site.reference, kReferenceWidth}, {2, site.name, kNameWidth}, {2, commune, kAsItIs}});
}

std::string sitesToWorkHeader(std::size_t indent, std::size_t numberWidth) {
    const std::size_t start = indent + (numberWidth > 0 ? numberWidth + 1 : 0);
    const HeaderWord reference{"Ref", {start + 1, kReferenceWidth}};
    const HeaderWord name{"Nom du Patrimoine", {start + 3 + kReferenceWidth, kNameWidth}};
    const HeaderWord commune{"Commune", {start + 5 + kReferenceWidth + kNameWidth, 7}};
    if (numberWidth == 0) {
        return columnHeader({reference, name, commune});
    }
    return columnHeader(
        {{"N\xB0", {indent + 1, numberWidth}, HeaderAlign::Right}, reference, name, commune});
}

std::string huntChoicesText(const HuntChoice& choice) {
    const std::string departement =
        choice.departement.empty() ? "tous d\xE9partements" : choice.departement;
    const std::string band = choice.band == kAnyBand
                                 ? "toutes bandes"
                                 : std::string(kBandLabels[std::size_t(choice.band)]);
    return departement + ", " + band;
}

std::string sitesToWorkCountLine(const SitesToWork& found, const HuntChoice& choice) {
    return std::to_string(found.rows.size()) + " Patrimoines \xE0 contacter sur " +
           std::to_string(found.inDepartement) + " (" + huntChoicesText(choice) + ")";
}

std::string departementTallyText(std::string_view departement, const DepartementTally& tally) {
    return std::string(departement) + " : " + std::to_string(tally.worked) +
           " Patrimoines contact\xE9s sur " + std::to_string(tally.sites);
}

}  // namespace orv
