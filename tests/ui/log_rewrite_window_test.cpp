#include <functional>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/text_codec.h"

namespace orv::test {
namespace {

// Station F4ABC with a log of three QSOs, the main window started on it.
class LogRewriteWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        chooseStation("F4ABC");
        writeDataFile("F4ABC_PC.log", logText({a_, b_, c_}));
        startMainWindow();
    }

    // The list must show the log as it now stands, with its last row handled as a click.
    void expectListMirrorsTheLog(const std::vector<std::string>& lines) {
        QStringList expected;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            expected << fromCp1252(makeListRow(i + 1, lines[i]));
        }
        EXPECT_EQ(listRows(), expected);
        const int last = int(lines.size()) - 1;
        EXPECT_EQ(w().Liste_PC->currentIndex().row(), last);
        EXPECT_EQ(window_->state().selectedLogLine, makeListRow(lines.size(), lines.back()));
        EXPECT_TRUE(w().Annule_Saisie->isEnabled());
        EXPECT_FALSE(w().Ind_A->isEnabled());
        EXPECT_EQ(
            w().Ind_A->text(),
            fromCp1252(std::string(trimBlanks(readField(lines.back(), log_field::kCallsign)))));
    }

    const std::string a_ = logLine("F5AAA", "89001", "01/02/21", "10:00", "14 Mhz");
    const std::string b_ = logLine("F5BBB", "89002", "02/02/21", "10:00", "14 Mhz", true);
    const std::string c_ = logLine("F5CCC", "89003", "03/02/21", "10:00", "14 Mhz");
    const std::string early_ = logLine("F6NEW", "75001", "31/12/99", "23:59", "7.0 Mhz");
    const std::string late_ = logLine("F6NEW", "75001", "01/01/22", "00:00", "7.0 Mhz");
};

struct Rewrite {
    const char* name;
    std::function<WriteOutcome(LogService&)> run;
    std::vector<std::string> after;
};

// Every rewrite reloads the list and selects its last row, whatever line changed.
TEST_F(LogRewriteWindowTest, EachRewriteReloadsTheListAndSelectsTheLastRow) {
    const Rewrite rewrites[] = {
        {"Ajoute_Ligne",
         [this](LogService& log) { return log.Ajoute_Ligne(late_); },
         {a_, b_, c_, late_}},
        {"Insere_Ligne",
         [this](LogService& log) { return log.Insere_Ligne(early_); },
         {early_, a_, b_, c_}},
        {"Remplace_Ligne",
         [this](LogService& log) { return log.Remplace_Ligne(late_, b_); },
         {a_, late_, c_}},
        {"Supprime_Ligne", [this](LogService& log) { return log.Supprime_Ligne(c_); }, {a_, b_}},
    };
    for (const Rewrite& rewrite : rewrites) {
        SCOPED_TRACE(rewrite.name);
        writeDataFile("F4ABC_PC.log", logText({a_, b_, c_}));
        window_->log().Charge_Log();
        window_->Init_Saisie();

        EXPECT_EQ(rewrite.run(window_->log()), WriteOutcome::Written);

        EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText(rewrite.after));
        expectListMirrorsTheLog(rewrite.after);
        EXPECT_FALSE(std::filesystem::exists(dataFile("Temporaire.txt")));
        EXPECT_FALSE(std::filesystem::exists(dataFile("Temporaire6.txt")));
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(LogRewriteWindowTest, DeletingTheOnlyQsoLeavesAnEmptyListWithoutSelection) {
    writeDataFile("F4ABC_PC.log", logText({a_}));
    window_->log().Charge_Log();
    window_->Init_Saisie();

    EXPECT_EQ(window_->log().Supprime_Ligne(a_), WriteOutcome::Written);

    EXPECT_EQ(readDataFile("F4ABC_PC.log"), "");
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_FALSE(w().Liste_PC->currentIndex().isValid());
}

struct FailingRewrite {
    const char* name;
    // A folder of the scratch file's name keeps the scratch file from being created.
    const char* scratchFolder;
    std::function<WriteOutcome(LogService&)> run;
    QString message;
};

const QString kFolderInTheWay = QStringLiteral(
    "Le log n'a pas pu être enregistré (un dossier porte ce nom) : il n'a pas été modifié.");

// A rewrite that cannot go through tells the operator and changes nothing: not the log, not the
// list, not the selected row.
TEST_F(LogRewriteWindowTest, FailedRewriteLeavesLogAndListAsTheyWere) {
    const FailingRewrite cases[] = {
        {"Ajoute_Ligne", "Temporaire.txt",
         [this](LogService& log) { return log.Ajoute_Ligne(late_); }, kFolderInTheWay},
        {"Insere_Ligne", "Temporaire6.txt",
         [this](LogService& log) { return log.Insere_Ligne(early_); }, kFolderInTheWay},
        {"Remplace_Ligne", "Temporaire.txt",
         [this](LogService& log) { return log.Remplace_Ligne(late_, b_); }, kFolderInTheWay},
        {"Supprime_Ligne", "Temporaire.txt",
         [this](LogService& log) { return log.Supprime_Ligne(b_); }, kFolderInTheWay},
    };
    const std::string log = logText({a_, b_, c_});
    for (const FailingRewrite& failing : cases) {
        SCOPED_TRACE(failing.name);
        messages.messages.clear();
        std::filesystem::remove_all(dataFile("Temporaire.txt"));
        std::filesystem::remove_all(dataFile("Temporaire6.txt"));
        writeDataFile("F4ABC_PC.log", log);
        window_->log().Charge_Log();
        clickRow(0);
        const QStringList rowsBefore = listRows();
        const std::string selectedBefore = window_->state().selectedLogLine;
        std::filesystem::create_directory(dataFile(failing.scratchFolder));

        EXPECT_EQ(failing.run(window_->log()), WriteOutcome::NotWritten);

        EXPECT_EQ(messages.messages, QStringList{failing.message});
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), log);
        EXPECT_EQ(listRows(), rowsBefore);
        EXPECT_EQ(w().Liste_PC->currentIndex().row(), 0);
        EXPECT_EQ(window_->state().selectedLogLine, selectedBefore);
        EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F5AAA"));
    }
}

// The log deleted behind the program's back is not brought back by a rewrite.
TEST_F(LogRewriteWindowTest, RewriteOfADeletedLogCreatesNothing) {
    std::filesystem::remove(dataFile("F4ABC_PC.log"));
    const QStringList rowsBefore = listRows();

    EXPECT_EQ(window_->log().Ajoute_Ligne(late_), WriteOutcome::NotWritten);

    EXPECT_EQ(messages.messages,
              QStringList{"Le log n'a pas pu être enregistré (fichier introuvable) : il n'a pas "
                          "été modifié."});
    EXPECT_FALSE(std::filesystem::exists(dataFile("F4ABC_PC.log")));
    EXPECT_EQ(listRows(), rowsBefore);
    EXPECT_EQ(programEnd.requests, 0);
}

// A full log (99,999 QSOs, the most the list numbers) takes no new line, but can still be
// corrected and shortened.
TEST_F(LogRewriteWindowTest, FullLogRefusesOnlyAnExtraLine) {
    std::string full;
    full.reserve((a_.size() + 2) * 99'999);
    for (int i = 0; i < 99'998; ++i) {
        full += a_ + "\r\n";
    }
    full += b_ + "\r\n";
    const QString logFull = QStringLiteral(
        "Le log contient déjà 99999 QSO, le maximum : le QSO n'a pas été enregistré.");
    const Rewrite refused[] = {
        {"Ajoute_Ligne", [this](LogService& log) { return log.Ajoute_Ligne(late_); }, {}},
        {"Insere_Ligne", [this](LogService& log) { return log.Insere_Ligne(early_); }, {}},
    };
    writeDataFile("F4ABC_PC.log", full);
    window_->log().Charge_Log();
    for (const Rewrite& rewrite : refused) {
        SCOPED_TRACE(rewrite.name);
        messages.messages.clear();

        EXPECT_EQ(rewrite.run(window_->log()), WriteOutcome::NotWritten);

        EXPECT_EQ(messages.messages, QStringList{logFull});
        EXPECT_TRUE(readDataFile("F4ABC_PC.log") == full);
        EXPECT_EQ(w().Liste_PC->model()->rowCount(), 99'999);
    }
    messages.messages.clear();

    EXPECT_EQ(window_->log().Remplace_Ligne(c_, b_), WriteOutcome::Written);
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 99'999);
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(99'999, c_));
    EXPECT_TRUE(w().Liste_PC->viewport()->rect().contains(
        w().Liste_PC->visualRect(w().Liste_PC->currentIndex())));
    EXPECT_EQ(window_->log().Supprime_Ligne(c_), WriteOutcome::Written);
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 99'998);
    EXPECT_TRUE(messages.messages.isEmpty());
}

// A log edited by hand loads without harm: every line is a row, numbered in file order, and the
// file itself is left exactly as it was.
TEST_F(LogRewriteWindowTest, HandEditedLogLoadsAsItStands) {
    const std::string accented = logLine("F5DDD", "2A001", "04/02/21", "10:00", "14 Mhz", false,
                                         "H\xC9L\xC8NE", std::string("\x8C") + "UVRE");
    std::string nulLine = logLine("F5EEE", "89005", "05/02/21", "10:00", "14 Mhz");
    nulLine[2] = '\0';
    // Callsign, departement and first name only: the line stops in the first-name columns.
    const std::string shortLine =
        "F5ABC" + std::string(8, ' ') + "75" + std::string(3, ' ') + "JEAN";
    const std::string content = a_ + "\r\n" +         // row 1: a well-formed line
                                "\r\n" +              // row 2: blank
                                shortLine + "\r\n" +  // row 3: short
                                b_ + "EXTRA\r\n" +    // row 4: longer than 107
                                c_ + "\n" +           // row 5: LF only
                                accented + "\r\n" +   // row 6: accented capitals
                                nulLine;              // row 7: NUL byte, no line end
    writeDataFile("F4ABC_PC.log", content);

    window_->log().Charge_Log();

    const QStringList rows = listRows();
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], fromCp1252(makeListRow(1, a_)));
    EXPECT_EQ(rows[1], QStringLiteral("    2") + QString(21, u' '));
    // The pieces the short line lacks are empty; their separators remain.
    EXPECT_EQ(rows[2], QStringLiteral("    3  F5ABC") + QString(9, u' ') + QStringLiteral("75") +
                           QString(3, u' ') + QStringLiteral("JEAN") + QString(16, u' '));
    EXPECT_EQ(rows[3], fromCp1252(makeListRow(4, b_)));
    EXPECT_TRUE(rows[3].endsWith(u'*'));
    EXPECT_EQ(rows[4], fromCp1252(makeListRow(5, c_)));
    EXPECT_EQ(rows[5].size(), 122);
    EXPECT_EQ(rows[5].mid(26, 15), QStringLiteral("HÉLÈNE         "));
    EXPECT_EQ(rows[5].mid(89, 30), QStringLiteral("ŒUVRE").leftJustified(30));
    EXPECT_EQ(rows[6].size(), 122);
    EXPECT_EQ(rows[6].mid(7, 5), QString::fromUtf16(u"F5\u0000EE", 5));
    EXPECT_TRUE(readDataFile("F4ABC_PC.log") == content);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(programEnd.requests, 0);
}

}  // namespace
}  // namespace orv::test
