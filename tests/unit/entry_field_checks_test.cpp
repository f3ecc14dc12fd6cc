#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "entry/date_time.h"
#include "entry/entry_messages.h"
#include "entry/field_checks.h"

namespace orv {
namespace {

using F = EntryField;
using Outcome = std::optional<std::string_view>;
const Outcome kAccepted;

TEST(CheckOnEnter, EmptyTextsAndLengthLimits) {
    struct Case {
        F field;
        std::string longest;  // one more character is refused
        Outcome whenEmpty;
        std::string_view whenLonger;
    };
    const std::vector<Case> cases{
        {F::Ind_A, "F4ABC/QRP123", msg::kCallsignEmpty, msg::kCallsignTooLong},
        {F::Prenom_A, "JEAN-CHRISTOPHE", kAccepted, msg::kFirstNameTooLong},
        {F::Ref_A, "89001", msg::kReferenceEmpty, msg::kReferenceTooLong},
        {F::Dpt_A, "89", kAccepted, msg::kDepartementTooLong},
        {F::Mode_A, "OLIVIA", msg::kModeEmpty, msg::kModeTooLong},
        {F::Bande_A, "144 Mhz", msg::kBandEmpty, msg::kBandTooLong},
        {F::RST_A, "5NN", msg::kReportEmpty, msg::kReportTooLong},
        {F::RSTE_A, "599", msg::kReportEmpty, msg::kReportTooLong},
        {F::Rem_A, std::string(30, 'S'), kAccepted, msg::kSiteNameTooLong}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longest);
        EXPECT_EQ(checkOnEnter(c.field, ""), c.whenEmpty);
        EXPECT_EQ(checkOnEnter(c.field, c.longest), kAccepted);
        EXPECT_EQ(checkOnEnter(c.field, c.longest + "9"), c.whenLonger);
    }
}

TEST(CheckOnEnter, DateTimeAndReportValues) {
    const std::vector<std::tuple<F, std::string_view, Outcome>> cases{
        {F::Date_A, "", msg::kDateEmpty},
        {F::Date_A, "1/02/21", msg::kDateLength},
        {F::Date_A, "01/02/2021", msg::kDateLength},
        {F::Date_A, "32/01/21", msg::kDateFormat},
        {F::Date_A, "01/02/21", kAccepted},
        {F::Heure_A, "", msg::kTimeEmpty},
        {F::Heure_A, "8:45", msg::kTimeLength},
        {F::Heure_A, "24:00", msg::kTimeFormat},
        {F::Heure_A, "08:45", kAccepted},
        {F::Ref_A, "890", kAccepted},
        {F::RST_A, "59", kAccepted},
        {F::RST_A, "0", kAccepted},
        {F::RST_A, "69", msg::kReportValue},
        {F::RST_A, "5999", msg::kReportTooLong},
        {F::RST_A, "A9", msg::kReportValue},
        {F::RSTE_A, "6", msg::kReportValue},
        {F::RSTE_A, "-9", msg::kReportValue}};
    for (const auto& [field, text, expected] : cases) {
        EXPECT_EQ(checkOnEnter(field, text), expected) << '"' << text << '"';
    }
}

TEST(AlreadyContactedMessage, JoinsTheValuesConvertedToUtf8) {
    EXPECT_EQ(alreadyContactedMessage("89001", "12/03/21", "14 Mhz"),
              "89001 Patrimoine deja contacté le 12/03/21 sur 14 Mhz");
    EXPECT_EQ(alreadyContactedMessage("2a\xC9", "01/01/22", "7 M\xC9"),
              "2aÉ Patrimoine deja contacté le 01/01/22 sur 7 MÉ");
}

TEST(TypedCapital, OnlyLettersAToZChange) {
    EXPECT_EQ(typedCapital(u'a'), u'A');
    EXPECT_EQ(typedCapital(u'z'), u'Z');
    for (const char16_t kept : {u'`', u'{', u'A', u'4', u'é', u'ÿ'}) {
        EXPECT_EQ(typedCapital(kept), kept);
    }
}

TEST(DateJour, TwoDigitsEachAcrossTheYearEnd) {
    EXPECT_EQ(Date_Jour({2026, 12, 31, 23, 59, 59}), "31/12/26");
    EXPECT_EQ(Date_Jour({2027, 1, 1, 0, 0, 0}), "01/01/27");
    EXPECT_EQ(Date_Jour({2000, 2, 29, 0, 0, 0}), "29/02/00");
    EXPECT_EQ(clockTime({2026, 12, 7, 9, 5, 7}), "09:05:07");
    EXPECT_EQ(clockTime({2026, 12, 31, 23, 59, 59}), "23:59:59");
}

TEST(ControleDateHeure, DigitsSeparatorsAndLimitsOnly) {
    for (const std::string_view good : {"00/00/00", "31/02/21", "31/12/99"}) {
        EXPECT_EQ(Controle_Date(good), 0) << good;
    }
    for (const std::string_view bad :
         {"32/01/21", "01/13/21", "01-02-21", "01/02-21", "1a/02/21", "01/02/2a",
          "\xB9"
          "1/02/21",
          "01/02/21 "}) {
        EXPECT_EQ(Controle_Date(bad), 1) << bad;
    }
    for (const std::string_view good : {"00:00", "23:59"}) {
        EXPECT_EQ(Controle_Heure(good), 0) << good;
    }
    for (const std::string_view bad : {"24:00", "12:60", "12.30", "1h:30", "12:3x"}) {
        EXPECT_EQ(Controle_Heure(bad), 1) << bad;
    }
}

}  // namespace
}  // namespace orv
