#pragma once
// The list of contacted and confirmed sites: every line of the log in file order, blank lines
// included, each with its QSL mark, re-padded to fixed columns (Windows-1252 text).

#include <string>
#include <vector>

#include "model/log_line.h"

namespace orv {

struct ConfirmedList {
    std::vector<std::string> rows;
    int contacted = 0;  // every line of the log
    int confirmed = 0;  // the lines whose QSL column holds "*"
};

// One blank, the reference (5), two blanks, the site name (30), two blanks, the date (8), two
// blanks, the callsign (12), two blanks, the QSL column (1): 65 characters.
std::string confirmedListRow(const LoggedQso& qso);

// The header over the rows on screen: "Ref", "Nom du Patrimoine", "Date", "Indicatif" and "QSL",
// each over its column.
std::string confirmedListHeader();

ConfirmedList confirmedList(const std::vector<LoggedQso>& qsos);

}  // namespace orv
