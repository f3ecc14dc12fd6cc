#include <gtest/gtest.h>

#include "model/log_line.h"
#include "model/reference_list.h"
#include "model/site_names_update.h"
#include "unit/test_support.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

std::string qso(std::string_view reference, std::string_view siteName, bool qsl) {
    return formatLogLine({"F4ABC/P", "2a", "jean", std::string(reference), "31/12/99", "23:59",
                          "SSB", "144 Mhz", "59", "57", std::string(siteName), qsl})
        .value();
}

const ReferenceList& sampleList() {
    static const ReferenceList list(
        "Rev 003 01/02/24",
        {{"2a001", "Tour g\xE9nois\xE9 de l'\xEEle \xE0 \xE9t\xE9 ", "1", "Ajaccio", "Corse"},
         {"89001",
          "Ch\xE2teau de Gu\xE9"
          "delon et son chantier m\xE9"
          "di\xE9val",
          "2", "", ""},
         {"89001", "Second line of 89001", "3", "", ""},
         {"89002", "", "4", "", ""}});
    return list;
}

TEST(SiteNameColumnTest, CapitalsCutOrPaddedToThirty) {
    EXPECT_EQ(siteNameColumn("abc"), "ABC" + std::string(27, ' '));
    EXPECT_EQ(siteNameColumn(""), std::string(30, ' '));
    EXPECT_EQ(siteNameColumn("\xE9glise \xE0 \xFF\x9C\xDF"),
              "\xC9GLISE \xC0 \x9F\x8C\xDF" + std::string(18, ' '));
    EXPECT_EQ(siteNameColumn(std::string(29, 'a') + "bc"), std::string(29, 'A') + "B");
    EXPECT_EQ(siteNameColumn("  inner  blanks kept "),
              "  INNER  BLANKS KEPT " + std::string(9, ' '));
}

TEST(SiteNameLineTest, OnlyTheNameColumnAndTheSeparatorsChange) {
    const std::string name = siteNameColumn("nouveau nom");
    const std::string line = qso("89001", "ancien", true);
    std::string expected = line;
    expected.replace(75, 30, name);
    EXPECT_EQ(lineWithSiteName(line, name), expected);

    std::string dirty = line;
    for (const std::size_t column : {13, 16, 17, 18, 34, 40, 49, 55, 59, 67, 71, 75, 106}) {
        dirty[column - 1] = '#';
    }
    EXPECT_EQ(lineWithSiteName(dirty, name), expected);

    // A short line keeps what it has; missing columns stay empty, only the name is full width.
    EXPECT_EQ(lineWithSiteName("F4ABC", name), "F4ABC" + std::string(12, ' ') + name + " ");
    EXPECT_EQ(lineWithSiteName("", name), std::string(12, ' ') + name + " ");
}

TEST(SiteNameLineTest, EveryLineGetsTheNameOfItsFirstSiteOrBlanks) {
    const Lines log = {qso("2a001", "", false),          qso("89001", "OLD", true),
                       qso("  890", "KEPT?", false),     qso("2A001", "UPPER CASE REF", false),
                       qso("89002", "EMPTY NAME", true), ""};
    const Lines updated = withSiteNamesUpdated(log, sampleList());
    ASSERT_EQ(updated.size(), log.size());
    const auto nameOf = [&](std::size_t i) { return updated[i].substr(75, 30); };
    EXPECT_EQ(nameOf(0), "TOUR G\xC9NOIS\xC9 DE L'\xCELE \xC0 \xC9T\xC9 " + std::string(2, ' '));
    EXPECT_EQ(nameOf(1),
              "CH\xC2TEAU DE GU\xC9"
              "DELON ET SON CHA");
    EXPECT_EQ(nameOf(2), std::string(30, ' '));
    EXPECT_EQ(nameOf(3), std::string(30, ' '));  // references are compared exactly
    EXPECT_EQ(nameOf(4), std::string(30, ' '));
    for (std::size_t i = 0; i + 1 < log.size(); ++i) {
        EXPECT_EQ(updated[i].size(), kLogLineLength);
        EXPECT_EQ(updated[i].substr(0, 75), log[i].substr(0, 75));
        EXPECT_EQ(updated[i].back(), log[i].back());
    }
    // A second update changes nothing in a well-formed line.
    EXPECT_EQ(withSiteNamesUpdated({updated[0], updated[1]}, sampleList()),
              (Lines{updated[0], updated[1]}));
}

TEST(SiteDetailTest, FirstSiteOfTheReferenceWithItsCommune) {
    const test::TempFolder folder;
    const auto list = folder / "Liste_PC.csv";
    EXPECT_EQ(findSite(list, "89001").outcome, SiteSearch::NoList);
    test::writeFile(list,
                    "PC-89001;Revision;;;;;;\r\nPC-89001;;x;12;x;;;\r\n"
                    "PC-89001;Second;x;13;x;Saint;Fargeau;\r\nPC-89002;Nom;x;14;x;Saint;"
                    "Fargeau;\r\n");
    const FoundSite empty = findSite(list, "89001");
    EXPECT_EQ(empty.outcome, SiteSearch::Found);
    EXPECT_EQ(empty.site, (ReferenceSite{"89001", "", "12", "", ""}));
    EXPECT_EQ(communeOf(empty.site), " ");
    EXPECT_EQ(communeOf(findSite(list, "89002").site), "Saint Fargeau");
    EXPECT_EQ(findSite(list, "89002 ").outcome, SiteSearch::Absent);
    EXPECT_EQ(findSite(list, "").outcome, SiteSearch::Absent);
}

}  // namespace
}  // namespace orv
