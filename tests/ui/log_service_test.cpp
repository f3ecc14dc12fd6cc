// The station's log as one service, seen from the main window: every change reloads the list and
// selects its last row; a change that cannot be made is explained and changes nothing.

#include <QSignalSpy>
#include <functional>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

// Station F4ABC with a log of three QSOs, the main window started on it.
class LogServiceTest : public MainWindowTest {
protected:
    void SetUp() override {
        chooseStation("F4ABC");
        writeLog("F4ABC", {a_, b_, c_});
        startMainWindow();
    }

    LogService& log() { return window_->log(); }

    // The list must show the log as it now stands, with its last row handled as a click.
    void expectListMirrorsTheLog(const std::vector<std::string>& lines) {
        QStringList expected;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            expected << fromCp1252(makeListRow(i + 1, lines[i]));
        }
        EXPECT_EQ(listRows(), expected);
        EXPECT_EQ(w().Liste_PC->currentIndex().row(), int(lines.size()) - 1);
        EXPECT_EQ(window_->state().selectedFileLine, lines.back());
        EXPECT_TRUE(w().Annule_Saisie->isEnabled());
        EXPECT_FALSE(w().Ind_A->isEnabled());
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
TEST_F(LogServiceTest, EachRewriteReloadsTheListAndSelectsTheLastRow) {
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
        {"whole log",
         [this](LogService& log) {
             return log.replaceAllLines({c_, a_});
         },
         {c_, a_}},
    };
    for (const Rewrite& rewrite : rewrites) {
        SCOPED_TRACE(rewrite.name);
        writeLog("F4ABC", {a_, b_, c_});
        log().Charge_Log();
        window_->Init_Saisie();
        QSignalSpy changed(&log(), &LogService::changed);

        EXPECT_EQ(rewrite.run(log()), WriteOutcome::Written);

        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText(rewrite.after));
        expectListMirrorsTheLog(rewrite.after);
        for (const char* scratch : {"Temporaire.txt", "Temporaire6.txt", "Temporaire1.log"}) {
            EXPECT_FALSE(std::filesystem::exists(dataFile(scratch))) << scratch;
        }
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(LogServiceTest, DeletingTheOnlyQsoLeavesAnEmptyListWithoutSelection) {
    writeLog("F4ABC", {a_});
    log().Charge_Log();

    EXPECT_EQ(log().Supprime_Ligne(a_), WriteOutcome::Written);

    EXPECT_EQ(readDataFile("F4ABC_PC.log"), "");
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_FALSE(w().Liste_PC->currentIndex().isValid());
}

struct FailingRewrite {
    const char* name;
    const char* scratch;  // a folder of this name keeps the scratch file from being created
    std::function<WriteOutcome(LogService&)> run;
};

// A rewrite that cannot go through tells the operator why and changes nothing: not the log, not
// the list, not the selected row.
TEST_F(LogServiceTest, FailedRewriteLeavesLogAndListAsTheyWere) {
    const FailingRewrite cases[] = {
        {"Ajoute_Ligne", "Temporaire.txt",
         [this](LogService& log) { return log.Ajoute_Ligne(late_); }},
        {"Insere_Ligne", "Temporaire6.txt",
         [this](LogService& log) { return log.Insere_Ligne(early_); }},
        {"whole log", "Temporaire1.log",
         [this](LogService& log) { return log.replaceAllLines({c_}); }},
    };
    for (const FailingRewrite& failing : cases) {
        SCOPED_TRACE(failing.name);
        messages.messages.clear();
        clickRow(0);
        const QStringList rowsBefore = listRows();
        std::filesystem::create_directory(dataFile(failing.scratch));

        EXPECT_EQ(failing.run(log()), WriteOutcome::NotWritten);

        EXPECT_EQ(messages.messages,
                  QStringList{"Le log n'a pas pu être enregistré (un dossier porte ce nom) : il "
                              "n'a pas été modifié."});
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({a_, b_, c_}));
        EXPECT_EQ(listRows(), rowsBefore);
        EXPECT_EQ(window_->state().selectedFileLine, a_);
        std::filesystem::remove(dataFile(failing.scratch));
    }
}

// The file changed behind the program's back: the QSO of the row is no longer in it.
TEST_F(LogServiceTest, QsoNoLongerInTheFileIsNeitherReplacedNorDeleted) {
    writeLog("F4ABC", {a_, c_});
    const std::vector<std::function<WriteOutcome()>> changes = {
        [this] { return log().Remplace_Ligne(late_, b_); },
        [this] { return log().Supprime_Ligne(b_); },
    };
    for (const auto& change : changes) {
        messages.messages.clear();
        EXPECT_EQ(change(), WriteOutcome::NotWritten);
        EXPECT_EQ(messages.messages,
                  QStringList{"Ce QSO n'est plus dans le fichier F4ABC_PC.log (modifié en dehors "
                              "d'ORV_PC) : le log n'a pas été modifié."});
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({a_, c_}));
    }
}

// The log deleted behind the program's back is not brought back by a rewrite.
TEST_F(LogServiceTest, RewriteOfADeletedLogCreatesNothing) {
    std::filesystem::remove(dataFile("F4ABC_PC.log"));
    const QStringList rowsBefore = listRows();

    EXPECT_EQ(log().Ajoute_Ligne(late_), WriteOutcome::NotWritten);
    EXPECT_EQ(log().Supprime_Ligne(a_), WriteOutcome::NotWritten);

    EXPECT_EQ(messages.messages,
              QStringList(2,
                          "Le log n'a pas pu être enregistré (fichier introuvable) : il n'a "
                          "pas été modifié."));
    EXPECT_FALSE(std::filesystem::exists(dataFile("F4ABC_PC.log")));
    EXPECT_EQ(listRows(), rowsBefore);
    EXPECT_EQ(programEnd.requests, 0);
}

// A full log (99,999 QSOs, the most the list numbers) takes no new line.
TEST_F(LogServiceTest, FullLogRefusesAnExtraLineWithItsMessage) {
    std::string full;
    full.reserve((a_.size() + 2) * 99'999);
    for (int i = 0; i < 99'999; ++i) {
        full += a_ + "\r\n";
    }
    writeDataFile("F4ABC_PC.log", full);
    log().Charge_Log();

    EXPECT_EQ(log().Ajoute_Ligne(late_), WriteOutcome::NotWritten);

    EXPECT_EQ(messages.messages,
              QStringList{"Le log contient déjà 99999 QSO, le maximum : le QSO n'a pas été "
                          "enregistré."});
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 99'999);
}

// A log edited by hand loads without harm: every line is a row, numbered in file order, and the
// file itself is left exactly as it was.
TEST_F(LogServiceTest, HandEditedLogLoadsAsItStands) {
    std::string nulLine = c_;
    nulLine[2] = '\0';
    const std::string content = a_ + "\r\n" +        // a well-formed line
                                "\r\n" +             // blank
                                "F5ABC  75\r\n" +    // short
                                b_ + "EXTRA\r\n" +   // longer than 107
                                c_ + "\n" +          // LF only
                                a_ + "\xC9\xC8\r\n"  // Windows-1252 letters
                                + nulLine;           // NUL byte, no line end
    writeDataFile("F4ABC_PC.log", content);

    log().Charge_Log();

    const QStringList rows = listRows();
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[1], QStringLiteral("    2") + QString(21, u' '));
    EXPECT_EQ(rows[6].mid(7, 5), QString::fromUtf16(u"F5\u0000CC", 5));
    EXPECT_TRUE(readDataFile("F4ABC_PC.log") == content);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(programEnd.requests, 0);
}

}  // namespace
}  // namespace orv::test
