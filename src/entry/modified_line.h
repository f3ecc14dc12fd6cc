#pragma once

#include <string>
#include <string_view>

namespace orv {

// The log line a modification replaces, rebuilt from the selected list row: the row's pieces
// joined by single blanks, with the site name in capitals as the program writes it. A line whose
// site name was edited by hand in small letters is therefore not found, and the modified QSO is
// added at the end of the log, the old line left as it was.
std::string lineReplacedByModification(std::string_view row);

}  // namespace orv
