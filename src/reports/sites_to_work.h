#pragma once
// The hunt: the sites of the reference list that the station's log has not worked yet, in one
// departement or in all, on one band or on any. A site counts as worked when a QSO's reference
// equals its own whatever the letter case; on a band, when that QSO was made on that band (its
// label exactly, as the band list writes it). Text is Windows-1252.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/reference_list.h"

namespace orv {

// The band of a choice: an index in kBandLabels, or any band.
inline constexpr int kAnyBand = -1;

struct HuntChoice {
    std::string departement;  // empty for every departement
    int band = kAnyBand;
};

struct SitesToWork {
    std::vector<const ReferenceSite*> sites;  // in list order, each reference once
    std::vector<std::string> rows;            // one per site
    int inDepartement = 0;  // the list's sites in the departement chosen (or in all)
};

// A departement as the map tells it: the list's sites there and how many of them were worked.
struct DepartementTally {
    int sites = 0;
    int worked = 0;
    bool operator==(const DepartementTally&) const = default;
};

// The departement of a site: the first two characters of its reference, in lower case.
std::string departementOf(std::string_view reference);

// The order of the departements: "01" to "19", "2a", "2b", "21" to "95", then any other in text
// order.
bool departementBefore(std::string_view left, std::string_view right);

class SiteHunt {
public:
    // What the log's lines worked of each site, learnt once: a new choice is then a pass over the
    // sites.
    SiteHunt(ReferenceList list, const std::vector<std::string>& logLines);

    // Every departement the list holds, in departement order.
    const std::vector<std::string>& departements() const { return departements_; }

    SitesToWork toWork(const HuntChoice& choice) const;
    // Every departement of the list with its tally, in one pass over the sites.
    std::map<std::string, DepartementTally> tallies() const;

private:
    struct Site {
        std::size_t index;  // in the list's sites
        std::string departement;
        unsigned workedBands = 0;  // a bit per band of kBandLabels, then one for any band
    };

    ReferenceList list_;
    std::vector<Site> sites_;
    std::vector<std::string> departements_;
};

// The reference (5), two blanks, the name (30, cut or padded), two blanks, the commune.
std::string sitesToWorkRow(const ReferenceSite& site);

// The header over the rows: "Ref", "Nom du Patrimoine" and "Commune" over their columns, after
// numberWidth characters of a row number ("N°" over them) and indent blanks before it all.
std::string sitesToWorkHeader(std::size_t indent = 0, std::size_t numberWidth = 0);

// "89, 14 Mhz", "tous départements, toutes bandes".
std::string huntChoicesText(const HuntChoice& choice);

// "37 Patrimoines à contacter sur 48 (89, 14 Mhz)".
std::string sitesToWorkCountLine(const SitesToWork& found, const HuntChoice& choice);

// "89 : 11 Patrimoines contactés sur 48".
std::string departementTallyText(std::string_view departement, const DepartementTally& tally);

}  // namespace orv
