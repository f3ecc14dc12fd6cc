#include <gtest/gtest.h>

#include "model/list_row.h"
#include "model/log_line.h"

namespace orv {
namespace {

// 12-character callsign, one-character departement, lower-case accented first name, a long site
// name with blanks around it, QSL received.
LogRecord fullRecord() {
    return {"F4ABCDEFGHIJ",
            "8",
            "andr\xE9",
            "89001",
            "12/03/21",
            "14:05",
            "SSB",
            "14 Mhz",
            "59",
            "57",
            "  ch\xE2teau de la roche-guyon et ses jardins ",
            true};
}

const std::string kFullLine = std::string("F4ABCDEFGHIJ") + " " + "8 " + "   " + "ANDR\xC9" +
                              std::string(10, ' ') + " " + "89001" + " " + "12/03/21" + " " +
                              "14:05" + " " + "SSB" + " " + "14 Mhz " + " " + "59 " + " " + "57 " +
                              " " + "CH\xC2TEAU DE LA ROCHE-GUYON ET S" + " " + "*";

const std::string kPlainLine = std::string("F6XYZ       ") + " " + "75" + "   " +
                               std::string(15, ' ') + " " + "75056" + " " + "01/01/00" + " " +
                               "00:00" + " " + "CW " + " " + "144 Mhz" + " " + "599" + " " + "5NN" +
                               " " + std::string(30, ' ') + " " + " ";

TEST(LogLineTest, FormatPadsCapitalisesAndCutsToFixedColumns) {
    ASSERT_EQ(kFullLine.size(), kLogLineLength);
    EXPECT_EQ(formatLogLine(fullRecord()), kFullLine);

    const LogRecord plain{"F6XYZ", "75",      "",    "75056", "01/01/00", "00:00",
                          "CW",    "144 Mhz", "599", "5NN",   "   ",      false};
    EXPECT_EQ(formatLogLine(plain), kPlainLine);
}

TEST(LogLineTest, LongSiteNameIsCutSoTheLineKeepsItsLength) {
    LogRecord longSite = fullRecord();
    longSite.siteName = std::string(80, 'x');
    EXPECT_EQ(formatLogLine(longSite).size(), kLogLineLength);
}

TEST(LogLineTest, ReadFieldGivesWhatAShortLineHolds) {
    EXPECT_EQ(readField(kFullLine, log_field::kDepartementPiece), "8   ");
    EXPECT_EQ(readField(kFullLine, log_field::kQsl), "*");
    EXPECT_EQ(readField("F4ABC        8", log_field::kDepartementPiece), "8");
    EXPECT_EQ(readField("F4ABC", log_field::kDepartement), "");
    EXPECT_EQ(trimBlanks("  14 Mhz "), "14 Mhz");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(logPath("/data", "F4ABC_P"), "/data/F4ABC_P_PC.log");
}

TEST(ListRowTest, NumberPieceHasFiveCharacters) {
    const std::vector<std::pair<std::size_t, std::string>> cases = {
        {1, "    1"}, {12, "   12"}, {9'999, " 9999"}, {10'000, "10000"}, {99'999, "99999"}};
    for (const auto& [number, piece] : cases) {
        EXPECT_EQ(rowNumberPiece(number), piece);
    }
}

TEST(ListRowTest, RowOfAFullLineRespacesEveryField) {
    const std::string expected = std::string("   12") + "  " + "F4ABCDEFGHIJ" + "  " + "8   " +
                                 " " + "ANDR\xC9" + std::string(10, ' ') + " " + "89001" + "  " +
                                 "12/03/21" + "  " + "14:05" + "  " + "SSB" + "  " + "14 Mhz " +
                                 "  " + "59 " + "  " + "57 " + " " +
                                 "CH\xC2TEAU DE LA ROCHE-GUYON ET S" + "  " + "*";
    ASSERT_EQ(expected.size(), kListRowLength);
    EXPECT_EQ(makeListRow(12, kFullLine), expected);
}

TEST(ListRowTest, BlankAndShortLinesGiveShorterRows) {
    EXPECT_EQ(makeListRow(7, ""), "    7" + std::string(21, ' '));
    const std::string shortLine = "F4ABC        89   PAUL";
    EXPECT_EQ(makeListRow(3, shortLine), std::string("    3") + "  " + "F4ABC       " + "  " +
                                             "89  " + " " + "PAUL" + std::string(16, ' '));
}

TEST(ListRowTest, RowReadsBackToItsLogLine) {
    for (const std::size_t number : {1u, 12u, 9'999u, 10'000u, 99'999u}) {
        for (const auto& line : {kFullLine, kPlainLine}) {
            const std::string row = makeListRow(number, line);
            EXPECT_EQ(row.size(), kListRowLength);
            EXPECT_EQ(logLineOfRow(row), line) << number;
        }
    }
}

}  // namespace
}  // namespace orv
