#include <gtest/gtest.h>

#include "reports/list_changes.h"
#include "reports/report_texts.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;

ReferenceSite site(std::string reference, std::string name) {
    return {std::move(reference), std::move(name), "1", "Sens", "Yonne"};
}

// Each list repeats a reference (the first line wins); 2A001 only changes the case of its
// reference and 89004 the case of its name.
ListChanges sampleChanges() {
    const ReferenceList before(
        "Rev 001 01/01/24",
        {site("89001", "Chateau"), site("89002", "Eglise"), site("2A001", "Citadelle"),
         site("89003", "Moulin"), site("89001", "Doublon"), site("89004", "Tour")});
    const ReferenceList after("Rev 002 01/06/24",
                              {site("89001", "Chateau"), site("89002", "\xC9glise Saint-Pierre"),
                               site("2a001", "Citadelle"), site("89005", "Pont"),
                               site("89005", "Doublon"), site("89004", "TOUR")});
    const std::vector<std::string> log = {
        sampleLine({.reference = "89002"}), sampleLine({.reference = "89003"}),
        sampleLine({.reference = "89005"}), sampleLine({.reference = "89005"}),
        sampleLine({.departement = "2A", .reference = "2a001"})};
    return compareLists(before, after, log);
}

TEST(ListChangesTest, ThreeGroupsByReferenceWhateverItsCase) {
    const ListChanges changes = sampleChanges();
    ASSERT_EQ(changes.added.size(), 1u);
    EXPECT_EQ(changes.added[0].site, site("89005", "Pont"));
    EXPECT_TRUE(changes.added[0].inLog);
    ASSERT_EQ(changes.renamed.size(), 2u);
    EXPECT_EQ(changes.renamed[0].reference, "89002");
    EXPECT_EQ(changes.renamed[0].oldName, "Eglise");
    EXPECT_EQ(changes.renamed[0].newName, "\xC9glise Saint-Pierre");
    EXPECT_TRUE(changes.renamed[0].inLog);
    EXPECT_FALSE(changes.renamed[1].inLog);
    ASSERT_EQ(changes.withdrawn.size(), 1u);
    EXPECT_EQ(changes.withdrawn[0].site.reference, "89003");
    EXPECT_EQ(changes.concerned(), 3);
    EXPECT_TRUE(changes.renamedInLog());
    EXPECT_EQ(listChangesCountLine(changes),
              "1 nouveau, 2 renomm\xE9s, 1 retir\xE9 ; 3 de votre log concern\xE9s");

    const ListChanges none = compareLists(ReferenceList(), ReferenceList(), {});
    EXPECT_EQ(listChangesCountLine(none),
              "0 nouveau, 0 renomm\xE9, 0 retir\xE9 ; 0 de votre log concern\xE9");
    EXPECT_FALSE(none.renamedInLog());
    EXPECT_EQ(revisionChangeLine(none), std::nullopt);
}

TEST(ListChangesTest, ReportLinesInTheFileAndOnPaper) {
    const ListChangesReport report = listChangesReport("F4ABC", sampleChanges(), {2026, 12, 7});
    EXPECT_EQ(report.fileName, "F4ABC_Changements_Liste_PC_07_12_26.txt");
    const auto name = [](const std::string& text) {
        return text + std::string(30 - text.size(), ' ');
    };
    EXPECT_EQ(report.lines,
              (std::vector<std::string>{
                  "   F4ABC Changements de la liste des Patrimoines au 07/12/2026",
                  "   Rev 001 01/01/24 remplac\xE9"
                  "e par Rev 002 01/06/24",
                  "", "1 nouveau, 2 renomm\xE9s, 1 retir\xE9 ; 3 de votre log concern\xE9s",
                  "* : Patrimoine pr\xE9sent dans votre log", "", "Nouveaux (1)",
                  " *  89005  " + name("Pont") + "  Sens Yonne", "",
                  "Renomm\xE9s (2) : ancien nom, puis nouveau nom",
                  " *  89002  " + name("Eglise") + "  \xC9glise Saint-Pierre",
                  "    89004  " + name("Tour") + "  TOUR", "", "Retir\xE9s (1)",
                  " *  89003  " + name("Moulin") + "  Sens Yonne"}));
    const std::string file = reportFile(report.lines);
    EXPECT_TRUE(file.starts_with(report.lines[0] + "\r\n" + report.lines[1] + "\r\n\r\n"));
    EXPECT_TRUE(file.ends_with("Sens Yonne\r\n\r\n" + std::string(24, ' ') +
                               std::string(kReportFooterNotice) + "\r\n"));
    EXPECT_EQ(reportPrintout(report.lines).size(), report.lines.size() + 3);
}

}  // namespace
}  // namespace orv
