#include <gtest/gtest.h>

#include "reports/report_texts.h"

namespace orv {
namespace {

TEST(ReportTextsTest, DatesOfNamesAndHeadings) {
    const LogDate day{2026, 12, 7};
    EXPECT_EQ(fileNameDate(day), "07_12_26");
    EXPECT_EQ(printHeadingDate(day), "07/12/26");
    EXPECT_EQ(fileHeadingDate(day), "07/12/2026");
    EXPECT_EQ(fileNameDate({2000, 1, 31}), "31_01_00");
}

TEST(ReportTextsTest, AwardListNamesHeadingsAndHeaders) {
    const LogDate day{2026, 12, 7};
    const std::vector<std::pair<std::string, std::string>> names = {
        {"PC_100", "TEST1_Diplome_PC_100_07_12_26.txt"},
        {"PC_300", "TEST1_Diplome_PC_300_07_12_26.txt"},
        {"PC_400", "TEST1_Diplome_PC_400__07_12_26.txt"},
        {"PC_500", "TEST1_Diplome_PC_500__07_12_26.txt"},
    };
    for (const auto& [level, name] : names) {
        EXPECT_EQ(awardListReport("TEST1", level, day).fileName, name);
    }
    const ReportTexts texts = awardListReport("TEST1", "PC_200", day);
    EXPECT_EQ(texts.file.heading,
              "   TEST1 Liste alphanumerique des Sites PC contact\xE9s au 07/12/2026");
    EXPECT_EQ(texts.print.heading, std::string(17, ' ') + "TEST1 Diplome PC_200 du 07/12/26");
    EXPECT_EQ(texts.file.columnHeader.size(), 79u);
    EXPECT_EQ(texts.print.columnHeader.size(), 84u);
    EXPECT_EQ(texts.file.columnHeader.substr(0, 11), "   N\xB0   Ref");
}

TEST(ReportTextsTest, ConfirmedListNamesHeadingsAndHeaders) {
    const ReportTexts texts = confirmedListReport("TEST1", {2026, 12, 7});
    EXPECT_EQ(texts.fileName, "TEST1_Liste_Patrimoines_07_12_26.txt");
    const std::string heading =
        "TEST1 Liste alphanumerique des Patrimoines contact\xE9s au 07/12/2026";
    EXPECT_EQ(texts.file.heading, " " + heading);
    EXPECT_EQ(texts.print.heading, "     " + heading);
    EXPECT_EQ(texts.file.columnHeader.size(), 72u);
    EXPECT_EQ(texts.print.columnHeader.size(), 76u);
}

}  // namespace
}  // namespace orv
