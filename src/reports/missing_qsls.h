#pragma once
// The QSOs of a station whose QSL card has not come yet, found in the lines of the main list (which
// always holds the whole log) by a part of the callsign.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/log_line.h"

namespace orv {

// The date (8), two blanks, the time (5), three blanks, the departement, three blanks, "PC  " and
// the reference, three blanks, the mode (3), two blanks, the band (7), two blanks, the reports (3
// each, two blanks between), three blanks, the site name (30). Windows-1252 text.
std::string missingQslRow(const LogRecord& record);

// The message refusing a search for the text typed (UTF-8): an empty callsign; any other text is
// searched, however long.
std::optional<std::string_view> missingQslSearchRefusal(std::string_view typed);

// The rows of the lines, in list order, whose callsign holds the search text in capitals anywhere
// (so "F4" lists every F4 station) and whose QSL has not been received.
std::vector<std::string> missingQslRows(std::string_view searchText,
                                        const std::vector<std::string>& logLines);

}  // namespace orv
