#pragma once
// The rows of the award list: every QSO of the log in file order, whatever its band or QSL, each
// re-padded to fixed columns (Windows-1252 text). The list is not sorted and keeps duplicates.

#include <string>
#include <string_view>
#include <vector>

#include "model/log_line.h"

namespace orv {

// One blank, the reference (5) and three blanks, two blanks, the departement (2), two blanks, the
// site name (30), two blanks, the date (8), two blanks, the time (5), two blanks, the callsign
// (12): 76 characters.
std::string awardListRow(const LogRecord& record);

// The header over the rows on screen, each word over the column of awardListRow it names.
inline constexpr std::string_view kAwardListHeader =
    "    Ref     Dpt   Nom du Site                      Date   Heure Indicatif";

// One row per QSO that counts for the award (countsForAward); the contacted count is their number.
std::vector<std::string> awardListRows(const std::vector<LoggedQso>& qsos);

}  // namespace orv
