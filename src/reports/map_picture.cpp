#include "reports/map_picture.h"

#include <cstdio>
#include <optional>

#include "reports/departement_code.h"

namespace orv {
namespace {

constexpr std::string_view kIdStart = "id=\"";
constexpr std::string_view kOutline = " stroke=\"#505050\" stroke-width=\"0.6\"";

std::string hexColour(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// The box of a departement code of the map ("01" to "95", "2A", "2B").
std::optional<int> boxOfMapId(std::string_view id) {
    const int box = departementNumber(id);
    return boxMapId(box) == id ? std::optional<int>(box) : std::nullopt;
}

// An id attribute of its own, not the end of a longer attribute name.
bool startsAttribute(std::string_view svg, std::size_t at) {
    return at > 0 && (svg[at - 1] == ' ' || svg[at - 1] == '\t' || svg[at - 1] == '\n' ||
                      svg[at - 1] == '\r');
}

}  // namespace

Rgb boxColour(BoxState state) {
    switch (state) {
        case BoxState::Contacted:
            return {255, 192, 192};
        case BoxState::Confirmed:
            return {128, 255, 128};
        case BoxState::NotContacted:
            break;
    }
    return {255, 255, 128};
}

std::string colouredMapSvg(std::string_view svg, const DepartementMap& map) {
    std::string coloured;
    coloured.reserve(svg.size() + 8'000);
    std::size_t done = 0;
    for (std::size_t at = svg.find(kIdStart); at != std::string_view::npos;
         at = svg.find(kIdStart, done)) {
        const std::size_t idEnd = svg.find('"', at + kIdStart.size());
        if (idEnd == std::string_view::npos) {
            break;
        }
        coloured += svg.substr(done, idEnd + 1 - done);
        done = idEnd + 1;
        const std::string_view id = svg.substr(at + kIdStart.size(), idEnd - at - kIdStart.size());
        if (!startsAttribute(svg, at)) {
            continue;
        }
        if (const std::optional<int> box = boxOfMapId(id)) {
            const BoxState state = map.boxes[static_cast<std::size_t>(*box)];
            coloured += " fill=\"" + hexColour(boxColour(state)) + "\"";
            coloured += kOutline;
        }
    }
    coloured += svg.substr(done);
    return coloured;
}

}  // namespace orv
