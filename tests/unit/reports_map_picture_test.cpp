#include <gtest/gtest.h>

#include <algorithm>

#include "reports/map_picture.h"
#include "unit/test_support.h"

namespace orv {
namespace {

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(MapPictureTest, FillsEachDepartementWithItsStateColour) {
    DepartementMap map;
    map.boxes[89] = BoxState::Confirmed;
    map.boxes[96] = BoxState::Contacted;
    const std::string svg =
        "<svg><path id=\"89\" d=\"m 1\"/><path\n\tid=\"2A\"/><path id=\"21\"/>"
        "<g id=\"legend\" grid=\"1\"/><path id=\"20\"/></svg>";
    const std::string outline = " stroke=\"#505050\" stroke-width=\"0.6\"";
    EXPECT_EQ(colouredMapSvg(svg, map),
              "<svg><path id=\"89\" fill=\"#80ff80\"" + outline +
                  " d=\"m 1\"/><path\n\tid=\"2A\" fill=\"#ffc0c0\"" + outline +
                  "/><path id=\"21\" fill=\"#ffff80\"" + outline +
                  "/><g id=\"legend\" grid=\"1\"/><path id=\"20\"/></svg>");
}

TEST(MapPictureTest, EveryDepartementOfTheVendoredMapIsFilled) {
    const std::string svg = test::readFile(std::filesystem::path(ORV_SOURCE_DIR) /
                                           "resources/map/france.departments.svg");
    ASSERT_FALSE(svg.empty());
    EXPECT_EQ(occurrences(colouredMapSvg(svg, DepartementMap{}), "fill=\"#ffff80\""),
              std::size_t(kMapDepartements));
}

}  // namespace
}  // namespace orv
