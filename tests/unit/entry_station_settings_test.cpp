#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

#include "entry/entry_messages.h"
#include "entry/startup_settings.h"
#include "entry/station_rules.h"

namespace orv {
namespace {

TEST(StationKey, CapitalsAndUnderscoreForSlash) {
    EXPECT_EQ(stationKey(u'a'), u'A');
    EXPECT_EQ(stationKey(u'/'), u'_');
    EXPECT_EQ(stationKey(u'-'), u'-');
    EXPECT_EQ(stationKey(u'é'), u'é');
}

TEST(CheckStationCallsign, RefusesEmptyLongAndForeignCharacters) {
    EXPECT_EQ(checkStationCallsign("TM0ABC_P1234"), std::nullopt);
    const std::vector<std::tuple<std::string_view, std::string_view, bool>> refused{
        {"", msg::kStationEmpty, false},           {"TM0ABC-P12345", msg::kStationTooLong, false},
        {"F4-ABC", msg::kStationCharacters, true}, {"F4ABC/P", msg::kStationCharacters, true},
        {"F4\xC9", msg::kStationCharacters, true}, {"F4aBC", msg::kStationCharacters, true}};
    for (const auto& [candidate, message, emptiesBox] : refused) {
        const std::optional<StationRefusal> refusal = checkStationCallsign(candidate);
        ASSERT_TRUE(refusal.has_value()) << candidate;
        EXPECT_EQ(refusal->message, message);
        EXPECT_EQ(refusal->emptiesBox, emptiesBox);
    }
}

TEST(StationFromSetting, AnythingButAValidCallsignIsNoStation) {
    EXPECT_EQ(stationFromSetting("F4ABC_P"), "F4ABC_P");
    for (const std::string_view stored :
         {"", "FXXXX", "f4abc", "F4ABC/P", "../F4ABC", "F4ABCDEFGHIJK", "F4 ABC"}) {
        EXPECT_EQ(stationFromSetting(stored), "FXXXX") << stored;
    }
}

TEST(BannerCallsign, ShowsEveryUnderscoreAsSlash) {
    EXPECT_EQ(bannerCallsign("F4ABC_P"), "F4ABC/P");
    EXPECT_EQ(bannerCallsign("F_4_"), "F/4/");
}

TEST(ListIndexFromSetting, KeepsNoSelectionAndIndexesOfTheList) {
    const std::vector<std::pair<std::string_view, int>> cases{
        {"", 0},  {"abc", 0}, {"12", 0}, {"-1", -1}, {"-2", 0}, {"3", 0},
        {"2", 2}, {" 1", 0},  {"1 ", 0}, {"+1", 0},  {"-", 0},  {"99999999999", 0}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(listIndexFromSetting(text, 3), expected) << '"' << text << '"';
    }
}

TEST(DateModeFromSetting, OnlyTheExactWords) {
    EXPECT_EQ(dateModeFromSetting("Oui"), DateModeSetting::Automatic);
    EXPECT_EQ(dateModeFromSetting("Non"), DateModeSetting::Manual);
    for (const std::string_view other : {"", "oui", "Oui ", "NON"}) {
        EXPECT_EQ(dateModeFromSetting(other), DateModeSetting::Unknown) << other;
    }
}

}  // namespace
}  // namespace orv
