#pragma once
// How the hunt for sites still to work and the comparison of two lists tell sites apart: by
// reference whatever its letter case ("2A001" is "2a001"), and in a list the first line of a
// reference wins, as it does for the lookup. A site line without reference names no site.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/log_line.h"
#include "model/reference_list.h"

namespace orv {

// The reference in lower case: the key a site is known by.
std::string referenceKey(std::string_view reference);

// The sites of a list, each reference once, in list order.
std::vector<const ReferenceSite*> distinctSites(const std::vector<ReferenceSite>& sites);

// The keys of the references the QSOs were made with (columns 35-39, trimmed).
std::unordered_set<std::string> loggedReferenceKeys(const std::vector<LoggedQso>& qsos);

}  // namespace orv
