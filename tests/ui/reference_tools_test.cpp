// The commands of the reference list and the log tools, reached from the main window: the list
// update, the site-names update, the ADIF export, the reference detail and the QSO search.

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

const std::string kTreigny =
    logLine("F5XYZ", "89001", "12/03/21", "10:00", "14 Mhz", true, "PAUL", "ancien nom");
const std::string kAjaccio = logLine("F4ABC/P", "2a001", "13/03/21", "11:30", "7.0 Mhz");
const std::string kNowhere = logLine("F6AAA", "75999", "14/03/21", "12:00", "10 Mhz");
const std::string kLog = logText({kTreigny, kAjaccio, kNowhere});

std::string treignyRenamed() {
    std::string treigny = kTreigny;
    return treigny.replace(75, 30,
                           "CH\xC2TEAU DE GU\xC9"
                           "DELON           ");
}

class ReferenceToolsTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeDataFile("Liste_PC.csv",
                      "Rev 004 01/02/24;;\r\nPC-89001;Ch\xE2teau de Gu\xE9"
                      "delon;x;12;x;Treigny;Perreuse;\r\nPC-2a001;Citadelle;x;7;x;;;\r\n");
        startWithLog(kLog);
    }

    QWidget* child(QWidget* window, const char* name) {
        return window->findChild<QWidget*>(QString::fromLatin1(name));
    }
    QString text(QWidget* window, const char* name) { return fieldText(child(window, name)); }
};

TEST_F(ReferenceToolsTest, ListUpdateFetchesTheAddressOfTheSettings) {
    EXPECT_EQ(storedSetting("Adresses", "Liste PC"), QStringLiteral("http://velmora.example"));
    storeSetting("Adresses", "Liste PC", "http://127.0.0.1:8080");
    const char* list = "Rev 005 01/03/24;\r\nPC-89001;Nom;x;1;x;a;b;\r\n";
    http.answer("http://127.0.0.1:8080/Velmora/Liste_PC.csv", 200, list);
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_EQ(http.requested, QStringList{"http://127.0.0.1:8080/Velmora/Liste_PC.csv"});
    EXPECT_EQ(readDataFile("Liste_PC.csv"), list);
    EXPECT_EQ(messages.messages,
              QStringList{
                  QStringLiteral("La liste des Patrimoines à été mise à jour   Rev 005 01/03/24")});

    // Cut without announced length: the progress's last total is only what came.
    http.replies.begin()->end = HttpReply::End::Incomplete;
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_EQ(messages.messages.value(1),
              QStringLiteral("Le téléchargement a été interrompu (44 octets reçus) : la liste des "
                             "Patrimoines actuelle est conservée."));
}

// The list in place loses 2a001 (in the log) and gains 89002; then the same list comes again;
// then 89001 (in the log) is renamed.
TEST_F(ReferenceToolsTest, ListUpdateShowsWhatChangedAndCanRenameTheLog) {
    storeSetting("Adresses", "Liste PC", "http://127.0.0.1:8080");
    QByteArray list =
        "Rev 005 01/03/24;\r\nPC-89001;Ch\xE2teau de Gu\xE9"
        "delon;x;12;x;Treigny;Perreuse;\r\nPC-89002;Pont;x;1;x;a;b;\r\n";
    http.answer("http://127.0.0.1:8080/Velmora/Liste_PC.csv", 200, list);
    w().menus.Mnu_Maj_PC->trigger();
    QWidget* changes = activeWindow("Changements_Liste");
    ASSERT_TRUE(changes);
    EXPECT_EQ(messages.messages.size(), 1);  // the revision's message came first
    EXPECT_EQ(changes->findChild<QLabel*>("Compt_C")->text(),
              QStringLiteral("1 nouveau, 0 renommé, 1 retiré ; 1 de votre log concerné"));
    EXPECT_EQ(changes->findChild<QListView*>("Liste_Changements")->model()->rowCount(), 7);
    auto* rename = changes->findChild<QPushButton*>("Maj_Noms");
    EXPECT_FALSE(rename->isVisible());
    changes->findChild<QPushButton*>("Enregistrer")->click();
    EXPECT_EQ(messages.messages.last(), QStringLiteral("Fichier enregistré sous le nom : "
                                                       "F4ABC_Changements_Liste_PC_07_12_26.txt"));
    changes->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_EQ(openWindowCount("Changements_Liste"), 0);

    http.answer("http://127.0.0.1:8080/Velmora/Liste_PC.csv", 200,
                list.replace("delon;", "delon et son chantier;"));
    w().menus.Mnu_Maj_PC->trigger();
    changes = activeWindow("Changements_Liste");
    ASSERT_TRUE(changes);
    rename = changes->findChild<QPushButton*>("Maj_Noms");
    ASSERT_TRUE(rename->isVisible());
    rename->click();
    EXPECT_NE(readDataFile("F4ABC_PC.log")
                  .find("CH\xC2TEAU DE GU\xC9"
                        "DELON ET SON CHA"),
              std::string::npos);
}

TEST_F(ReferenceToolsTest, SiteNamesUpdateRewritesTheLogAndSelectsTheLastRow) {
    clickRow(0);
    w().menus.Mnu_Maj_Nom_PC->trigger();
    const std::string treigny = treignyRenamed();
    std::string ajaccio = kAjaccio;
    ajaccio.replace(75, 30, "CITADELLE                     ");
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({treigny, ajaccio, kNowhere}));
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("Mise à jour du nom des Patrimoines terminée")});
    EXPECT_EQ(listRows().size(), 3);
    EXPECT_EQ(w().Liste_PC->currentIndex().row(), 2);

    messages.messages.clear();
    writeDataFile("Liste_PC.csv", "");
    w().menus.Mnu_Maj_Nom_PC->trigger();
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({treigny, ajaccio, kNowhere}));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(
        messages.messages[0].startsWith("La liste des Patrimoines Liste_PC.csv est absente"));
    writeDataFile("Liste_PC.csv", "Rev 005;;\r\nPC-2a001;Citadelle;x;7;x;;;\r\nPC-89");  // cut
    w().menus.Mnu_Maj_Nom_PC->trigger();
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({treigny, ajaccio, kNowhere}));
}

TEST_F(ReferenceToolsTest, QsoBeingModifiedIsStillFoundAfterTheSiteNamesUpdate) {
    clickRow(1);
    doubleClickRow(1);
    w().menus.Mnu_Maj_Nom_PC->trigger();
    EXPECT_EQ(w().Mode_Aff->text(), QStringLiteral("Modification QSO"));
    messages.messages.clear();

    w().QSL_A->setFocus();
    QTest::keyClick(w().QSL_A, Qt::Key_Space);
    QTest::mouseClick(w().Valide_A, Qt::LeftButton);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
    const std::string modified = logLine("F4ABC/P", "2a001", "13/03/21", "11:30", "7.0 Mhz", true);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), logText({treignyRenamed(), modified, kNowhere}));
}

TEST_F(ReferenceToolsTest, AdifExportNamesItsFileOrSaysWhyItCouldNotBeWritten) {
    w().menus.Mnu_ADIF->trigger();
    EXPECT_EQ(
        messages.messages,
        QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F4ABC_PC.adi")});
    const std::string adif = readDataFile("F4ABC_PC.adi");
    EXPECT_TRUE(adif.starts_with("Exportation du log de la station F4ABC au format ADIF\r\n"));
    EXPECT_NE(adif.find("<CALL:7>F4ABC/P "), std::string::npos);

    messages.messages.clear();
    std::filesystem::remove(dataFile("F4ABC_PC.adi"));
    std::filesystem::create_directory(dataFile("F4ABC_PC.adi"));
    w().menus.Mnu_ADIF->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0],
              QStringLiteral("Le fichier F4ABC_PC.adi n'a pas pu être enregistré (un dossier porte "
                             "ce nom)."));
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), kLog);
}

TEST_F(ReferenceToolsTest, DetailShowsTheSelectedQsoAndIsFilledAgainForAnother) {
    w().Detail_Ref->click();
    QWidget* detail = activeWindow("Detail");
    ASSERT_TRUE(detail);
    EXPECT_EQ(text(detail, "Ref_P"), QStringLiteral("75999"));
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("pas de détails trouvés pour cette référence")});

    clickRow(0);
    w().Detail_Ref->click();
    EXPECT_EQ(openWindowCount("Detail"), 1);
    EXPECT_EQ(text(detail, "Ref_P"), QStringLiteral("89001"));
    EXPECT_EQ(text(detail, "Nom_P"), QStringLiteral("Château de Guédelon"));
    EXPECT_EQ(text(detail, "Num_P"), QStringLiteral("12"));
    EXPECT_EQ(text(detail, "Com_P"), QStringLiteral("Treigny Perreuse"));
    EXPECT_EQ(child(detail, "Com_P")->accessibleName(), QStringLiteral("Commune :"));
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(ReferenceToolsTest, SearchListsTheQsosAndADoubleClickChoosesOneInTheMainList) {
    w().Rechercher->click();
    QWidget* search = activeWindow("Recherche_Indicatif");
    ASSERT_TRUE(search);
    QWidget* indica = child(search, "Indica");
    ASSERT_TRUE(QTest::qWaitFor([&] { return indica->hasFocus(); }));
    typeText(indica, "f");
    EXPECT_EQ(text(search, "Indica"), QStringLiteral("F"));
    pressEnter(indica);
    auto* results = search->findChild<QListView*>("QSO_Effectues");
    EXPECT_EQ(results->model()->rowCount(), 3);
    EXPECT_EQ(text(search, "Indica"), QString());

    // A Corsican reference typed in capitals finds the QSO logged in lower case.
    QWidget* data = child(search, "Data");
    QTest::mouseClick(data, Qt::LeftButton);
    EXPECT_TRUE(search->findChild<QRadioButton*>("Option1_2")->isChecked());
    typeText(data, "2a00");
    pressEnter(data);
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("5 caracteres maxi pour la référence ex: 77001")});
    EXPECT_EQ(results->model()->rowCount(), 3);
    typeText(data, "1");
    EXPECT_EQ(text(search, "Data"), QStringLiteral("2A001"));
    pressEnter(data);
    ASSERT_EQ(results->model()->rowCount(), 1);
    const QString result = results->model()->index(0, 0).data().toString();
    EXPECT_TRUE(result.startsWith(QStringLiteral("    2  F4ABC/P       2a   13/03/21")));

    const QModelIndex first = results->model()->index(0, 0);
    results->scrollTo(first);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {},
                       results->visualRect(first).center());
    EXPECT_TRUE(QTest::qWaitFor([] { return openWindow("Recherche_Indicatif") == nullptr; }));
    EXPECT_EQ(w().Liste_PC->currentIndex().row(), 1);
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F4ABC/P"));
    EXPECT_EQ(window_->state().selectedLogLine, makeListRow(2, kAjaccio));
}

TEST_F(ReferenceToolsTest, EnterOnASearchResultChoosesItInTheMainList) {
    w().Rechercher->click();
    QWidget* search = activeWindow("Recherche_Indicatif");
    ASSERT_TRUE(search);
    typeText(child(search, "Indica"), "F5");
    pressEnter(child(search, "Indica"));
    auto* results = search->findChild<QListView*>("QSO_Effectues");
    results->setCurrentIndex(results->model()->index(0, 0));
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return openWindow("Recherche_Indicatif") == nullptr; }));
    EXPECT_EQ(w().Liste_PC->currentIndex().row(), 0);
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("F5XYZ"));
}

TEST_F(ReferenceToolsTest, SearchWithoutMatchEmptiesTheFields) {
    w().Rechercher->click();
    QWidget* search = activeWindow("Recherche_Indicatif");
    ASSERT_TRUE(search);
    QWidget* depa = child(search, "Depa");
    search->findChild<QRadioButton*>("Option1_3")->click();
    ASSERT_TRUE(depa->hasFocus());
    typeText(depa, "2B");
    pressEnter(depa);
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Pas de QSO trouvé")});
    EXPECT_EQ(text(search, "Depa"), QString());
}

}  // namespace
}  // namespace orv::test
