#include <gtest/gtest.h>

#include "model/spoken_text.h"

namespace orv {
namespace {

TEST(SpokenTextTest, ValueReadWithItsCaptionOnTheSideItIsShown) {
    EXPECT_EQ(spokenValue("F4ABC", "INDICATIF DE LA STATION  : ", CaptionSide::Before),
              "INDICATIF DE LA STATION : F4ABC");
    EXPECT_EQ(spokenValue("  0 ", " départements  contactés", CaptionSide::After),
              "0 départements contactés");
    EXPECT_EQ(spokenValue("   ", "Mode de saisie", CaptionSide::Before), "Mode de saisie");
    EXPECT_EQ(spokenValue("Saisie QSO", "", CaptionSide::Before), "Saisie QSO");
}

TEST(SpokenTextTest, FilledFieldsToldInOrderLeavingOutTheEmptyOnes) {
    EXPECT_EQ(spokenFilledFields({{"Dpt", "2a"},
                                  {"Date", "07/12/26"},
                                  {"Heure UTC", ""},
                                  {"Nom du Patrimoine", "CHATEAU  DE  TEST   "}}),
              "Dpt 2a, Date 07/12/26, Nom du Patrimoine CHATEAU DE TEST");
    EXPECT_EQ(spokenFilledFields({{"Dpt", "  "}, {"Heure UTC", ""}}), "");
}

}  // namespace
}  // namespace orv
