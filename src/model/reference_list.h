#pragma once
// The award's reference list "Liste_PC.csv": a revision line, then one site per line, fields
// separated by ";" without quoting. Field 1 is three characters never compared followed by the
// reference; field 2 is the site's name. The scan of every reader stops at the end of the file or
// at the first line whose field 1 is empty.

#include <filesystem>
#include <string>
#include <string_view>

namespace orv {

inline constexpr std::string_view kReferenceListFile = "Liste_PC.csv";

// The name (field 2, exactly as stored) of the first site line whose reference (from the fourth
// character up to the first ";") equals reference exactly: same length, same characters, case
// counts, no trimming. Line 1 is never a site. A site line that breaks the list's shape (field 1
// shorter than three characters, or fewer than seven ";") is passed over, never matched. A
// reference found nowhere, or a missing or unreadable file, gives an empty text. One pass over the
// file at most, stopping at the match.
std::string Cherche_Nom_Patrimoine(const std::filesystem::path& listPath,
                                   std::string_view reference);

}  // namespace orv
