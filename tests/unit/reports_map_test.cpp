#include <gtest/gtest.h>

#include <algorithm>

#include "reports/departement_map.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;
using test::SampleQso;

BoxState stateOf(const DepartementMap& map, int box) {
    return map.boxes[static_cast<std::size_t>(box)];
}

DepartementMap mapOf(const std::vector<std::string>& lines) {
    return Colore_Carte(test::qsosOf(lines));
}

TEST(DepartementMapTest, EmptyLogLeavesEveryBoxNotContacted) {
    const DepartementMap map = mapOf({});
    EXPECT_TRUE(std::all_of(map.boxes.begin(), map.boxes.end(),
                            [](BoxState s) { return s == BoxState::NotContacted; }));
    EXPECT_EQ(map.contacted, 0);
    EXPECT_EQ(map.confirmed, 0);
    EXPECT_EQ(map.unconfirmed, 0);
    EXPECT_EQ(map.notContacted, 96);
}

TEST(DepartementMapTest, OneConfirmedQsoMakesTheBoxConfirmedInAnyOrder) {
    const std::string unconfirmed = sampleLine({.band = "144 Mhz"});
    const std::string confirmed = sampleLine({.band = "10 Mhz", .qsl = true});
    for (const auto& lines :
         {std::vector{unconfirmed, confirmed}, std::vector{confirmed, unconfirmed}}) {
        const DepartementMap map = mapOf(lines);
        EXPECT_EQ(stateOf(map, 89), BoxState::Confirmed);
        EXPECT_EQ(map.confirmed, 1);
        EXPECT_EQ(map.unconfirmed, 0);
        EXPECT_EQ(map.contacted, 1);
        EXPECT_EQ(map.notContacted, 95);
    }
}

struct BoxCase {
    const char* name;
    SampleQso qso;
    int expectedBox;  // -1: the line names no box
};

TEST(DepartementMapTest, BoxOfEachQso) {
    const std::vector<BoxCase> cases = {
        {"2A", {.departement = "2A", .reference = "2A001"}, 96},
        {"2b", {.departement = "2b", .reference = "2B001"}, 97},
        {"one digit", {.departement = "5", .reference = "05001"}, 5},
        {"blank departement takes the reference", {.departement = "", .reference = "21005"}, 21},
        {"blank departement, Corsican reference", {.departement = "", .reference = "2A005"}, -1},
        {"blank departement and reference", {.departement = "", .reference = ""}, -1},
        {"letter", {.departement = "AB", .reference = "89001"}, -1},
        {"placeholder 20", {.departement = "20", .reference = "20001"}, 20},
    };
    for (const BoxCase& c : cases) {
        const std::optional<int> box = boxOfQso(test::qsosOf({sampleLine(c.qso)})[0].record);
        EXPECT_EQ(box.value_or(-1), c.expectedBox) << c.name;
    }
    std::string hundred = sampleLine({});
    hundred.replace(13, 4, "100 ");
    EXPECT_FALSE(boxOfQso(test::qsosOf({hundred})[0].record)) << "above 99";
    EXPECT_FALSE(boxOfQso(test::qsosOf({"F4ABC"})[0].record)) << "short line";
}

TEST(DepartementMapTest, PlaceholderBoxesCountButBoxZeroDoesNot) {
    const DepartementMap map =
        mapOf({sampleLine({.departement = "20", .qsl = true}), sampleLine({.departement = "98"}),
               sampleLine({.departement = "00", .qsl = true}), sampleLine({.departement = "2A"})});
    EXPECT_EQ(stateOf(map, 20), BoxState::Confirmed);
    EXPECT_EQ(stateOf(map, 98), BoxState::Contacted);
    EXPECT_EQ(map.contacted, 3);
    EXPECT_EQ(map.unconfirmed, 2);
    EXPECT_EQ(map.confirmed, 1);
    EXPECT_EQ(map.notContacted, 93);
}

TEST(DepartementMapTest, NotContactedNeverGoesBelowZero) {
    std::vector<std::string> lines;
    for (int box = 1; box <= 99; ++box) {
        const std::string code = boxMapId(box).value_or(std::to_string(box));
        lines.push_back(sampleLine({.departement = code}));
    }
    const DepartementMap map = mapOf(lines);
    EXPECT_EQ(map.contacted, 99);
    EXPECT_EQ(map.notContacted, 0);
}

TEST(DepartementMapTest, BoxCodesAndMapIds) {
    EXPECT_EQ(boxCode(1), "01");
    EXPECT_EQ(boxCode(95), "95");
    EXPECT_EQ(boxCode(96), "2a");
    EXPECT_EQ(boxCode(97), "2b");
    EXPECT_EQ(boxCode(0), "00");
    EXPECT_EQ(boxCode(20), "X");
    EXPECT_EQ(boxCode(99), "X");
    EXPECT_EQ(boxMapId(96), "2A");
    EXPECT_EQ(boxMapId(7), "07");
    EXPECT_FALSE(boxMapId(20));
    EXPECT_FALSE(boxMapId(0));
    int departements = 0;
    for (int box = 0; box < kMapBoxes; ++box) {
        departements += isDepartementBox(box) ? 1 : 0;
    }
    EXPECT_EQ(departements, kMapDepartements);
}

}  // namespace
}  // namespace orv
