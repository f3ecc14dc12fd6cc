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

// The key of a log line's reference (columns 35-39, trimmed). The hunt and the comparison read
// only this column (and the band) of each line: reading every column of 99,999 lines into records
// would cost them several times more.
std::string loggedReferenceKey(std::string_view logLine);

// The keys of the references the log's lines were made with.
std::unordered_set<std::string> loggedReferenceKeys(const std::vector<std::string>& logLines);

}  // namespace orv
