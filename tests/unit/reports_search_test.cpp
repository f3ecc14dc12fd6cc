#include <gtest/gtest.h>

#include "model/list_row.h"
#include "model/log_line.h"
#include "reports/qso_search.h"

namespace orv {
namespace {

std::string qso(std::string callsign, std::string departement, std::string reference,
                bool qsl = false) {
    return formatLogLine({callsign, departement, "", reference, "12/03/21", "10:00", "CW", "14 Mhz",
                          "59", "59", "Tour", qsl})
        .value();
}

const std::vector<std::string> kLog = {
    qso("F4ABC", "89", "89001"), qso("F4ABC/P", "2a", "2a001", true),
    qso("F5XYZ", "2b", "2b010"), "",
    qso("F4AB", "75", "75001"),  "F4ABC"};

std::vector<std::size_t> found(SearchKind kind, std::string_view text) {
    std::vector<std::size_t> rows;
    for (const SearchResult& result : searchLog(kLog, kind, text)) {
        rows.push_back(result.rowIndex);
    }
    return rows;
}

TEST(SearchEntryTest, EnterChecksTheLengthOfEachKind) {
    struct Case {
        SearchKind kind;
        std::string typed;
        std::string text;
        std::optional<std::string_view> refusal;
        bool clear;
    };
    const std::vector<Case> cases = {
        {SearchKind::Callsign, "f4a", "F4A", std::nullopt, false},
        {SearchKind::Callsign, "F4ABCDEFGHIJ", "F4ABCDEFGHIJ", std::nullopt, false},
        {SearchKind::Callsign, "F4ABCDEFGHIJK", "F4ABCDEFGHIJK",
         "12 caracteres maxi pour l'indicatif", false},
        {SearchKind::Callsign, "", "", "Entrez un indicatif", true},
        {SearchKind::Reference, "2A001", "2A001", std::nullopt, false},
        {SearchKind::Reference, "8900", "8900", "5 caracteres maxi pour la référence ex: 77001",
         false},
        {SearchKind::Reference, "890011", "890011", "5 caracteres maxi pour la référence ex: 77001",
         false},
        {SearchKind::Reference, "", "", "5 caracteres maxi pour la référence ex: 77001", false},
        {SearchKind::Departement, "2A", "2a", std::nullopt, false},
        {SearchKind::Departement, "2AB", "2ab", "2 caracteres maxi pour le département", false},
        {SearchKind::Departement, "", "", "Entrez un Canton", true},
    };
    for (const Case& c : cases) {
        const SearchEntry entry = checkSearchEntry(c.kind, c.typed);
        EXPECT_EQ(entry.text, c.text) << c.typed;
        EXPECT_EQ(entry.refusal, c.refusal) << c.typed;
        EXPECT_EQ(entry.clearField, c.clear) << c.typed;
    }
}

TEST(SearchTest, EachKindFindsItsRowsInListOrder) {
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(found(SearchKind::Callsign, "F4A"), (Rows{0, 1, 4, 5}));
    EXPECT_EQ(found(SearchKind::Callsign, "/P"), (Rows{1}));
    EXPECT_EQ(found(SearchKind::Callsign, "f4a"), (Rows{}));
    EXPECT_EQ(found(SearchKind::Reference, "2A001"), (Rows{1}));
    EXPECT_EQ(found(SearchKind::Reference, "2a001"), (Rows{1}));
    EXPECT_EQ(found(SearchKind::Reference, "89001"), (Rows{0}));
    EXPECT_EQ(found(SearchKind::Reference, "8900 "), (Rows{}));
    EXPECT_EQ(found(SearchKind::Departement, "2a"), (Rows{1}));
    EXPECT_EQ(found(SearchKind::Departement, "2A"), (Rows{}));
    EXPECT_EQ(found(SearchKind::Departement, "8"), (Rows{}));
    EXPECT_TRUE(searchLog({}, SearchKind::Callsign, "F").empty());
}

TEST(SearchTest, ResultLineTakesTheRowPiecesInItsOwnOrder) {
    const std::string row = makeListRow(2, kLog[1]);
    const std::string expected = row.substr(0, 24) + "  " + "12/03/21" + "  " + "14 Mhz  " + "  " +
                                 "2a001" + "  " + "TOUR" + std::string(26, ' ') + "  *";
    EXPECT_EQ(resultLineOfRow(row), expected);
    EXPECT_EQ(row.substr(0, 24), "    2  F4ABC/P       2a ");
    EXPECT_EQ(searchLog(kLog, SearchKind::Reference, "2A001").front().line, expected);
    EXPECT_EQ(resultLineOfRow(makeListRow(4, "")),
              "    4" + std::string(19, ' ') + std::string(8, ' '));
    EXPECT_EQ(resultLineOfRow(""), "        ");
}

}  // namespace
}  // namespace orv
