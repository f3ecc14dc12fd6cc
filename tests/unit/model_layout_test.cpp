#include <gtest/gtest.h>

#include "model/column_header.h"
#include "model/list_row.h"
#include "model/log_line.h"
#include "unit/header_check.h"

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

    LogRecord longSite = fullRecord();
    longSite.siteName = std::string(80, 'x');
    EXPECT_EQ(formatLogLine(longSite).value().size(), kLogLineLength);
}

TEST(LogLineTest, FormatRefusesAValueThatWouldMoveTheLaterColumns) {
    namespace f = log_field;
    const std::vector<std::pair<std::string LogRecord::*, LogColumns>> values = {
        {&LogRecord::callsign, f::kCallsign},
        {&LogRecord::departement, f::kDepartement},
        {&LogRecord::firstName, f::kFirstName},
        {&LogRecord::reference, f::kReference},
        {&LogRecord::date, f::kDate},
        {&LogRecord::time, f::kTime},
        {&LogRecord::mode, f::kMode},
        {&LogRecord::band, f::kBand},
        {&LogRecord::reportReceived, f::kReportReceived},
        {&LogRecord::reportSent, f::kReportSent}};
    for (const auto& [value, columns] : values) {
        LogRecord record = fullRecord();
        record.*value = std::string(columns.width, 'X');
        EXPECT_TRUE(formatLogLine(record)) << columns.first;
        record.*value += 'X';
        EXPECT_EQ(formatLogLine(record), std::nullopt) << columns.first;
        record.*value = "\r\n";
        EXPECT_EQ(formatLogLine(record), std::nullopt) << columns.first;
    }
    LogRecord record = fullRecord();
    record.siteName = "ABBAYE\r\nDE CLUNY";
    EXPECT_EQ(formatLogLine(record), std::nullopt);
}

TEST(LogLineTest, ReadBackGivesEveryColumnByName) {
    const LoggedQso full = readLogLine(kFullLine);
    LogRecord expected = fullRecord();
    expected.firstName = "ANDR\xC9";
    expected.siteName = "CH\xC2TEAU DE LA ROCHE-GUYON ET S";
    EXPECT_EQ(full.record, expected);
    EXPECT_EQ(full.qslFlag, "*");
    EXPECT_EQ(full.date, (LogDate{2021, 3, 12}));
    EXPECT_EQ(full.time, (LogTime{14, 5}));

    // What the program writes, it reads back, and the other way round.
    for (const std::string& line : {kFullLine, kPlainLine}) {
        EXPECT_EQ(formatLogLine(readLogLine(line).record), line);
    }
    EXPECT_EQ(readLogLine(formatLogLine(expected).value()).record, expected);
}

TEST(LogLineTest, HandEditedLinesReadWhatTheyHold) {
    const LoggedQso blank = readLogLine("");
    EXPECT_EQ(blank.record, LogRecord{});
    EXPECT_EQ(blank.qslFlag, "");
    EXPECT_EQ(blank.date, std::nullopt);
    EXPECT_EQ(blank.time, std::nullopt);

    const LoggedQso upToDate = readLogLine(kFullLine.substr(0, 52));
    EXPECT_EQ(upToDate.record.reference, "89001");
    EXPECT_EQ(upToDate.record.date, "12/03/21");
    EXPECT_EQ(upToDate.record.time, "14:");
    EXPECT_EQ(upToDate.time, std::nullopt);
    EXPECT_EQ(upToDate.record.siteName, "");

    std::string edited = kPlainLine + "   trailing notes";
    edited.replace(75, 6, "abbaye");
    const LoggedQso longer = readLogLine(edited);
    EXPECT_EQ(longer.record.siteName, "abbaye");
    EXPECT_EQ(longer.qslFlag, " ");
    EXPECT_FALSE(longer.record.qslReceived);
}

TEST(LogLineTest, DatesAndTimesReadOnlyWhenEveryDigitIsThere) {
    EXPECT_EQ(parseLogDate("31/12/99"), (LogDate{1999, 12, 31}));
    EXPECT_EQ(parseLogDate("01/06/50"), (LogDate{1950, 6, 1}));
    EXPECT_EQ(parseLogDate("01/06/49"), (LogDate{2049, 6, 1}));
    EXPECT_EQ(parseLogDate("00/00/00"), (LogDate{2000, 0, 0}));
    EXPECT_EQ(parseLogTime("23:59"), (LogTime{23, 59}));
    for (const char* date : {"1a/06/49", "01/06/4", "01/06/490", "        ", ""}) {
        EXPECT_EQ(parseLogDate(date), std::nullopt) << date;
    }
    for (const char* time : {"10:2 ", "1h:30", "10:200", ""}) {
        EXPECT_EQ(parseLogTime(time), std::nullopt) << time;
    }
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

TEST(ListRowTest, EveryNumberKeepsTheColumnsInPlace) {
    for (const std::size_t number : {1u, 12u, 9'999u, 10'000u, 99'999u}) {
        for (const auto& line : {kFullLine, kPlainLine}) {
            const std::string row = makeListRow(number, line);
            EXPECT_EQ(row.size(), kListRowLength) << number;
            EXPECT_EQ(readField(row, row_field::kQsl), readField(line, log_field::kQsl)) << number;
        }
    }
}

// The header says what the description says, but each word stands over its column's values,
// wherever the description's blanks put it.
TEST(ListRowTest, HeaderWordsStandOverTheirColumns) {
    const std::string header = listRowHeader();
    EXPECT_EQ(test::wordsOf(header),
              test::wordsOf("     N\xB0   Indicatif           Dpt   Prenom                Ref     "
                            "   Date      QTR  Mode   QRG  RSTR RSTE        Mom du Patrimoine    "
                            "       QSL"));
    const std::string row = makeListRow(12, kFullLine);
    const std::vector<std::pair<std::string, std::string>> columns = {
        {"N\xB0", "12"},   {"Indicatif", "F4ABCDEFGHIJ"},
        {"Dpt", "8 "},     {"Prenom", "ANDR"},
        {"Ref", "89001"},  {"Date", "12/03/21"},
        {"QTR", "14:05"},  {"Mode", "SSB"},
        {"QRG", "14 Mhz"}, {"RSTR", "59"},
        {"RSTE", "57"},    {"Mom du Patrimoine", "CH\xC2TEAU"},
        {"QSL", "*"}};
    for (const auto& [word, value] : columns) {
        EXPECT_TRUE(test::standsOver(header, word, row, value)) << word << "\n"
                                                                << header << "\n"
                                                                << row;
    }
    EXPECT_LE(header.size(), kListRowLength + 1);
}

TEST(ColumnHeaderTest, WordsAlignWithinTheirColumnsAndStayApart) {
    EXPECT_EQ(columnHeader({{"N", {1, 5}, HeaderAlign::Right},
                            {"Nom", {7, 8}, HeaderAlign::Centre},
                            {"QSL", {17, 1}, HeaderAlign::Centre}}),
              "    N   Nom    QSL");
    // Too wide for their places: moved right rather than run together or cut.
    EXPECT_EQ(columnHeader({{"Numero", {1, 2}, HeaderAlign::Centre},
                            {"Ref", {4, 3}},
                            {"Z", {5, 1}, HeaderAlign::Right}}),
              "Numero Ref Z");
}

}  // namespace
}  // namespace orv
