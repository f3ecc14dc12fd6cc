#include <gtest/gtest.h>

#include "model/contact_memory.h"
#include "model/log_line.h"
#include "model/reference_list.h"
#include "unit/test_support.h"

namespace orv {
namespace {

std::string qso(std::string_view reference, std::string_view date, std::string_view band) {
    return formatLogLine({"F4ABC", "89", "", std::string(reference), std::string(date), "10:00",
                          "SSB", std::string(band), "59", "59", "", false})
        .value();
}

TEST(DejaContacteTest, FirstLineWithTheSameReferenceAndBand) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    test::writeFile(log, "\r\n" + qso("890", "01/01/21", "14 Mhz") + "\r\n" +
                             qso("89001", "12/03/21", "14 Mhz") + "\r\n" +
                             qso("89001", "20/05/21", "14 Mhz") + "\r\n" +
                             qso("89001", "21/05/21", "7.0 Mhz") + "\r\n");
    struct Case {
        std::string reference, band, date;
    };
    const std::vector<Case> cases = {
        {"89001", "14 Mhz", "12/03/21"}, {"89001", "7.0 Mhz", "21/05/21"},
        {"89001", "3.5 Mhz", ""},        {"89002", "14 Mhz", ""},
        {"890", "14 Mhz", ""},           {"890  ", "14 Mhz", "01/01/21"},
        {"89001", "14 MHZ", ""}};
    for (const auto& c : cases) {
        const auto found = Deja_Contacte(log, c.reference, c.band);
        EXPECT_EQ(found.has_value(), !c.date.empty()) << c.reference << " " << c.band;
        if (found) {
            EXPECT_EQ(found->date, c.date);
            EXPECT_EQ(found->band, c.band);
        }
    }
    EXPECT_FALSE(Deja_Contacte(folder / "none.log", "89001", "14 Mhz"));
}

TEST(FirstNameMemoryTest, LookupTakesTheLastMatchingLine) {
    const test::TempFolder folder;
    const auto memory = folder / "Liste_Prenom.txt";
    EXPECT_FALSE(Cherche_Prenom(memory, "F4ABC"));
    test::writeFile(memory,
                    "F4ABC        89 PAUL\r\nF5XYZ           jos\xE9\r\nF4ABC        75 PIERRE\r\n"
                    "F6AAA\r\n");
    const auto later = Cherche_Prenom(memory, "F4ABC");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->departement, "75");
    EXPECT_EQ(later->firstName, "PIERRE");
    const auto noDepartement = Cherche_Prenom(memory, "F5XYZ");
    ASSERT_TRUE(noDepartement);
    EXPECT_EQ(noDepartement->departement, "  ");
    EXPECT_EQ(noDepartement->firstName, "JOS\xC9");
    const auto shortLine = Cherche_Prenom(memory, "F6AAA");
    ASSERT_TRUE(shortLine);
    EXPECT_EQ(shortLine->departement, "");
    EXPECT_EQ(shortLine->firstName, "");
    EXPECT_FALSE(Cherche_Prenom(memory, "F4AB"));
}

TEST(FirstNameMemoryTest, UpdateReplacesInPlaceOrAppends) {
    const test::TempFolder folder;
    const auto memory = folder / "Liste_Prenom.txt";
    EXPECT_EQ(firstNameKey("F4ABC", "89", "Paul"), "F4ABC        89 PAUL");

    EXPECT_FALSE(Maj_Prenom(memory, firstNameKey("F4ABC", "89", "Paul")));
    EXPECT_EQ(test::readFile(memory), "F4ABC        89 PAUL\r\n");
    EXPECT_FALSE(Maj_Prenom(memory, firstNameKey("F5XYZ", "", "Jos\xE9")));
    EXPECT_FALSE(Maj_Prenom(memory, firstNameKey("F4ABC", "75", "Pierre")));
    EXPECT_EQ(test::readFile(memory), "F4ABC        75 PIERRE\r\nF5XYZ           JOS\xC9\r\n");
    EXPECT_FALSE(Maj_Prenom(memory, firstNameKey("F4ABC", "75", "")));
    EXPECT_EQ(test::readFile(memory), "F4ABC        75 \r\nF5XYZ           JOS\xC9\r\n");
    EXPECT_EQ(Cherche_Prenom(memory, "F4ABC")->firstName, "");
    EXPECT_FALSE(std::filesystem::exists(folder / "Temporaire.txt"));
}

class ReferenceListTest : public testing::Test {
protected:
    void SetUp() override {
        test::writeFile(list_, std::string("PC-89999;Revision;;;;;;\r\n") +
                                   "PC-89001;Ch\xE2teau de Gu\xE9"
                                   "delon;x;1;x;Treigny;Yonne;\r\n" +
                                   "XY-89001;Duplicate;x;1;x;a;b;\r\n" +
                                   "AB-89002;Nom  avec  blancs ;x;2;x;a;b;c;d\r\n" +
                                   "PC;89003;x;3;x;a;b;\r\n" + "PC-89004;Too few;x;4;x;a\r\n" +
                                   "PC-2a005;Site corse;x;5;x;a;b;\r\n" +
                                   "QQ-89003;Third reference;x;3;x;a;b;\r\n" + ";;;;;;;;\r\n" +
                                   "PC-89007;After the end;x;7;x;a;b;\r\n");
    }

    test::TempFolder folder_;
    std::filesystem::path list_ = folder_ / "Liste_PC.csv";
};

TEST_F(ReferenceListTest, NameOfTheFirstSiteWithExactlyThatReference) {
    const std::vector<std::pair<std::string, std::string>> cases = {{"89001",
                                                                     "Ch\xE2teau de Gu\xE9"
                                                                     "delon"},
                                                                    {"89002", "Nom  avec  blancs "},
                                                                    {"89003", "Third reference"},
                                                                    {"2a005", "Site corse"},
                                                                    {"2A005", ""},
                                                                    {"89001 ", ""},
                                                                    {"89999", ""},
                                                                    {"89004", ""},
                                                                    {"89007", ""},
                                                                    {"89008", ""}};
    for (const auto& [reference, name] : cases) {
        EXPECT_EQ(Cherche_Nom_Patrimoine(list_, reference), name) << reference;
    }
}

TEST_F(ReferenceListTest, ReadOnceItAnswersAsTheLookupDoes) {
    const ReferenceList list = readReferenceList(list_);
    EXPECT_EQ(list.revision(), "PC-89999");
    ASSERT_EQ(list.sites().size(), 5u);  // the broken lines and those after the end are left out
    EXPECT_EQ(list.sites()[0], (ReferenceSite{"89001",
                                              "Ch\xE2teau de Gu\xE9"
                                              "delon",
                                              "1", "Treigny", "Yonne"}));
    EXPECT_EQ(list.sites()[4].reference, "89003");
    for (const char* reference :
         {"89001", "89002", "89003", "2a005", "2A005", "89001 ", "89999", "89004", "89007", ""}) {
        const ReferenceSite* site = list.find(reference);
        EXPECT_EQ(site ? site->name : "", Cherche_Nom_Patrimoine(list_, reference)) << reference;
    }
    EXPECT_EQ(list.find("89001"), &list.sites()[0]);
}

TEST_F(ReferenceListTest, ParsedFromMemoryAsFromTheFile) {
    EXPECT_EQ(parseReferenceList(test::readFile(list_)).sites(), readReferenceList(list_).sites());
    // Line ends of any kind, the last one missing.
    const ReferenceList list =
        parseReferenceList("Rev 2;\nPC-89001;A;x;1;x;a;b;\rPC-89002;B;x;2;x;a;b;");
    EXPECT_EQ(list.revision(), "Rev 2");
    ASSERT_EQ(list.sites().size(), 2u);
    EXPECT_EQ(list.sites()[1].name, "B");
}

TEST(ReferenceListShapeTest, RevisionAndSiteLines) {
    EXPECT_EQ(revisionOfLine("Rev 001 01/01/24;;x"), "Rev 001 01/01/24");
    EXPECT_EQ(revisionOfLine(";"), "");
    EXPECT_EQ(revisionOfLine("<html>"), std::nullopt);
    EXPECT_EQ(readSiteLine("PC-89001;Nom;x;12;x;;;").site,
              (ReferenceSiteView{"89001", "Nom", "12", "", ""}));
    EXPECT_EQ(readSiteLine("PC-;Nom;x;12;x;a;b;").site.reference, "");
    EXPECT_EQ(readSiteLine(";PC-89001;Nom;x;12;x;a;b;").shape, SiteLineShape::EndOfList);
    EXPECT_EQ(readSiteLine("").shape, SiteLineShape::EndOfList);
    EXPECT_EQ(readSiteLine("PC;Nom;x;12;x;a;b;").shape, SiteLineShape::Broken);
    EXPECT_EQ(readSiteLine("PC-89001;Nom;x;12;x;a;b").shape, SiteLineShape::Broken);
}

TEST_F(ReferenceListTest, MissingEmptyOrGarbageListGivesNoName) {
    EXPECT_EQ(readReferenceList(folder_ / "none.csv").revision(), std::nullopt);
    EXPECT_TRUE(readReferenceList(folder_ / "none.csv").sites().empty());
    EXPECT_EQ(Cherche_Nom_Patrimoine(folder_ / "none.csv", "89001"), "");
    test::writeFile(list_, "");
    EXPECT_EQ(Cherche_Nom_Patrimoine(list_, "89001"), "");
    std::string garbage;
    unsigned seed = 7;
    for (int i = 0; i < 50'000'000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage += static_cast<char>(seed >> 24);
    }
    test::writeFile(list_, garbage);
    EXPECT_EQ(Cherche_Nom_Patrimoine(list_, "89001"), "");
    test::writeFile(list_, "Rev\r\n" + garbage.substr(0, 1000) + std::string(10'000'000, ';'));
    EXPECT_EQ(Cherche_Nom_Patrimoine(list_, "89001"), "");
}

}  // namespace
}  // namespace orv
