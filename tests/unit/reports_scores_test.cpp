#include <gtest/gtest.h>

#include "reports/departement_code.h"
#include "reports/scores.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;
using test::SampleQso;

// A hand-edited line whose departement columns 14-17 hold piece.
std::string withDepartementPiece(std::string line, std::string_view piece) {
    return line.replace(13, 4, piece);
}

struct ScoreCase {
    const char* name;
    std::vector<std::string> lines;
    Scores expected;
};

TEST(ScoresTest, CountsQsosConfirmationsAndConfirmedDepartements) {
    const std::string confirmed14 = sampleLine({.band = "14 Mhz", .qsl = true});
    const std::vector<ScoreCase> cases = {
        {"empty log", {}, {0, 0, 0}},
        {"one site on two bands",
         {confirmed14, sampleLine({.band = "21 Mhz", .qsl = true})},
         {2, 2, 1}},
        {"unscored bands count nowhere",
         {sampleLine({.band = "10 Mhz", .qsl = true}),
          sampleLine({.band = "144 Mhz", .qsl = true})},
         {0, 0, 0}},
        {"18 Mhz is scored", {sampleLine({.band = "18 Mhz", .qsl = true})}, {1, 1, 1}},
        {"unconfirmed raises the contacted count only", {sampleLine({})}, {1, 0, 0}},
        {"2A and 2B are two departements",
         {sampleLine({.departement = "2A", .qsl = true}),
          sampleLine({.departement = "2B", .qsl = true})},
         {2, 2, 2}},
        {"2a and 2A are one departement",
         {sampleLine({.departement = "2a", .qsl = true}),
          sampleLine({.departement = "2A", .qsl = true})},
         {2, 2, 1}},
        {"band with blanks around it is scored",
         {confirmed14.substr(0, 59) + " 14 Mhz" + confirmed14.substr(66)},
         {1, 1, 1}},
        {"band written with other capitals is not",
         {sampleLine({.band = "14 MHz", .qsl = true}), sampleLine({.band = "14 mhz", .qsl = true})},
         {0, 0, 0}},
        {"blank and short lines count nowhere", {"", std::string(107, ' '), "F4ABC"}, {0, 0, 0}},
        {"departement without a slot still confirms",
         {withDepartementPiece(confirmed14, "971 "), withDepartementPiece(confirmed14, "98  "),
          withDepartementPiece(confirmed14, "  9 "), withDepartementPiece(confirmed14, "AB  ")},
         {4, 4, 1}},
        {"slot 0 is never counted", {withDepartementPiece(confirmed14, "00  ")}, {1, 1, 0}},
    };
    for (const ScoreCase& c : cases) {
        EXPECT_EQ(computeScores(test::qsosOf(c.lines)), c.expected) << c.name;
    }
}

TEST(DepartementCodeTest, CorsicanCodesThenLeadingDigits) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"2A", 96}, {"2a", 96}, {"2B", 97},   {"2b", 97}, {"89", 89}, {"1X", 1},
        {"AB", 0},  {"", 0},    {"971", 971}, {"2C", 2},  {"05", 5},  {"99999999999", 1'000},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(departementNumber(text), number) << text;
    }
}

}  // namespace
}  // namespace orv
