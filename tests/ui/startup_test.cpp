#include <QTest>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/field_colours.h"
#include "ui/text_codec.h"

namespace orv::test {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, LaterStartLoadsTheLogAndSelectsTheLastRow) {
    chooseStation("F4ABC");
    const std::string first = logLine("F5XYZ", "89001", "01/02/21", "10:00", "14 Mhz");
    const std::string second = logLine("F6ABC", "2a001", "02/02/21", "11:00", "7.0 Mhz", true);
    writeDataFile("F4ABC_PC.log", first + "\r\n" + second + "\r\n");

    startMainWindow();

    QAbstractItemModel* rows = w().Liste_PC->model();
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->index(0, 0).data().toString(), fromCp1252(makeListRow(1, first)));
    EXPECT_EQ(w().Liste_PC->currentIndex().row(), 1);
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(2, second));
    EXPECT_TRUE(w().Ind_A->hasFocus());
    EXPECT_TRUE(w().Ind_A->isEnabled());
    EXPECT_EQ(fieldColour(w().Ind_A), kLightGreen);
    EXPECT_TRUE(w().Ind_A->text().isEmpty());
    EXPECT_FALSE(w().Annule_Saisie->isEnabled());
    EXPECT_TRUE(messages_.messages.isEmpty());
}

}  // namespace
}  // namespace orv::test
