#pragma once
// The scores of a station's log: QSOs on the scored bands, how many of them are confirmed, and in
// how many departements at least one of them is confirmed.

#include <string_view>
#include <vector>

#include "model/log_line.h"

namespace orv {

struct Scores {
    int contacted = 0;              // QSOs on a scored band, the same site counting each time
    int confirmed = 0;              // those with the QSL received
    int confirmedDepartements = 0;  // distinct departements 1 to 97 (2A is 96, 2B 97) confirmed
    bool operator==(const Scores&) const = default;
};

// The ten bands of the award: every band of the band list but "10 Mhz" and "144 Mhz". The label
// must match exactly, capitals included.
bool isScoredBand(std::string_view band);

// A line on another band counts nowhere; a confirmed line whose departement has no slot (none,
// above 97, or not a number) counts as confirmed but adds no departement.
Scores computeScores(const std::vector<LoggedQso>& qsos);

}  // namespace orv
