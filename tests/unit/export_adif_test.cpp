#include <gtest/gtest.h>

#include "export/adif.h"
#include "model/log_line.h"

namespace orv {
namespace {

std::string line(std::string band, std::string firstName = "Jean", bool qsl = true,
                 std::string siteName =
                     "Ch\xE2teau de Gu\xE9"
                     "delon") {
    return formatLogLine({"F4ABC/P", "89", firstName, "89001", "07/03/21", "14:05", "SSB", band,
                          "59", "57", siteName, qsl})
        .value();
}

TEST(AdifRecordTest, TwelveFieldsInOrderWithTheLengthsOfTheTrimmedValues) {
    EXPECT_EQ(ADIF_SP(line("3.5 Mhz")),
              "<CALL:7>F4ABC/P <STATE:2>89 <NAME:4>JEAN <BAND:3>80m <MODE:3>SSB "
              "<QSO_DATE:8>20210307 <TIME_ON:4>1405 <RST_RCVD:2>59 <RST_SENT:2>57 <SIG:5>89001 "
              "<SIG_INFO:19>CH\xC2TEAU DE GU\xC9"
              "DELON <QSL_RCVD:1>Y <eor>");
}

TEST(AdifRecordTest, BandTableIsExactAndOtherLabelsGiveAnEmptyBand) {
    const std::vector<std::pair<std::string, std::string>> bands = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"5.0 Mhz", "60m"},
        {"7.0 Mhz", "40m"},  {"14 Mhz", "20m"},  {"21 Mhz", "15m"},
        {"28 Mhz", "10m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
        {"10 Mhz", ""},      {"18 Mhz", ""},     {"24 Mhz", ""},
        {"50 Mhz", ""},      {"14 MHZ", ""},     {"", ""}};
    for (const auto& [label, band] : bands) {
        EXPECT_EQ(adifBand(label), band) << label;
    }
    EXPECT_NE(ADIF_SP(line("10 Mhz")).find(" <BAND:0> <MODE:3>SSB "), std::string::npos);
}

TEST(AdifRecordTest, ShortBlankAndOddLinesStillGiveOneRecord) {
    const std::string empty =
        "<CALL:0> <STATE:0> <NAME:0> <BAND:0> <MODE:0> <QSO_DATE:2>20 <TIME_ON:0> <RST_RCVD:0> "
        "<RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>";
    EXPECT_EQ(ADIF_SP(""), empty);
    EXPECT_EQ(ADIF_SP(std::string(200, ' ')), empty);
    EXPECT_EQ(ADIF_SP("F5XYZ"), "<CALL:5>F5XYZ" + empty.substr(8));

    std::string odd = line("14 Mhz", "", false, std::string(30, '\xE9'));
    EXPECT_NE(ADIF_SP(odd).find(" <NAME:0> <BAND:3>20m "), std::string::npos);
    EXPECT_NE(ADIF_SP(odd).find("<SIG_INFO:30>" + std::string(30, '\xC9') + " <QSL_RCVD:1>N"),
              std::string::npos);
    odd[106] = '+';
    EXPECT_TRUE(ADIF_SP(odd).ends_with("<QSL_RCVD:1>N <eor>"));
    odd.replace(40, 8, "01/01/99");
    EXPECT_NE(ADIF_SP(odd).find("<QSO_DATE:8>20990101"), std::string::npos);
    EXPECT_EQ(ADIF_SP(odd + "*** trailing text ***"), ADIF_SP(odd));
}

TEST(AdifFileTest, HeaderThenOneRecordPerLineInCp1252AndCrLf) {
    const std::string header =
        "Exportation du log de la station F4ABC_P au format ADIF\r\n\r\n"
        "Fichier cr\xE9\xE9 par ORV_PC, carnet de trafic du Diplome des Patrimoines Fran\xE7"
        "ais\r\n\r\n\r\n<eoh>\r\n";
    EXPECT_EQ(adifContent("F4ABC_P", {}), header);
    EXPECT_EQ(adifContent("F4ABC_P", {line("7.0 Mhz"), "", line("144 Mhz")}),
              header + ADIF_SP(line("7.0 Mhz")) + "\r\n" + ADIF_SP("") + "\r\n" +
                  ADIF_SP(line("144 Mhz")) + "\r\n");
}

}  // namespace
}  // namespace orv
