#include "model/reference_list.h"

#include <algorithm>
#include <utility>

#include "model/text_file.h"

namespace orv {
namespace {

// Field 1 holds three characters that are never compared, then the reference.
constexpr std::size_t kReferenceStart = 3;
// A site line closes field 7 with a separator.
constexpr std::ptrdiff_t kSiteSeparators = 7;

}  // namespace

std::string Cherche_Nom_Patrimoine(const std::filesystem::path& listPath,
                                   std::string_view reference) {
    std::string name;
    bool revisionLine = true;
    forEachFileLine(listPath, [&](std::string_view line) {
        if (std::exchange(revisionLine, false)) {
            return true;
        }
        const std::size_t fieldEnd = line.find(';');
        if (fieldEnd == 0 || line.empty()) {
            return false;  // an empty field 1 ends the list
        }
        if (fieldEnd == std::string_view::npos || fieldEnd < kReferenceStart ||
            std::count(line.begin(), line.end(), ';') < kSiteSeparators) {
            return true;  // not shaped as a site line: never a match
        }
        if (line.substr(kReferenceStart, fieldEnd - kReferenceStart) != reference) {
            return true;
        }
        const std::size_t nameEnd = line.find(';', fieldEnd + 1);
        name = line.substr(fieldEnd + 1, nameEnd - fieldEnd - 1);
        return false;
    });
    return name;
}

}  // namespace orv
