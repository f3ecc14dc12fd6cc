// Committing a QSO when the log is read-only or kept elsewhere behind a link.

#include <QTest>

#include "main_window_fixture.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

using LogFileFaultsTest = MainWindowTest;

// A log made read-only is not changed: the operator is told the access is denied, the QSO stays in
// the fields to be committed once the log is writable again, and the file keeps its permissions.
TEST_F(LogFileFaultsTest, ReadOnlyLogRefusesTheQsoAndKeepsItInTheFields) {
    const std::string before = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    startWithLog(before);
    fs::permissions(dataFile("F4ABC_PC.log"), fs::perms(0444));
    typeQso({.callsign = "F5XYZ", .reference = "2a001"});
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);

    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral(
                  "Le log n'a pas pu être enregistré (accès refusé) : il n'a pas été modifié.")});
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before);
    EXPECT_EQ(fs::status(dataFile("F4ABC_PC.log")).permissions(), fs::perms(0444));
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F5XYZ"));
    EXPECT_EQ(w().Ref_A->text(), QStringLiteral("2a001"));
    EXPECT_TRUE(w().Valide_A->isEnabled());

    fs::permissions(dataFile("F4ABC_PC.log"), fs::perms(0644));
    messages.messages.clear();
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 2);
}

// A log linked into the data folder from a synced folder receives the QSO where it lives, and the
// list shows it.
TEST_F(LogFileFaultsTest, LinkedLogReceivesTheQsoWhereItLives) {
    const fs::path synced = dataFile("synced");
    fs::create_directory(synced);
    writeDataFile("synced/F4ABC_PC.log",
                  logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")}));
    fs::create_symlink(synced / "F4ABC_PC.log", dataFile("F4ABC_PC.log"));
    chooseStation("F4ABC");
    startMainWindow();
    typeQso({.callsign = "F5XYZ", .reference = "2a001"});
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(fs::is_symlink(dataFile("F4ABC_PC.log")));
    EXPECT_EQ(readDataFile("synced/F4ABC_PC.log").size(), 2 * 109u);
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 2);
}

}  // namespace
}  // namespace orv::test
