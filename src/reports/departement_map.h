#pragma once
// The departement map: the state of each box (not contacted, contacted, confirmed) from the log,
// and the counts shown beside the map. Painting is the window's part.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/log_line.h"

namespace orv {

enum class BoxState { NotContacted, Contacted, Confirmed };

// Boxes 1 to 95 stand for the departements of those numbers, 96 and 97 for 2A and 2B; 0, 20, 98
// and 99 are placeholders that stand for no departement.
inline constexpr int kMapBoxes = 100;
inline constexpr int kMapDepartements = 96;

struct DepartementMap {
    std::array<BoxState, kMapBoxes> boxes{};  // all NotContacted at first
    // Over boxes 1 to 99; not contacted is 96 minus the contacted boxes, at least 0.
    int contacted = 0;
    int unconfirmed = 0;
    int confirmed = 0;
    int notContacted = kMapDepartements;
};

// True for the boxes that stand for a departement.
bool isDepartementBox(int index);

// The code a box shows: "01" to "95", "2a" and "2b"; "00" and "X" for the placeholders.
std::string boxCode(int index);

// The departement's id in the map picture: "01" to "95", "2A" and "2B"; nothing for a placeholder.
std::optional<std::string> boxMapId(int index);

// The box of a QSO: the number its departement begins with (2A and 2B to their boxes), or when the
// departement is blank the first two characters of its reference, which must then be digits (a
// Corsican reference under a blank departement names no box). Nothing for a departement that does
// not begin with a digit or is above 99.
std::optional<int> boxOfQso(const LogRecord& record);

// Colours the boxes from the QSOs: one confirmed QSO makes its box confirmed whatever the order of
// the lines; a box with QSOs but none confirmed is contacted. Every band counts.
DepartementMap Colore_Carte(const std::vector<LoggedQso>& qsos);

}  // namespace orv
