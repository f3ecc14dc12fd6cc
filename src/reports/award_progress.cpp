#include "reports/award_progress.h"

#include <algorithm>

namespace orv {
namespace {

// The caption of a level the log does not reach yet.
std::string notReachedText(int threshold) {
    return "Vous ne pouvez pas encore obtenir le diplome PC " + std::to_string(threshold);
}

}  // namespace

bool countsForAward(const LoggedQso& qso) {
    return qso.qslFlag == "*" || qso.qslFlag == " ";
}

int awardCount(const std::vector<LoggedQso>& qsos) {
    return static_cast<int>(std::count_if(qsos.begin(), qsos.end(), countsForAward));
}

std::string awardLevelName(int threshold) {
    return "PC_" + std::to_string(threshold);
}

AwardLevel awardLevel(int threshold, int count) {
    if (count >= threshold) {
        return {true, "Bravo vous pouvez obtenir le diplome PC " + std::to_string(threshold),
                "avec les " + std::to_string(count) + " Patrimoines contactés"};
    }
    return {false, notReachedText(threshold),
            "il vous manque " + std::to_string(threshold - count) + " Patrimoines contactés"};
}

}  // namespace orv
