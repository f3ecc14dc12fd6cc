// "Valider le QSO": the question, the first-name memory, the log line written at its place, and
// the entry back to a new QSO; and what keeps a QSO out of the log.

#include <QTest>

#include "entry/entry_messages.h"
#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

using CommitTest = MainWindowTest;

const QString kQuestion = QStringLiteral("Voulez vous enregistrer ces données ?");

// The new-QSO state a commit leaves, whatever was answered.
void expectNewQsoEntry(const MainWidgets& f, const ProgramState& state) {
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    EXPECT_FALSE(f.Valide_A->isEnabled());
    for (const QLineEdit* field : {f.Dpt_A, f.Prenom_A, f.Ref_A, f.Date_A, f.Heure_A}) {
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
        EXPECT_EQ(fieldColour(field), kLightYellow) << field->objectName().toStdString();
    }
    for (const QLineEdit* field : {f.Ind_A, f.Dpt_A, f.Prenom_A, f.Ref_A, f.Heure_A}) {
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    }
    EXPECT_FALSE(f.Mode_A->isEnabled());
    EXPECT_EQ(fieldColour(f.Mode_A), kLightYellow);
    EXPECT_TRUE(f.Bande_A->isEnabled());
    EXPECT_EQ(fieldColour(f.Bande_A), kLightYellow);
    for (const QLineEdit* report : {f.RST_A, f.RSTE_A}) {
        EXPECT_EQ(report->text(), QStringLiteral("59"));
        EXPECT_FALSE(report->isEnabled());
        EXPECT_EQ(fieldColour(report), kLightYellow);
    }
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("C. "));
    EXPECT_FALSE(f.Rem_A->isEnabled());
    EXPECT_EQ(fieldColour(f.Rem_A), kLightYellow);
    EXPECT_FALSE(f.QSL_A->isChecked());
    EXPECT_FALSE(f.QSL_A->isEnabled());
    EXPECT_TRUE(f.Ind_A->isEnabled());
    EXPECT_EQ(fieldColour(f.Ind_A), kLightGreen);
    EXPECT_TRUE(f.Ind_A->hasFocus());
    EXPECT_EQ(state.entryMode, EntryMode::NewQso);
}

int currentRow(const MainWidgets& f) {
    return f.Liste_PC->currentIndex().row();
}

TEST_F(CommitTest, AcceptedQsoIsAppendedAndTheEntryReturnsToNewQso) {
    writeReferenceList({siteLine("2a001", "\xC9glise Saint-Jean")});
    // More QSOs than the list shows at once: the new one must come into view.
    std::vector<std::string> lines;
    for (int day = 1; day <= 60; ++day) {
        lines.push_back(logLine("F6ABC", "89001", "12/03/21", "10:00",
                                day % 2 ? "14 Mhz" : "7.0 Mhz", false, "",
                                "Site " + std::to_string(day)));
    }
    const std::string before = logText(lines);
    startWithLog(before, 5);

    typeQso({.callsign = "f5xyz",
             .firstName = "jean",
             .reference = "2A001",
             .mode = "cw",
             .qsl = true});
    pressEnter(w().Valide_A);

    // Callsign 1-12, departement 14-15, first name 19-33, reference 35-39, date 41-48, time
    // 50-54, mode 56-58, band 60-66, reports 68-70 and 72-74, site name 76-105, QSL 107.
    const std::string line =
        std::string("F5XYZ        2a   JEAN            2a001 07/12/26 09:05 CW  ") +
        "14 Mhz  59  59  \xC9GLISE SAINT-JEAN              *";
    ASSERT_EQ(line.size(), 107u);
    EXPECT_EQ(messages.questions, QStringList{kQuestion});
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before + line + "\r\n");
    EXPECT_EQ(readDataFile("Liste_Prenom.txt"), "F5XYZ        2a JEAN\r\n");
    EXPECT_FALSE(std::filesystem::exists(dataFile("Temporaire.txt")));

    QListView* list = w().Liste_PC;
    ASSERT_EQ(list->model()->rowCount(), 61);
    EXPECT_EQ(currentRow(w()), 60);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(61, line));
    expectNewQsoEntry(w(), window_->state());
    EXPECT_TRUE(w().Date_A->text().isEmpty());
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("14 Mhz"));
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("CW"));
    EXPECT_TRUE(w().Annule_Saisie->isEnabled());
}

TEST_F(CommitTest, AnswerNoWritesNothingButStillStartsANewQso) {
    const std::string before = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    const std::string firstNames = logText({"F5XYZ        89 PAUL"});
    writeDataFile("Liste_Prenom.txt", firstNames);
    startWithLog(before);
    messages.answers = {false};

    typeQso({.callsign = "F5XYZ", .firstName = "pierre", .reference = "2a001"});
    pressEnter(w().Valide_A);

    EXPECT_EQ(messages.questions, QStringList{kQuestion});
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before);
    EXPECT_EQ(readDataFile("Liste_Prenom.txt"), firstNames);
    EXPECT_EQ(currentRow(w()), 0);
    expectNewQsoEntry(w(), window_->state());
}

TEST_F(CommitTest, ManualDateQsoGoesInByDateAndItsDateStaysForTheNext) {
    storeSetting(settings::stationSection("F4ABC"), settings::kDateAutoKey, "Non");
    const std::string january = logLine("F6ABC", "89001", "01/01/21", "10:00", "14 Mhz");
    const std::string march = logLine("F6DEF", "89002", "01/03/21", "10:00", "14 Mhz");
    const std::string may = logLine("F6GHI", "89003", "01/05/21", "10:00", "14 Mhz");
    startWithLog(logText({january, march, may}));

    typeQso({.callsign = "F5XYZ", .reference = "2a001", .date = "15/02/21", .time = "12:00"});
    pressEnter(w().Valide_A);

    const std::string february = logLine("F5XYZ", "2a001", "15/02/21", "12:00", "14 Mhz");
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({january, february, march, may}));
    EXPECT_EQ(currentRow(w()), 3);
    expectNewQsoEntry(w(), window_->state());
    EXPECT_EQ(w().Date_A->text(), QStringLiteral("01/05/21"));
}

TEST_F(CommitTest, EachCommitReplacesTheCorrespondentsFirstNameLineInPlace) {
    writeDataFile("Liste_Prenom.txt",
                  logText({"F1AAA        75 ANNE", "F5XYZ        89 PAUL", "F2BBB           "}));
    startWithLog("");
    const MainWidgets& f = w();

    typeText(f.Ind_A, QStringLiteral("F5XYZ"));
    pressEnter(f.Ind_A);
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("PAUL"));
    typeOver(f.Prenom_A, QStringLiteral("pierre"));
    pressEnter(f.Prenom_A);
    typeText(f.Ref_A, QStringLiteral("2a001"));
    pressEnter(f.Ref_A);
    typeRestOfQso({});
    pressEnter(f.Valide_A);
    EXPECT_EQ(readDataFile("Liste_Prenom.txt"),
              logText({"F1AAA        75 ANNE", "F5XYZ        2a PIERRE", "F2BBB           "}));
    EXPECT_EQ(readDataFile("F4ABC_PC.log"),
              logText({logLine("F5XYZ", "2a001", "07/12/26", "09:05", "14 Mhz", false, "PIERRE")}));

    // A QSO without first name forgets it.
    typeText(f.Ind_A, QStringLiteral("F5XYZ"));
    pressEnter(f.Ind_A);
    typeOver(f.Prenom_A, QString());
    pressEnter(f.Prenom_A);
    typeText(f.Ref_A, QStringLiteral("89001"));
    pressEnter(f.Ref_A);
    typeRestOfQso({});
    pressEnter(f.Valide_A);
    EXPECT_EQ(readDataFile("Liste_Prenom.txt"),
              logText({"F1AAA        75 ANNE", "F5XYZ        89 ", "F2BBB           "}));
}

TEST_F(CommitTest, ModeLongerThanTheLogHoldsIsRefusedBeforeTheQuestion) {
    const std::string before = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    startWithLog(before);

    typeQso({.callsign = "F5XYZ", .reference = "2a001", .mode = "psk31"});
    pressEnter(w().Valide_A);

    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("3 caracteres maxi pour le Mode dans le log : corrigez le "
                                         "Mode pour enregistrer le QSO")});
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before);
    EXPECT_FALSE(std::filesystem::exists(dataFile("Liste_Prenom.txt")));
    EXPECT_TRUE(w().Mode_A->hasFocus());
    EXPECT_EQ(fieldColour(w().Mode_A), kLightGreen);
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("PSK31"));
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F5XYZ"));
    EXPECT_EQ(w().Mode_Aff->text(), QStringLiteral("Saisie QSO"));

    // Corrected, the same QSO goes in.
    typeOver(w().Mode_A, QStringLiteral("PSK"));
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);
    EXPECT_EQ(messages.questions, QStringList{kQuestion});
    const std::string written = readDataFile("F4ABC_PC.log");
    ASSERT_EQ(written.size(), 2 * 109u);
    EXPECT_EQ(written.substr(109 + 55, 3), "PSK");
}

// A field corrected after its Enter, and left longer than its columns of the log line.
TEST_F(CommitTest, FieldLongerThanItsColumnsAtCommitIsRefusedWithItsMessage) {
    const std::string before = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    startWithLog(before);
    struct Case {
        const char* field;
        QString typed;
        std::string_view message;
    };
    // A text field and a list; which field refuses what is the commit rule's.
    const std::vector<Case> cases = {
        {"Prenom_A", "JEAN-CHRISTOPHER", msg::kFirstNameTooLong},
        {"Bande_A", "1234 MHZ", msg::kBandTooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        QTest::mouseClick(w().Efface_A, Qt::LeftButton);
        typeQso({.callsign = "F5XYZ", .reference = "2a001"});
        messages.messages.clear();
        auto* field = window_->findChild<QWidget*>(QString::fromLatin1(c.field));
        field->setFocus();
        typeOver(field, c.typed);
        QTest::mouseClick(w().Valide_A, Qt::LeftButton);

        EXPECT_EQ(messages.messages, QStringList{fromUtf8(c.message)});
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(fieldText(field), c.typed);
    }
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before);
}

// "Automatique" chosen in the middle of a QSO empties its date: the commit asks for it again
// rather than logging a QSO without a date.
TEST_F(CommitTest, DateEmptiedByTheDateMenuIsAskedForAgainAtCommit) {
    startWithLog("");
    typeQso({.callsign = "F5XYZ", .reference = "2a001"});
    w().menus.Mnu_Date_Auto->trigger();
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);

    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Entrez une date")});
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_TRUE(w().Date_A->isEnabled());
    EXPECT_TRUE(w().Date_A->hasFocus());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), "");

    typeText(w().Date_A, QStringLiteral("06/12/26"));
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"),
              logText({logLine("F5XYZ", "2a001", "06/12/26", "09:05", "14 Mhz")}));
}

TEST_F(CommitTest, SiteNameLongerThanThirtyIsTrimmedAndCutNotRefused) {
    startWithLog("");
    typeQso({.callsign = "F5XYZ", .reference = "2a001"});
    w().Rem_A->setFocus();
    typeOver(w().Rem_A, QStringLiteral("  abbaye de saint-martin-du-canigou"));
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(readDataFile("F4ABC_PC.log"),
              logText({logLine("F5XYZ", "2a001", "07/12/26", "09:05", "14 Mhz", false, "",
                               "ABBAYE DE SAINT-MARTIN-DU-CANI")}));
}

TEST_F(CommitTest, LogThatCannotBeRewrittenKeepsTheQsoAsTyped) {
    storeSetting(settings::stationSection("F4ABC"), settings::kDateAutoKey, "Non");
    const std::string before = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    startWithLog(before);
    // A folder where the insertion's scratch file should go.
    std::filesystem::create_directories(dataFile("Temporaire6.txt") / "occupied");

    typeQso({.callsign = "F5XYZ", .reference = "2a001", .date = "15/03/21", .time = "12:00"});
    pressEnter(w().Valide_A);

    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.front().startsWith(
        QStringLiteral("Le log n'a pas pu être enregistré (")));
    EXPECT_TRUE(messages.messages.front().endsWith(QStringLiteral(") : il n'a pas été modifié.")));
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), before);
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F5XYZ"));
    EXPECT_EQ(w().Ref_A->text(), QStringLiteral("2a001"));
    EXPECT_EQ(w().Date_A->text(), QStringLiteral("15/03/21"));
    EXPECT_EQ(w().Heure_A->text(), QStringLiteral("12:00"));
    EXPECT_TRUE(w().Valide_A->isEnabled());

    // Once the folder is cleared, the same QSO is written without typing it again.
    std::filesystem::remove_all(dataFile("Temporaire6.txt"));
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"),
              before + logText({logLine("F5XYZ", "2a001", "15/03/21", "12:00", "14 Mhz")}));
    expectNewQsoEntry(w(), window_->state());
}

}  // namespace
}  // namespace orv::test
