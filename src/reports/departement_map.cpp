#include "reports/departement_map.h"

#include <algorithm>

#include "reports/departement_code.h"

namespace orv {
namespace {

constexpr int kPlaceholderTwenty = 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string twoDigitCode(int index) {
    return {static_cast<char>('0' + index / 10), static_cast<char>('0' + index % 10)};
}

std::optional<int> boxOfText(std::string_view text) {
    if (text.empty() || !isDigit(text.front())) {
        return std::nullopt;
    }
    const int index = leadingNumber(text);
    return index < kMapBoxes ? std::optional<int>(index) : std::nullopt;
}

std::optional<int> boxOfReference(std::string_view reference) {
    const std::string_view code = reference.substr(0, 2);
    if (!std::all_of(code.begin(), code.end(), isDigit)) {
        return std::nullopt;
    }
    return boxOfText(code);
}

void markBox(BoxState& box, bool confirmed) {
    if (confirmed) {
        box = BoxState::Confirmed;
    } else if (box == BoxState::NotContacted) {
        box = BoxState::Contacted;
    }
}

// Boxes 1 to 99 count, placeholders 20, 98 and 99 included: a QSO logged in "20" (the old code of
// Corsica) or "98" has been made. Not contacted is what remains of the 96 departements, never
// below zero when placeholders are contacted too.
void countBoxes(DepartementMap& map) {
    for (int index = 1; index < kMapBoxes; ++index) {
        const BoxState state = map.boxes[static_cast<std::size_t>(index)];
        map.unconfirmed += state == BoxState::Contacted ? 1 : 0;
        map.confirmed += state == BoxState::Confirmed ? 1 : 0;
    }
    map.contacted = map.unconfirmed + map.confirmed;
    map.notContacted = std::max(0, kMapDepartements - map.contacted);
}

}  // namespace

bool isDepartementBox(int index) {
    return index >= 1 && index <= kCorsicaNorth && index != kPlaceholderTwenty;
}

std::string boxCode(int index) {
    if (index == kCorsicaSouth) {
        return "2a";
    }
    if (index == kCorsicaNorth) {
        return "2b";
    }
    return isDepartementBox(index) || index == 0 ? twoDigitCode(index) : "X";
}

std::optional<std::string> boxMapId(int index) {
    if (!isDepartementBox(index)) {
        return std::nullopt;
    }
    return index == kCorsicaSouth ? "2A" : index == kCorsicaNorth ? "2B" : twoDigitCode(index);
}

std::optional<int> boxOfQso(const LogRecord& record) {
    const std::string& departement = record.departement;
    if (departement.empty()) {
        return boxOfReference(record.reference);
    }
    const int corsican = corsicanNumber(departement);
    return corsican != 0 ? std::optional<int>(corsican) : boxOfText(departement);
}

DepartementMap Colore_Carte(const std::vector<LoggedQso>& qsos) {
    DepartementMap map;
    for (const LoggedQso& qso : qsos) {
        if (const std::optional<int> box = boxOfQso(qso.record)) {
            markBox(map.boxes[static_cast<std::size_t>(*box)], qso.qslFlag == "*");
        }
    }
    countBoxes(map);
    return map;
}

}  // namespace orv
