#pragma once
// The two memories that help while a QSO is typed: the already-contacted check over the station's
// log, and the first-name memory "Liste_Prenom.txt" (one line per correspondent: callsign padded to
// 12, a blank, departement padded to 2, a blank, the first name in capitals).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/safe_file_write.h"

namespace orv {

inline constexpr std::string_view kFirstNameFile = "Liste_Prenom.txt";

struct EarlierContact {
    std::string date;  // columns 41-48 of the log line
    std::string band;  // columns 60-66, blanks removed
};

// The first log line (file order) whose reference field (columns 35-39, as it stands) equals
// reference and whose band field with its blanks removed equals band; exact, case-sensitive
// comparisons. A missing or unreadable log has no earlier contact. Stops at the first match.
std::optional<EarlierContact> Deja_Contacte(const std::filesystem::path& logPath,
                                            std::string_view reference, std::string_view band);

struct FirstNameMatch {
    std::string departement;  // characters 14-15 of the memory line, as stored (maybe blanks)
    std::string firstName;    // characters 17 to the end, in capitals
};

// The last line of the memory whose first 12 characters, trimmed of blanks, equal callsign. The
// file is read to its end, so a later line overrides an earlier one. A missing file matches
// nothing.
std::optional<FirstNameMatch> Cherche_Prenom(const std::filesystem::path& memoryPath,
                                             std::string_view callsign);

// The memory line the commit passes to Maj_Prenom: callsign padded to 13, departement padded to 3,
// then the first name in capitals, not padded.
std::string firstNameKey(std::string_view callsign, std::string_view departement,
                         std::string_view firstName);

// The memory's lines with every line whose first 12 characters equal the key's first 12 replaced in
// place by the key, or the key appended when none does; the other lines keep their order.
std::vector<std::string> withFirstNameKey(std::vector<std::string> lines, std::string_view key);

// Puts withFirstNameKey into the memory file, rewritten whole by rewriteFile through the scratch
// file "Temporaire.txt"; a missing memory reads as empty and is created, a read-only one is
// refused.
std::error_code Maj_Prenom(const std::filesystem::path& memoryPath, std::string_view key,
                           FileSystemCalls& calls = systemFileCalls());

}  // namespace orv
