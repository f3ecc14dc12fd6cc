// The UTC clock, the local clock and the UTC date of the main window, how the automatic date takes
// them, and the Date menu that chooses between the automatic and the manual date.

#include <QTest>

#include "main_window_fixture.h"
#include "platform/settings_keys.h"

namespace orv::test {
namespace {

using ClockTest = MainWindowTest;

TEST_F(ClockTest, ClocksShowFromStartUpAndFollowEverySecond) {
    startWithLog("");
    const MainWidgets& f = w();
    EXPECT_EQ(f.Label37->text(), QStringLiteral("09:05 Utc"));
    EXPECT_EQ(f.Label34->text(), QStringLiteral("10:05 Loc"));
    EXPECT_EQ(f.Label33->text(), QStringLiteral("07/12/26"));

    // Across midnight UTC the date follows the UTC clock, whatever the local date.
    clock.utc = {2026, 12, 31, 23, 59, 59};
    clock.local = {2027, 1, 1, 0, 59, 59};
    clock.tick();
    EXPECT_EQ(f.Label33->text(), QStringLiteral("31/12/26"));
    EXPECT_EQ(f.Label37->text(), QStringLiteral("23:59 Utc"));
    EXPECT_EQ(f.Label34->text(), QStringLiteral("00:59 Loc"));
    clock.utc = {2027, 1, 1, 0, 0, 0};
    clock.local = {2027, 1, 1, 1, 0, 0};
    clock.tick();
    EXPECT_EQ(f.Label33->text(), QStringLiteral("01/01/27"));
    EXPECT_EQ(f.Label37->text(), QStringLiteral("00:00 Utc"));
    EXPECT_EQ(f.Label34->text(), QStringLiteral("01:00 Loc"));
}

TEST_F(ClockTest, AutomaticDateIsTheLastTickWhenTheReferenceIsAccepted) {
    clock.utc = {2026, 12, 7, 14, 5, 59};
    startWithLog("");
    const MainWidgets& f = w();

    typeText(f.Ind_A, QStringLiteral("F5XYZ"));
    pressEnter(f.Ind_A);
    pressEnter(f.Prenom_A);
    typeText(f.Ref_A, QStringLiteral("89001"));
    clock.utc = {2026, 12, 7, 14, 6, 10};  // not shown before the next tick
    pressEnter(f.Ref_A);
    EXPECT_EQ(f.Date_A->text(), QStringLiteral("07/12/26"));
    EXPECT_EQ(f.Heure_A->text(), QStringLiteral("14:05"));

    clock.tick();
    EXPECT_EQ(f.Label37->text(), QStringLiteral("14:06 Utc"));
    typeRestOfQso({});
    pressEnter(f.Valide_A);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"),
              logText({logLine("F5XYZ", "89001", "07/12/26", "14:05", "14 Mhz")}));
}

TEST_F(ClockTest, DateMenuSwitchesTheModeAndKeepsItForTheStation) {
    const QString section = settings::stationSection("F4ABC");
    storeSetting(section, settings::kDateAutoKey, "Non");
    startWithLog("");
    const MainWidgets& f = w();
    const MainMenus& m = f.menus;
    EXPECT_TRUE(m.Mnu_Date_Man->isChecked());
    EXPECT_FALSE(m.Mnu_Date_Auto->isChecked());

    typeUpToReference({.callsign = "F5XYZ", .reference = "89001"});
    typeText(f.Date_A, QStringLiteral("01/02/21"));

    m.Mnu_Date_Man->trigger();
    EXPECT_EQ(f.Date_A->text(), QStringLiteral("01/02/21"));
    EXPECT_TRUE(m.Mnu_Date_Man->isChecked());
    EXPECT_FALSE(m.Mnu_Date_Auto->isChecked());
    EXPECT_EQ(storedSetting(section, settings::kDateAutoKey), QStringLiteral("Non"));

    m.Mnu_Date_Auto->trigger();
    EXPECT_TRUE(f.Date_A->text().isEmpty());
    EXPECT_TRUE(m.Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(m.Mnu_Date_Man->isChecked());
    EXPECT_EQ(storedSetting(section, settings::kDateAutoKey), QStringLiteral("Oui"));
    EXPECT_TRUE(f.Date_A->hasFocus());

    // Choosing the same mode twice leaves it chosen; the global section is not the station's.
    m.Mnu_Date_Auto->trigger();
    EXPECT_TRUE(m.Mnu_Date_Auto->isChecked());
    EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kDateAutoKey),
              QStringLiteral("<absent>"));
}

}  // namespace
}  // namespace orv::test
