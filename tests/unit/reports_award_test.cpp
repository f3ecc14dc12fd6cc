#include <gtest/gtest.h>

#include "reports/award_list.h"
#include "reports/award_progress.h"
#include "unit/reports_sample.h"

namespace orv {
namespace {

using test::sampleLine;

std::vector<std::string> repeated(const std::string& line, int count) {
    return std::vector<std::string>(static_cast<std::size_t>(count), line);
}

TEST(AwardCountTest, CountsEveryLineWithAQslColumnOfStarOrBlank) {
    const std::string line = sampleLine({});
    const std::vector<std::string> lines = {
        line,
        sampleLine({.band = "144 Mhz", .qsl = true}),
        std::string(107, ' '),
        "",                        // blank line: no QSL column
        line.substr(0, 106),       // cut before the QSL column
        line.substr(0, 106) + "x"  // hand-edited flag
    };
    EXPECT_EQ(awardCount(test::qsosOf(lines)), 3);
}

struct LevelCase {
    int count;
    int threshold;
    AwardLevel expected;
};

TEST(AwardLevelTest, ReachedFromTheThresholdOn) {
    const std::vector<LevelCase> cases = {
        {0,
         100,
         {false, "Vous ne pouvez pas encore obtenir le diplome PC 100",
          "il vous manque 100 Patrimoines contactés"}},
        {0,
         500,
         {false, "Vous ne pouvez pas encore obtenir le diplome PC 500",
          "il vous manque 500 Patrimoines contactés"}},
        {99,
         100,
         {false, "Vous ne pouvez pas encore obtenir le diplome PC 100",
          "il vous manque 1 Patrimoines contactés"}},
        {100,
         100,
         {true, "Bravo vous pouvez obtenir le diplome PC 100",
          "avec les 100 Patrimoines contactés"}},
        {100,
         200,
         {false, "Vous ne pouvez pas encore obtenir le diplome PC 200",
          "il vous manque 100 Patrimoines contactés"}},
        {520,
         500,
         {true, "Bravo vous pouvez obtenir le diplome PC 500",
          "avec les 520 Patrimoines contactés"}},
    };
    for (const LevelCase& c : cases) {
        const AwardLevel level = awardLevel(c.threshold, c.count);
        EXPECT_EQ(level.reached, c.expected.reached) << c.count << " / " << c.threshold;
        EXPECT_EQ(level.status, c.expected.status);
        EXPECT_EQ(level.detail, c.expected.detail);
    }
    EXPECT_EQ(awardLevelName(400), "PC_400");
}

TEST(AwardLevelTest, FiveHundredTwentyQsosReachEveryLevel) {
    const int count = awardCount(test::qsosOf(repeated(sampleLine({}), 520)));
    for (const int threshold : kAwardThresholds) {
        EXPECT_TRUE(awardLevel(threshold, count).reached) << threshold;
    }
}

TEST(AwardListTest, RowsInFileOrderWithFixedColumns) {
    const std::vector<std::string> lines = {
        sampleLine({.callsign = "F4ABCDEFGHIJ", .band = "14 Mhz"}),
        sampleLine({.callsign = "F5XYZ",
                    .departement = "2A",
                    .reference = "2A012",
                    .band = "21 Mhz",
                    .qsl = true,
                    .siteName = ""}),
        sampleLine({.callsign = "F4ABCDEFGHIJ", .band = "21 Mhz"}),
        "",
        std::string(107, ' '),
    };
    const std::vector<std::string> rows = awardListRows(test::qsosOf(lines));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              " 89001     89  CHATEAU DE SENS                 12/03/21  14:05  F4ABCDEFGHIJ");
    EXPECT_EQ(rows[1],
              " 2A012     2A                                  12/03/21  14:05  F5XYZ       ");
    EXPECT_EQ(rows[2], rows[0]);
    EXPECT_EQ(rows[3], std::string(76, ' '));
}

TEST(AwardListTest, HandEditedLinesStillGiveFullRows) {
    const std::string line = sampleLine({});
    const std::vector<std::string> rows =
        awardListRows(test::qsosOf({line.substr(0, 13) + "1234" + line.substr(17),
                                    std::string(50, ' ') + std::string(56, '-') + " "}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 14), " 89001     12 ");
    EXPECT_EQ(rows[1].size(), 76u);
}

}  // namespace
}  // namespace orv
