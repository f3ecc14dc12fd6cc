#include "model/contact_memory.h"

#include <vector>

#include "model/cp1252.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {
namespace {

// Columns of a memory line: callsign 1-12, departement 14-15, first name from 17 to the end.
constexpr LogColumns kMemoryCallsign{1, 12};
constexpr LogColumns kMemoryDepartement{14, 2};
constexpr std::size_t kMemoryFirstNameStart = 16;

std::string padded(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width) {
        result.append(width - result.size(), ' ');
    }
    return result;
}

}  // namespace

std::optional<EarlierContact> Deja_Contacte(const std::filesystem::path& logPath,
                                            std::string_view reference, std::string_view band) {
    std::optional<EarlierContact> found;
    forEachFileLine(logPath, [&](std::string_view line) {
        const std::string_view lineBand = trimBlanks(readField(line, log_field::kBand));
        if (readField(line, log_field::kReference) != reference || lineBand != band) {
            return true;
        }
        found =
            EarlierContact{std::string(readField(line, log_field::kDate)), std::string(lineBand)};
        return false;
    });
    return found;
}

std::optional<FirstNameMatch> Cherche_Prenom(const std::filesystem::path& memoryPath,
                                             std::string_view callsign) {
    std::optional<FirstNameMatch> match;
    forEachFileLine(memoryPath, [&](std::string_view line) {
        if (trimBlanks(readField(line, kMemoryCallsign)) == callsign) {
            const std::string_view firstName =
                line.size() > kMemoryFirstNameStart ? line.substr(kMemoryFirstNameStart) : "";
            match = FirstNameMatch{std::string(readField(line, kMemoryDepartement)),
                                   toUpperCp1252(firstName)};
        }
        return true;
    });
    return match;
}

std::string firstNameKey(std::string_view callsign, std::string_view departement,
                         std::string_view firstName) {
    return padded(callsign, kMemoryCallsign.width + 1) +
           padded(departement, kMemoryDepartement.width + 1) + toUpperCp1252(firstName);
}

std::vector<std::string> withFirstNameKey(std::vector<std::string> lines, std::string_view key) {
    const std::string_view keyCallsign = key.substr(0, kMemoryCallsign.width);
    bool found = false;
    for (auto& line : lines) {
        if (std::string_view(line).substr(0, kMemoryCallsign.width) == keyCallsign) {
            line = key;
            found = true;
        }
    }
    if (!found) {
        lines.emplace_back(key);
    }
    return lines;
}

std::error_code Maj_Prenom(const std::filesystem::path& memoryPath, std::string_view key,
                           FileSystemCalls& calls) {
    return rewriteFile(
        memoryPath, kScratchFile, MissingFile::ReadsAsEmpty,
        [key](std::string_view content) {
            return std::optional(joinLines(withFirstNameKey(splitLines(content), key)));
        },
        calls);
}

}  // namespace orv
