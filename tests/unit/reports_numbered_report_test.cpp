#include <gtest/gtest.h>

#include "reports/numbered_report.h"

namespace orv {
namespace {

const ReportHeadings kHeadings{"   F4ABC Liste", "   N\xB0   Ref"};
const std::string kFooter = std::string(kReportFooterNotice);

std::vector<std::string> rowsOf(int count) {
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(" 89" + std::to_string(100 + i) + "   ");
    }
    return rows;
}

TEST(NumberedReportFileTest, HeadingsNumberedRowsAndFooterEachEndedByCrLf) {
    const std::string file = numberedReportFile(kHeadings, {" 89001   89  ABC", " 89002"});
    EXPECT_EQ(file,
              "   F4ABC Liste\r\n\r\n   N\xB0   Ref\r\n\r\n"
              "    1  89001   89  ABC\r\n"
              "    2  89002\r\n"
              "\r\n" +
                  std::string(24, ' ') + kFooter + "\r\n");
}

TEST(NumberedReportFileTest, EmptyListKeepsItsBlankLines) {
    EXPECT_EQ(numberedReportFile(kHeadings, {}),
              "   F4ABC Liste\r\n\r\n   N\xB0   Ref\r\n\r\n\r\n" + std::string(24, ' ') + kFooter +
                  "\r\n");
}

// The number is right-aligned in five characters, up to the 99,999 rows a log can hold.
TEST(NumberedReportFileTest, NumbersStayRightAlignedInFiveCharacters) {
    const std::vector<std::string> rows = rowsOf(99'999);
    const std::vector<std::string> printed = numberedPrintout(kHeadings, rows);
    ASSERT_EQ(printed.size(), 4 + rows.size() + 3);
    EXPECT_EQ(printed[4], "        1  89101   ");
    EXPECT_EQ(printed[4 + 9], "       10  89110   ");
    EXPECT_EQ(printed[4 + 9'999], "    10000 " + rows[9'999]);
    EXPECT_EQ(printed[4 + 99'998], "    99999 " + rows[99'998]);
    const std::string file = numberedReportFile(kHeadings, rows);
    EXPECT_NE(file.find("\r\n   10  89110   \r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n99999 " + rows[99'998] + "\r\n"), std::string::npos);
}

TEST(NumberedPrintoutTest, IndentedRowsThenTwoEmptyLinesAndTheFooter) {
    EXPECT_EQ(
        numberedPrintout(kHeadings, {" 89001"}),
        (std::vector<std::string>{"   F4ABC Liste", "", "   N\xB0   Ref", "", "        1  89001",
                                  "", "", std::string(21, ' ') + kFooter}));
}

}  // namespace
}  // namespace orv
