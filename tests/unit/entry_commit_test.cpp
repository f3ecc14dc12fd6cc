#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "entry/commit.h"
#include "entry/entry_messages.h"

namespace orv {
namespace {

// Every value at the full width of its columns; the site name holds Windows-1252 capitals.
LogRecord fullRecord() {
    return {"F4ABC/QRP123",
            "2a",
            "JEAN-CHRISTOPHE",
            "2a001",
            "12/03/21",
            "14:05",
            "SSB",
            "144 Mhz",
            "599",
            "5NN",
            "CH\302TEAU DE GU\311DELON ET SON PA",
            true};
}

TEST(CheckCommit, AcceptsValuesThatFitTheLogLine) {
    EXPECT_EQ(checkCommit(fullRecord()), std::nullopt);
    EXPECT_EQ(formatLogLine(fullRecord()).value().size(), kLogLineLength);
    LogRecord optionalFieldsEmpty{"F5XYZ", "", "", "89001", "12/03/21", "14:05",
                                  "",      "", "", "",      "",         false};
    EXPECT_EQ(checkCommit(optionalFieldsEmpty), std::nullopt);
    LogRecord longSiteName = fullRecord();
    longSiteName.siteName = std::string(45, 'S');
    EXPECT_EQ(checkCommit(longSiteName), std::nullopt);
}

TEST(CheckCommit, RefusesTheFirstValueOverItsColumnsInLogOrder) {
    using R = LogRecord;
    using F = EntryField;
    const std::vector<std::tuple<std::string R::*, std::string, F, std::string_view>> cases{
        {&R::callsign, "F4ABC/QRP1234", F::Ind_A, msg::kCallsignTooLong},
        {&R::departement, "2a0", F::Dpt_A, msg::kDepartementTooLong},
        {&R::firstName, "JEAN-CHRISTOPHES", F::Prenom_A, msg::kFirstNameTooLong},
        {&R::reference, "2a0011", F::Ref_A, msg::kReferenceTooLong},
        {&R::date, "12/03/211", F::Date_A, msg::kDateLength},
        {&R::date, "", F::Date_A, msg::kDateEmpty},
        {&R::date, "12/03/2", F::Date_A, msg::kDateLength},
        {&R::time, "14:051", F::Heure_A, msg::kTimeLength},
        {&R::time, "", F::Heure_A, msg::kTimeEmpty},
        {&R::time, "14:5", F::Heure_A, msg::kTimeLength},
        {&R::mode, "RTTY", F::Mode_A, msg::kModeTooLongForLog},
        {&R::mode, "OLIVIA", F::Mode_A, msg::kModeTooLongForLog},
        {&R::band, "1296 Mhz", F::Bande_A, msg::kBandTooLong},
        {&R::reportReceived, "5999", F::RST_A, msg::kReportTooLong},
        {&R::reportSent, "5999", F::RSTE_A, msg::kReportTooLong}};
    for (const auto& [value, text, field, message] : cases) {
        SCOPED_TRACE(text);
        LogRecord record = fullRecord();
        record.*value = text;
        const std::optional<CommitRefusal> refusal = checkCommit(record);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->field, field);
        EXPECT_EQ(refusal->message, message);
    }
}

TEST(CheckCommit, DepartementComesBeforeTheFirstNameInTheLine) {
    LogRecord record = fullRecord();
    record.firstName = "JEAN-CHRISTOPHES";
    record.departement = "2a0";
    EXPECT_EQ(checkCommit(record)->field, EntryField::Dpt_A);
}

TEST(SiteNameAfterCommit, CutsOnlyWhatIsTooLong) {
    const std::string name35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    EXPECT_EQ(siteNameAfterCommit("  " + name35), name35.substr(0, 30));
    EXPECT_EQ(siteNameAfterCommit(name35 + "   "), name35.substr(0, 30));
    const std::string padded30 = "  " + name35.substr(0, 30) + " ";
    EXPECT_EQ(siteNameAfterCommit(padded30), padded30);
}

TEST(ChooseRewrite, FollowsTheEntryMode) {
    EXPECT_EQ(chooseRewrite(EntryMode::Modification, true), RewriteChoice::Replace);
    EXPECT_EQ(chooseRewrite(EntryMode::Modification, false), RewriteChoice::Replace);
    EXPECT_EQ(chooseRewrite(EntryMode::NewQso, true), RewriteChoice::Append);
    EXPECT_EQ(chooseRewrite(EntryMode::Insertion, true), RewriteChoice::Insert);
    EXPECT_EQ(chooseRewrite(EntryMode::NewQso, false), RewriteChoice::Insert);
}

}  // namespace
}  // namespace orv
