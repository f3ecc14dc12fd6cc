#pragma once
// The map picture of the departement window: the vendored map of metropolitan France (an SVG
// document, one path per departement whose id is its code), each departement filled with the
// colour of its box's state.

#include <string>
#include <string_view>

#include "reports/departement_map.h"

namespace orv {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Light yellow for not contacted, light pink for contacted, light green for confirmed.
Rgb boxColour(BoxState state);

// The SVG document with a fill colour and a thin outline added to the path of every departement of
// the map; the rest of the document is kept byte for byte.
std::string colouredMapSvg(std::string_view svg, const DepartementMap& map);

}  // namespace orv
