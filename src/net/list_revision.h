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

// Whether the list on disk is the one just downloaded or the one kept after a failed download.
enum class ListOnDisk { Downloaded, KeptAfterFailure };

struct RevisionCheck {
    std::optional<std::string> message;             // what the operator is told (UTF-8), if any
    std::optional<std::string> revisionToRemember;  // Windows-1252, as in the list
};

// The revision of the list on disk against the remembered one (case counts). A list without a
// revision (missing, unreadable, no ";" in line 1, or a first field too long to be a revision) is
// said so, and nothing is remembered. After a failed download the operator has been told the old
// list is kept: a revision other than the remembered one is then neither announced as an update
// nor remembered.
RevisionCheck checkRevision(const std::optional<std::string>& listRevision,
                            std::string_view remembered, ListOnDisk onDisk);

}  // namespace orv
