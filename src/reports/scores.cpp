#include "reports/scores.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "reports/departement_code.h"

namespace orv {
namespace {

constexpr std::array<std::string_view, 10> kScoredBands = {
    "1.8 Mhz", "3.5 Mhz", "5.0 Mhz", "7.0 Mhz", "14 Mhz",
    "18 Mhz",  "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz",
};

constexpr int kLastSlot = kCorsicaNorth;

}  // namespace

bool isScoredBand(std::string_view band) {
    return std::find(kScoredBands.begin(), kScoredBands.end(), band) != kScoredBands.end();
}

Scores computeScores(const std::vector<LoggedQso>& qsos) {
    Scores scores;
    std::bitset<kLastSlot + 1> confirmedSlots;
    for (const LoggedQso& qso : qsos) {
        if (!isScoredBand(qso.record.band)) {
            continue;
        }
        ++scores.contacted;
        if (qso.qslFlag != "*") {
            continue;
        }
        ++scores.confirmed;
        const int slot = departementNumber(qso.record.departement);
        if (slot >= 1 && slot <= kLastSlot) {
            confirmedSlots.set(static_cast<std::size_t>(slot));
        }
    }
    scores.confirmedDepartements = static_cast<int>(confirmedSlots.count());
    return scores;
}

}  // namespace orv
