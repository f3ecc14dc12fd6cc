#include <gtest/gtest.h>

#include "model/spoken_text.h"

namespace orv {
namespace {

TEST(SpokenTextTest, ValueReadWithItsCaptionOnTheSideItIsShown) {
    struct Case {
        std::string_view value, caption;
        CaptionSide side;
        std::string_view spoken;
    };
    const Case cases[] = {
        {"51", "Patrimoines contactés", CaptionSide::After, "51 Patrimoines contactés"},
        {"F4ABC", "INDICATIF DE LA STATION  : ", CaptionSide::Before,
         "INDICATIF DE LA STATION : F4ABC"},
        {"  0 ", " départements  contactés", CaptionSide::After, "0 départements contactés"},
        {"", "Patrimoines confirmés", CaptionSide::After, "Patrimoines confirmés"},
        {"   ", "Mode de saisie", CaptionSide::Before, "Mode de saisie"},
        {"Saisie QSO", "", CaptionSide::Before, "Saisie QSO"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spokenValue(c.value, c.caption, c.side), c.spoken) << c.caption;
    }
}

TEST(SpokenTextTest, FilledFieldsToldInOrderLeavingOutTheEmptyOnes) {
    EXPECT_EQ(spokenFilledFields({{"Dpt", "2a"},
                                  {"Date", "07/12/26"},
                                  {"Heure UTC", ""},
                                  {"Nom du Patrimoine", "CHATEAU  DE  TEST   "}}),
              "Dpt 2a, Date 07/12/26, Nom du Patrimoine CHATEAU DE TEST");
    EXPECT_EQ(spokenFilledFields({{"Dpt", "  "}, {"Heure UTC", ""}}), "");
    EXPECT_EQ(spokenFilledFields({}), "");
}

}  // namespace
}  // namespace orv
