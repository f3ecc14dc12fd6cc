#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_texts.h"
#include "reports/sites_to_work.h"
#include "unit/header_check.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;

constexpr int k7Mhz = 3;
constexpr int k14Mhz = 5;

// Five distinct sites: the second "89001" and "2a001" repeat a reference (case aside), and a line
// without reference names no site.
ReferenceList sampleList() {
    return ReferenceList("Rev 001 01/01/24",
                         {{"89001",
                           "Ch\xE2teau de Gu\xE9"
                           "delon",
                           "1", "Treigny", "Perreuse"},
                          {"89002", "Abbaye de Pontigny et ses jardins", "2", "Pontigny", ""},
                          {"89003", "Moulin", "3", "Sens", ""},
                          {"2A001", "Citadelle", "4", "Ajaccio", ""},
                          {"2a001", "Citadelle bis", "5", "Ajaccio", ""},
                          {"89001", "Doublon", "6", "x", "y"},
                          {"",
                           "Sans r\xE9"
                           "f\xE9rence",
                           "7", "x", "y"},
                          {"75001", "Tour", "8", "Paris", ""}});
}

// 89001 on 7.0 Mhz only, 89002 on a band written otherwise than the band list, 2A001 with its
// reference in lower case, 75001 on 5.0 Mhz.
std::vector<std::string> sampleLog() {
    return {sampleLine({.reference = "89001", .band = "7.0 Mhz"}),
            sampleLine({.reference = "89002", .band = "14 MHZ"}),
            sampleLine({.departement = "2A", .reference = "2a001"}),
            sampleLine({.departement = "75", .reference = "75001", .band = "5.0 Mhz"}),
            sampleLine({.reference = "89999"})};
}

std::vector<std::string> referencesOf(const SitesToWork& found) {
    std::vector<std::string> references;
    for (const ReferenceSite* site : found.sites) {
        references.push_back(site->reference);
    }
    return references;
}

TEST(HuntTest, DepartementOfAReferenceAndTheirOrder) {
    EXPECT_EQ(departementOf("89001"), "89");
    EXPECT_EQ(departementOf("2A012"), "2a");
    EXPECT_EQ(departementOf("7"), "7");
    EXPECT_EQ(departementOf("\xC9X001"), "\xE9x");
    std::vector<std::string> departements = {"95", "2b", "ab", "01", "21", "19", "2a",
                                             "20", "00", "99", "9x", "7",  "05"};
    std::sort(departements.begin(), departements.end(), departementBefore);
    EXPECT_EQ(departements, (std::vector<std::string>{"01", "05", "19", "2a", "2b", "21", "95",
                                                      "00", "20", "7", "99", "9x", "ab"}));
}

TEST(HuntTest, SitesNotWorkedByDepartementAndBand) {
    const SiteHunt hunt(sampleList(), sampleLog());
    EXPECT_EQ(hunt.departements(), (std::vector<std::string>{"2a", "75", "89"}));
    struct Case {
        HuntChoice choice;
        std::vector<std::string> toWork;
        int inDepartement;
        std::string countLine;
    };
    const std::vector<Case> cases = {
        {{},
         {"89003"},
         5,
         "1 Patrimoines \xE0 contacter sur 5 (tous d\xE9partements, toutes bandes)"},
        {{"89", k14Mhz},
         {"89001", "89002", "89003"},
         3,
         "3 Patrimoines \xE0 contacter sur 3 (89, 14 Mhz)"},
        {{"89", k7Mhz}, {"89002", "89003"}, 3, "2 Patrimoines \xE0 contacter sur 3 (89, 7.0 Mhz)"},
        {{"2a", k14Mhz}, {}, 1, "0 Patrimoines \xE0 contacter sur 1 (2a, 14 Mhz)"},
        {{"", k14Mhz},
         {"89001", "89002", "89003", "75001"},
         5,
         "4 Patrimoines \xE0 contacter sur 5 (tous d\xE9partements, 14 Mhz)"},
        {{"01"}, {}, 0, "0 Patrimoines \xE0 contacter sur 0 (01, toutes bandes)"},
    };
    for (const Case& c : cases) {
        const SitesToWork found = hunt.toWork(c.choice);
        EXPECT_EQ(referencesOf(found), c.toWork) << c.countLine;
        EXPECT_EQ(found.rows.size(), found.sites.size());
        EXPECT_EQ(found.inDepartement, c.inDepartement) << c.countLine;
        EXPECT_EQ(sitesToWorkCountLine(found, c.choice), c.countLine);
    }
    EXPECT_EQ(hunt.tallies(), (std::map<std::string, DepartementTally>{
                                  {"2a", {1, 1}}, {"75", {1, 1}}, {"89", {3, 2}}}));
    EXPECT_EQ(departementTallyText("89", {48, 11}), "89 : 11 Patrimoines contact\xE9s sur 48");

    const SiteHunt noList(ReferenceList(), sampleLog());
    EXPECT_TRUE(noList.departements().empty());
    EXPECT_TRUE(noList.toWork({}).rows.empty());
}

TEST(HuntTest, RowsAndHeadersLineUp) {
    const SitesToWork found = SiteHunt(sampleList(), {}).toWork({"89", k14Mhz});
    ASSERT_EQ(found.rows.size(), 3u);
    EXPECT_EQ(found.rows[0],
              "89001  Ch\xE2teau de Gu\xE9"
              "delon             Treigny Perreuse");
    EXPECT_EQ(found.rows[1], "89002  Abbaye de Pontigny et ses jard  Pontigny ");
    const std::string numbered = "    1 " + found.rows[0];
    const ReportTexts texts = sitesToWorkReport("F4ABC", {"89", k14Mhz}, {2026, 12, 7});
    const std::vector<std::pair<std::string, std::string>> headers = {
        {sitesToWorkHeader(), found.rows[0]},
        {texts.file.columnHeader, numbered},
        {texts.print.columnHeader, "    " + numbered}};
    for (const auto& [header, row] : headers) {
        for (const auto& [word, value] : std::vector<std::pair<std::string, std::string>>{
                 {"Ref", "89001"}, {"Nom du Patrimoine", "Ch\xE2teau"}, {"Commune", "Treigny"}}) {
            EXPECT_TRUE(test::standsOver(header, word, row, value)) << header << "\n" << row;
        }
    }
    EXPECT_TRUE(test::standsOver(texts.file.columnHeader, "N\xB0", numbered, "1"));
}

TEST(HuntTest, ReportNamesAndHeadings) {
    const LogDate day{2026, 12, 7};
    const ReportTexts texts = sitesToWorkReport("F4ABC", {"89", k14Mhz}, day);
    EXPECT_EQ(texts.fileName, "F4ABC_A_Contacter_89_07_12_26.txt");
    EXPECT_EQ(texts.file.heading, "   F4ABC Patrimoines \xE0 contacter (89, 14 Mhz) au 07/12/2026");
    EXPECT_EQ(texts.print.heading,
              std::string(17, ' ') + "F4ABC Patrimoines \xE0 contacter (89, 14 Mhz) du 07/12/26");
    EXPECT_EQ(sitesToWorkReport("F4ABC", {}, day).fileName, "F4ABC_A_Contacter_Tous_07_12_26.txt");
    // A departement read from a hand-made list never names another folder.
    EXPECT_EQ(sitesToWorkReport("F4ABC", {"./"}, day).fileName,
              "F4ABC_A_Contacter____07_12_26.txt");
}

}  // namespace
}  // namespace orv
