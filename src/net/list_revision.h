#pragma once
// The revision check after a download of the reference list: the revision of the list on disk (the
// text of its line 1 before the first ";") compared whole with the one remembered for the station
// at its last update.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// What a station that never updated its list remembers.
inline constexpr std::string_view kDefaultRevision = "Rev 000 01/01/12";

struct RevisionCheck {
    std::string message;                            // what the operator is told (UTF-8)
    std::optional<std::string> revisionToRemember;  // Windows-1252, as in the list
};

// The revision of the list on disk against the remembered one (case counts). A list without a
// revision (missing, unreadable, or no ";" in line 1) is said so, and nothing is remembered.
RevisionCheck checkRevision(const std::optional<std::string>& listRevision,
                            std::string_view remembered);

}  // namespace orv
