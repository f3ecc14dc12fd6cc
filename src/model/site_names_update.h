#pragma once
// The site names of a station's log rewritten from the reference list: every line keeps its other
// columns and gets the name the list gives for its reference, so that the log carries the names of
// the current list.

#include <string>
#include <string_view>
#include <vector>

#include "model/reference_list.h"

namespace orv {

// The site-name column of a name from the list: in capitals (accented letters too), cut to 30
// characters or padded with blanks to 30.
std::string siteNameColumn(std::string_view name);

// A log line rebuilt with a new site-name column: each other field copied character for character
// from the line's columns (a field beyond the end of a short line is empty), the separators written
// as blanks whatever the line held there.
std::string lineWithSiteName(std::string_view line, std::string_view nameColumn);

// Every line with the name of the first site carrying its trimmed reference (exact comparison), or
// 30 blanks when the list has none. Lines keep their order.
std::vector<std::string> withSiteNamesUpdated(std::vector<std::string> lines,
                                              const ReferenceList& list);

}  // namespace orv
