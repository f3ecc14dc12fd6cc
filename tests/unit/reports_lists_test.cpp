#include <gtest/gtest.h>

#include "reports/confirmed_list.h"
#include "reports/missing_qsls.h"
#include "unit/header_check.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;

TEST(ConfirmedListTest, EveryLineWithItsQslMarkAndBothCounts) {
    const std::vector<std::string> lines = {
        sampleLine({.callsign = "F4ABC"}),
        sampleLine({.callsign = "F5XYZ", .reference = "89002", .qsl = true}),
        "",
        sampleLine({.callsign = "F6DEF", .siteName = "ABBAYE DE PONTIGNY ET SES JARDINS"}),
    };
    const ConfirmedList list = confirmedList(test::qsosOf(lines));
    EXPECT_EQ(list.contacted, 4);
    EXPECT_EQ(list.confirmed, 1);
    ASSERT_EQ(list.rows.size(), 4u);
    EXPECT_EQ(list.rows[0], " 89001  CHATEAU DE SENS                 12/03/21  F4ABC          ");
    EXPECT_EQ(list.rows[1], " 89002  CHATEAU DE SENS                 12/03/21  F5XYZ         *");
    EXPECT_EQ(list.rows[2], std::string(65, ' '));
    EXPECT_EQ(list.rows[3], " 89001  ABBAYE DE PONTIGNY ET SES JARD  12/03/21  F6DEF          ");
}

TEST(ConfirmedListTest, HeaderWordsStandOverTheirColumns) {
    const std::string header = confirmedListHeader();
    EXPECT_EQ(test::wordsOf(header),
              test::wordsOf("   Ref             Nom du Patrimoine                   Date      "
                            "Indicatif         QSL"));
    const std::string row =
        confirmedList(test::qsosOf({sampleLine({.callsign = "F4ABCDEFGHIJ", .qsl = true})}))
            .rows.at(0);
    const std::vector<std::pair<std::string, std::string>> columns = {
        {"Ref", "89001"},
        {"Nom du Patrimoine", "CHATEAU"},
        {"Date", "12/03/21"},
        {"Indicatif", "F4ABCDEFGHIJ"},
        {"QSL", "*"}};
    for (const auto& [word, value] : columns) {
        EXPECT_TRUE(test::standsOver(header, word, row, value)) << word << "\n"
                                                                << header << "\n"
                                                                << row;
    }
}

TEST(ConfirmedListTest, EmptyLogGivesNoRowAndZeroCounts) {
    const ConfirmedList list = confirmedList({});
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.contacted, 0);
    EXPECT_EQ(list.confirmed, 0);
}

TEST(MissingQslTest, RowShowsDateDepartementReferenceModeBandReportsAndSite) {
    const std::vector<std::string> rows = missingQslRows(
        "F5XYZ", {sampleLine({.callsign = "F5XYZ", .departement = "2A", .reference = "2A012"})});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0],
              "12/03/21  14:05   2A   PC  2A012   SSB  14 Mhz   59   57    CHATEAU DE SENS" +
                  std::string(15, ' '));
}

TEST(MissingQslTest, UnconfirmedQsosWhoseCallsignHoldsTheSearchText) {
    const std::vector<std::string> lines = {
        sampleLine({.callsign = "F4ABC"}),
        sampleLine({.callsign = "F4ABC", .qsl = true}),
        sampleLine({.callsign = "F4ABC/P", .reference = "89002"}),
        sampleLine({.callsign = "TK4ABC", .reference = "89003"}),
        sampleLine({.callsign = "F5XYZ", .qsl = true}),
        "",
        "F4ABC",
    };
    const std::string f4abc = missingQslRow(test::qsosOf({lines[0]})[0].record);
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"F4ABC", 3},  // F4ABC, F4ABC/P and the short line; the confirmed one is left out
        {"f4abc", 3},  // the search text is taken in capitals
        {"4ABC", 4},   // any part of the callsign
        {"F5XYZ", 0},  // every QSO confirmed
        {"G0", 0},
    };
    for (const auto& [search, count] : cases) {
        const std::vector<std::string> rows = missingQslRows(search, lines);
        EXPECT_EQ(rows.size(), count) << search;
        if (!rows.empty()) {
            EXPECT_EQ(rows.front(), f4abc) << search;
        }
    }
}

}  // namespace
}  // namespace orv
