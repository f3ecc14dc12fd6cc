// The logged QSOs reached through the main list: shown by a click or the arrow keys, modified after
// a double click, deleted, and a QSO inserted at its date-and-time place.

#include <QTest>

#include "entry/entry_messages.h"
#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

using ListActionsTest = MainWindowTest;

const std::string kParis =
    logLine("F6ABC", "75001", "12/03/21", "10:00", "14 Mhz", false, "PAUL", "Tour Saint-Jacques");
const std::string kCorsica =
    logLine("F5XYZ", "2a001", "13/03/21", "11:30", "7.0 Mhz", true, "MARIE", "\xC9glise");
// A hand-written line whose date and time do not fill their columns.
const std::string kShortDate = logLine("EA3XX", "89001", "1/3/21", "9:05", "144 Mhz");

const std::string kLog = logText({kParis, kCorsica, kShortDate});

TEST_F(ListActionsTest, ClickShowsTheQsoWithoutOpeningIt) {
    startWithLog(kLog);
    const MainWidgets& f = w();

    clickRow(1);
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(2, kCorsica));
    EXPECT_EQ(window_->state().selectedFileLine, kCorsica);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F5XYZ"));
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("2a"));
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("MARIE"));
    EXPECT_EQ(f.Ref_A->text(), QStringLiteral("2a001"));
    EXPECT_EQ(f.Date_A->text(), QStringLiteral("13/03/21"));
    EXPECT_EQ(f.Heure_A->text(), QStringLiteral("11:30"));
    EXPECT_EQ(f.Mode_A->currentText(), QStringLiteral("SSB"));
    EXPECT_EQ(f.Bande_A->currentText(), QStringLiteral("7.0 Mhz"));
    EXPECT_EQ(f.RST_A->text(), QStringLiteral("59"));
    EXPECT_EQ(f.RSTE_A->text(), QStringLiteral("59"));
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("ÉGLISE"));
    EXPECT_TRUE(f.QSL_A->isChecked());
    EXPECT_FALSE(f.Ind_A->isEnabled());
    EXPECT_FALSE(f.Prenom_A->isEnabled());
    EXPECT_TRUE(f.Annule_Saisie->isEnabled());
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));

    clickRow(2);
    EXPECT_EQ(f.Date_A->text(), QStringLiteral("1/3/21  "));
    EXPECT_EQ(f.Heure_A->text(), QStringLiteral("9:05 "));
    EXPECT_TRUE(f.Prenom_A->text().isEmpty());
    EXPECT_FALSE(f.QSL_A->isChecked());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), kLog);
}

TEST_F(ListActionsTest, ReceivedQslTickedInAModificationIsWrittenInPlace) {
    writeDataFile("Liste_Prenom.txt", logText({"F6ABC        75 PIERRE"}));
    startWithLog(kLog);
    const MainWidgets& f = w();

    clickRow(0);
    doubleClickRow(0);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Modification QSO"));
    EXPECT_EQ(f.Ind_A->accessibleDescription(), QStringLiteral("Modification QSO"));
    for (const QWidget* field : std::initializer_list<const QWidget*>{
             f.Ind_A, f.Dpt_A, f.Prenom_A, f.Ref_A, f.Date_A, f.Heure_A, f.Mode_A, f.Bande_A,
             f.RST_A, f.RSTE_A, f.Rem_A, f.QSL_A, f.Valide_A}) {
        EXPECT_TRUE(field->isEnabled()) << field->objectName().toStdString();
    }
    EXPECT_EQ(fieldColour(f.Ind_A), kLightGreen);
    EXPECT_TRUE(f.Ind_A->hasFocus());
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("TOUR SAINT-JACQUES"));

    // The list is locked on the QSO being modified.
    clickRow(1);
    doubleClickRow(2);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F6ABC"));
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(1, kParis));
    EXPECT_TRUE(messages.messages.isEmpty());

    // The first-name memory never overwrites the first name of a logged QSO.
    f.Ind_A->setFocus();
    pressEnter(f.Ind_A);
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("PAUL"));

    // A later date does not move the line: a modification keeps its place.
    f.Date_A->setFocus();
    typeOver(f.Date_A, QStringLiteral("20/03/21"));
    f.QSL_A->setFocus();
    QTest::keyClick(f.QSL_A, Qt::Key_Space);
    QTest::mouseClick(f.Valide_A, Qt::LeftButton);

    const std::string modified = logLine("F6ABC", "75001", "20/03/21", "10:00", "14 Mhz", true,
                                         "PAUL", "Tour Saint-Jacques");
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({modified, kCorsica, kShortDate}));
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    EXPECT_EQ(window_->state().entryMode, EntryMode::NewQso);
    EXPECT_TRUE(f.Date_A->text().isEmpty());
    EXPECT_TRUE(f.Ind_A->hasFocus());

    // The modified QSO is no longer shown: no row is chosen for "Supprimer un QSO" until a click.
    EXPECT_FALSE(f.Annule_Saisie->isEnabled());
    EXPECT_TRUE(window_->state().selectedFileLine.empty());

    clickRow(1);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F5XYZ"));
}

TEST_F(ListActionsTest, ModificationKeepsTheDateTypedForTheNextQsoInManualMode) {
    storeSetting(settings::stationSection("F4ABC"), settings::kDateAutoKey, "Non");
    startWithLog(kLog);

    clickRow(0);
    doubleClickRow(0);
    w().Date_A->setFocus();
    typeOver(w().Date_A, QStringLiteral("11/03/21"));
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);

    EXPECT_EQ(w().Date_A->text(), QStringLiteral("11/03/21"));
    EXPECT_FALSE(w().Date_A->isEnabled());
}

TEST_F(ListActionsTest, ClearingAModificationLeavesTheLogAndFreesTheList) {
    startWithLog(kLog);
    const MainWidgets& f = w();

    clickRow(1);
    doubleClickRow(1);
    typeOver(f.Ind_A, QStringLiteral("F9ZZZ"));
    QTest::mouseClick(f.Efface_A, Qt::LeftButton);

    EXPECT_EQ(readDataFile("F4ABC_PC.log"), kLog);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    EXPECT_EQ(window_->state().entryMode, EntryMode::NewQso);
    EXPECT_TRUE(f.Ind_A->text().isEmpty());
    EXPECT_TRUE(f.Ind_A->hasFocus());
    EXPECT_FALSE(f.Valide_A->isEnabled());
    clickRow(0);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F6ABC"));
}

TEST_F(ListActionsTest, ListActionsWithoutAnyRowClickedAskForOne) {
    startWithLog("");
    const MainWidgets& f = w();
    ASSERT_TRUE(window_->state().selectedLogLine.empty());

    QTest::mouseDClick(f.Liste_PC->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(messages.messages, QStringList{fromUtf8(msg::kClickToEdit)});
    EXPECT_EQ(messages.messages.front(), QStringLiteral("Cliquez sur une ligne pour l'editer"));
    EXPECT_EQ(window_->state().entryMode, EntryMode::NewQso);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));

    // "Supprimer un QSO" is disabled until a row is clicked; its handler still guards itself.
    messages.messages.clear();
    ASSERT_FALSE(f.Annule_Saisie->isEnabled());
    emit f.Annule_Saisie->clicked();
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("Cliquez sur une ligne pour l'effacer")});
    EXPECT_TRUE(messages.questions.isEmpty());
}

TEST_F(ListActionsTest, DeletionRemovesEveryEqualLineOnlyAfterYes) {
    const std::string log = logText({kParis, kCorsica, kParis, kShortDate});
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer ? "Yes" : "No");
        startWithLog(log);
        messages.questions.clear();
        messages.answers = {answer};

        clickRow(2);
        QTest::mouseClick(w().Annule_Saisie, Qt::LeftButton);

        EXPECT_EQ(messages.questions,
                  QStringList{QStringLiteral("Voulez vous Supprimer ce QSO ?")});
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), answer ? logText({kCorsica, kShortDate}) : log);
        EXPECT_EQ(w().Liste_PC->model()->rowCount(), answer ? 2 : 4);
        EXPECT_FALSE(w().Annule_Saisie->isEnabled());
        EXPECT_TRUE(w().Ind_A->text().isEmpty());
        EXPECT_TRUE(w().Ind_A->isEnabled());
        EXPECT_TRUE(w().Ind_A->hasFocus());
        EXPECT_EQ(w().Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    }
}

TEST_F(ListActionsTest, InsertedQsoGoesInByDateEvenWithTheAutomaticDate) {
    const std::string january = logLine("F6ABC", "89001", "01/01/21", "10:00", "14 Mhz");
    const std::string march = logLine("F6DEF", "89002", "01/03/21", "10:00", "14 Mhz");
    const std::string may = logLine("F6GHI", "89003", "01/05/21", "10:00", "14 Mhz");
    startWithLog(logText({january, march, may}));
    const MainWidgets& f = w();

    clickRow(2);
    QTest::mouseClick(f.Ajout_QSO, Qt::LeftButton);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Insertion QSO"));
    EXPECT_TRUE(f.Ind_A->isEnabled());
    EXPECT_TRUE(f.Ind_A->hasFocus());
    // Nothing of the QSO shown by the click stays in the fields of the new one.
    EXPECT_TRUE(f.Ind_A->text().isEmpty());
    EXPECT_TRUE(f.Ref_A->text().isEmpty());

    typeUpToReference({.callsign = "F5XYZ", .reference = "2a001"});
    EXPECT_TRUE(f.Date_A->hasFocus());
    EXPECT_EQ(fieldColour(f.Date_A), kLightGreen);
    typeRestOfQso({.date = "15/02/21", .time = "08:00"});
    pressEnter(f.Valide_A);

    const std::string february = logLine("F5XYZ", "2a001", "15/02/21", "08:00", "14 Mhz");
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({january, february, march, may}));
    EXPECT_EQ(window_->state().entryMode, EntryMode::NewQso);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    EXPECT_TRUE(f.Date_A->text().isEmpty());
}

// Lines edited by hand: a blank after column 107, a site name in small letters. The QSO is found
// in the file by the line its row was read from.
TEST_F(ListActionsTest, HandEditedLinesAreModifiedAndDeletedInPlace) {
    const std::string trailingBlank = kParis + " ";
    std::string smallLetters = kCorsica;
    smallLetters.replace(75, 6, "\xE9glise");
    startWithLog(logText({trailingBlank, smallLetters, kShortDate}));
    const MainWidgets& f = w();

    clickRow(1);
    doubleClickRow(1);
    f.QSL_A->setFocus();
    QTest::keyClick(f.QSL_A, Qt::Key_Space);
    QTest::mouseClick(f.Valide_A, Qt::LeftButton);
    const std::string modified =
        logLine("F5XYZ", "2a001", "13/03/21", "11:30", "7.0 Mhz", false, "MARIE", "\xC9glise");
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({trailingBlank, modified, kShortDate}));

    clickRow(0);
    QTest::mouseClick(f.Annule_Saisie, Qt::LeftButton);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({modified, kShortDate}));
    EXPECT_TRUE(messages.messages.isEmpty());
}

// Only the operator chooses a QSO: a reload of the list or the focus coming to it chooses none, the
// arrow keys do.
TEST_F(ListActionsTest, ReloadAndFocusShowNothingArrowKeysShowTheQso) {
    startWithLog(kLog);
    const MainWidgets& f = w();
    QTest::mouseClick(f.Efface_A, Qt::LeftButton);
    window_->log().Charge_Log();
    ASSERT_TRUE(f.Ind_A->text().isEmpty());

    f.Liste_PC->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(f.Liste_PC->hasFocus());
    EXPECT_TRUE(f.Ind_A->text().isEmpty());
    EXPECT_FALSE(f.Annule_Saisie->isEnabled());

    QTest::keyClick(f.Liste_PC, Qt::Key_Down);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F5XYZ"));
    EXPECT_EQ(window_->state().selectedFileLine, kCorsica);
    QTest::keyClick(f.Liste_PC, Qt::Key_End);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("EA3XX"));
    EXPECT_TRUE(f.Annule_Saisie->isEnabled());

    // A row chosen for the operator (a QSO found by the search) is shown as a click shows it.
    window_->selectRow(0);
    EXPECT_EQ(f.Liste_PC->currentIndex().row(), 0);
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F6ABC"));

    // Entrée opens the row the arrow keys reached for modification, as a double click does.
    f.Liste_PC->setFocus();
    QTest::keyClick(f.Liste_PC, Qt::Key_Down);
    QTest::keyClick(f.Liste_PC, Qt::Key_Return);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Modification QSO"));
    EXPECT_EQ(window_->state().selectedFileLine, kCorsica);
    EXPECT_TRUE(f.Ind_A->hasFocus());
}

// Another station chosen while a QSO of this one is shown: its list loads, nothing is chosen in
// it, the fields stay as they were, and "Supprimer un QSO" finds the shown QSO nowhere in the new
// log.
TEST_F(ListActionsTest, StationChangeChoosesNoQsoOfTheNewLog) {
    const std::string other = logLine("F1OTH", "89009", "01/01/22", "08:00", "14 Mhz");
    writeLog("F5NEW", {other});
    startWithLog(kLog);
    const MainWidgets& f = w();
    clickRow(0);
    ASSERT_TRUE(f.Liste_PC->hasFocus());

    f.menus.Mnu_New_Indicatif->trigger();
    QWidget* station = activeWindow("Station");
    ASSERT_NE(station, nullptr);
    auto* box = station->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"));
    typeText(box, QStringLiteral("F5NEW"));
    QTest::mouseClick(station->findChild<QPushButton*>(QStringLiteral("Validation")),
                      Qt::LeftButton);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    f.Liste_PC->setFocus();

    EXPECT_EQ(listRows(), QStringList{fromCp1252(makeListRow(1, other))});
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F6ABC"));
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("TOUR SAINT-JACQUES"));
    EXPECT_EQ(window_->state().selectedFileLine, kParis);

    QTest::mouseClick(f.Annule_Saisie, Qt::LeftButton);
    EXPECT_EQ(messages.messages,
              QStringList{"Ce QSO n'est plus dans le fichier F5NEW_PC.log (modifié en dehors "
                          "d'ORV_PC) : le log n'a pas été modifié."});
    EXPECT_EQ(readDataFile("F5NEW_PC.log"), logText({other}));
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), kLog);
}

}  // namespace
}  // namespace orv::test
