#pragma once
// How far the log is towards the five award levels PC 100 to PC 500. The texts are the captions of
// the award window, in UTF-8: they are shown, never written to a file.

#include <array>
#include <string>
#include <vector>

#include "model/log_line.h"

namespace orv {

inline constexpr std::array<int, 5> kAwardThresholds = {100, 200, 300, 400, 500};

// The award counts every QSO whatever its band and QSL: each line whose QSL column holds "*" or
// a blank. A line too short to reach that column does not count.
bool countsForAward(const LoggedQso& qso);
int awardCount(const std::vector<LoggedQso>& qsos);

// The name of a level as the award list and its files use it: "PC_100" to "PC_500".
std::string awardLevelName(int threshold);

// One level's row of the award window for a count: reached at the threshold or above.
struct AwardLevel {
    bool reached = false;
    std::string status;  // "Bravo vous pouvez ..." when reached, else "Vous ne pouvez pas ..."
    std::string detail;  // "avec les N ..." when reached, "il vous manque N ..." when not
};

AwardLevel awardLevel(int threshold, int count);

}  // namespace orv
