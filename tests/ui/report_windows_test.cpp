// The award and report windows on a real log: what each shows when it opens, its buttons, and
// the menu commands that open it. The counts and rows themselves are the reports' unit tests.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "model/log_line.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/main/main_window.h"
#include "ui/main/report_windows.h"
#include "ui/map/departement_map_view.h"
#include "ui/map/map_window.h"
#include "window_test.h"

namespace orv::test {
namespace {

std::string qso(int i, bool qsl, std::string_view departement = "89") {
    LogRecord record{"F5XYZ",
                     std::string(departement),
                     "JEAN",
                     std::string(departement) + "0" + (i < 10 ? "0" : "") + std::to_string(i % 100),
                     "12/03/21",
                     "14:05",
                     "SSB",
                     "14 Mhz",
                     "59",
                     "59",
                     "CH\xC2TEAU",
                     qsl};
    return formatLogLine(record).value();
}

// Three sites, two of them in the Yonne; sampleLog worked 89001 on 14 Mhz.
const char* const kThreeSites =
    "Rev 001 01/01/24;;\r\nPC-89001;Ch\xE2teau;x;1;x;Sens;;\r\nPC-89002;Moulin;x;2;x;Sens;;\r\n"
    "PC-75001;Tour;x;3;x;Paris;;\r\n";

std::vector<std::string> sampleLog(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(qso(i, i % 4 == 0));
    }
    return lines;
}

class ReportWindowsTest : public WindowTest {
protected:
    ReportWindowsTest() { chooseStation("F4ABC"); }
    ~ReportWindowsTest() override {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->testAttribute(Qt::WA_DeleteOnClose)) {
                window->close();
            }
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window a command opens, once it is active.
    QWidget* open(void (ReportWindows::*command)(), const char* objectName) {
        (windows().*command)();
        return activeWindow(QString::fromLatin1(objectName));
    }

    ReportWindows& windows() {
        if (!windows_) {
            windows_ = std::make_unique<ReportWindows>(
                soloContext(),
                [this](const std::string& reference) { details.push_back(reference); });
        }
        return *windows_;
    }

    template <class Widget>
    static Widget* control(QWidget* window, const char* name) {
        auto* found = window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static QString text(QWidget* window, const char* name) {
        if (auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return box->text();
        }
        return control<QLabel>(window, name)->text();
    }

    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }

    std::vector<std::string> details;  // the references whose "Detail" was asked for

private:
    std::unique_ptr<ReportWindows> windows_;
};

TEST_F(ReportWindowsTest, ScoresShowTheThreeCountsBesideTheirCaptions) {
    writeLog("F4ABC", sampleLog(10));
    QWidget* window = open(&ReportWindows::openScores, "Score_PC");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Scores PC"));
    EXPECT_EQ(text(window, "Label2"), QStringLiteral("Scores PC"));
    EXPECT_EQ(text(window, "HF_CT"), QStringLiteral("10"));
    EXPECT_EQ(text(window, "HF_CF"), QStringLiteral("3"));
    EXPECT_EQ(text(window, "HF_Dpt"), QStringLiteral("1"));
    auto* confirmed = control<QLineEdit>(window, "HF_CF");
    EXPECT_EQ(confirmed->accessibleName(), QStringLiteral("Nombre de Patrimoines confirmés"));
    EXPECT_EQ(control<QLabel>(window, "Label4")->buddy(), confirmed);
    EXPECT_TRUE(confirmed->isReadOnly());
    EXPECT_EQ(fieldColour(confirmed), kLightYellow);

    windows().openScores();
    EXPECT_EQ(openWindowCount("Score_PC"), 1);
}

TEST_F(ReportWindowsTest, MissingLogShowsZeros) {
    QWidget* window = open(&ReportWindows::openScores, "Score_PC");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(text(window, "HF_CT"), QStringLiteral("0"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ReportWindowsTest, AwardLevelsReachedEnableTheirListButton) {
    writeLog("F4ABC", sampleLog(100));
    QWidget* window = open(&ReportWindows::openAwards, "Diplome_PC");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Diplomes PC"));
    EXPECT_EQ(text(window, "Label4"),
              QStringLiteral("Bravo vous pouvez obtenir le diplome PC 100"));
    EXPECT_EQ(control<QLabel>(window, "Label4")->palette().color(QPalette::WindowText),
              QColor(0, 128, 0));
    EXPECT_EQ(text(window, "Label18"), QStringLiteral("avec les 100 Patrimoines contactés"));
    EXPECT_EQ(text(window, "Label1"),
              QStringLiteral("Vous ne pouvez pas encore obtenir le diplome PC 500"));
    EXPECT_EQ(control<QLabel>(window, "Label1")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(text(window, "Label3"), QStringLiteral("il vous manque 400 Patrimoines contactés"));
    const std::vector<std::pair<const char*, bool>> buttons = {{"PC_100", true},
                                                               {"PC_200", false},
                                                               {"PC_300", false},
                                                               {"PC_400", false},
                                                               {"PC_500", false}};
    for (const auto& [name, enabled] : buttons) {
        auto* button = control<QPushButton>(window, name);
        EXPECT_EQ(button->isEnabled(), enabled) << name;
        EXPECT_EQ(button->text(), QStringLiteral("Voir la liste"));
    }
}

TEST_F(ReportWindowsTest, VoirLaListeChoosesTheLevelAndOpensTheAwardListOnce) {
    writeLog("F4ABC", sampleLog(520));
    QWidget* awards = open(&ReportWindows::openAwards, "Diplome_PC");
    click(awards, "PC_400");
    QWidget* list = activeWindow("Liste_PC");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(soloContext().state.Niveau_Diplome, "PC_400");
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Liste Patrimoines contactés"));
    EXPECT_EQ(text(list, "Label4"), QStringLiteral("Diplome PC_400"));
    EXPECT_EQ(text(list, "Label3"), QStringLiteral("520 Patrimoines contactés"));
    EXPECT_EQ(text(list, "Label2"),
              QStringLiteral(
                  "    Ref     Dpt   Nom du Site                      Date   Heure Indicatif"));
    EXPECT_EQ(control<QListView>(list, "Liste_PC_Contacte")->model()->rowCount(), 520);

    // Another level while the list is open: the same list, named after the new level when saved.
    click(awards, "PC_100");
    EXPECT_EQ(openWindowCount("Liste_PC"), 1);
    EXPECT_EQ(text(list, "Label4"), QStringLiteral("Diplome PC_400"));
    click(list, "Enregistrer");
    EXPECT_EQ(messages.messages.value(0),
              QStringLiteral("Fichier enregistré sous le nom : F4ABC_Diplome_PC_100_07_12_26.txt"));
    const std::string saved = readDataFile("F4ABC_Diplome_PC_100_07_12_26.txt");
    EXPECT_EQ(saved.substr(0, 70),
              "   F4ABC Liste alphanumerique des Sites PC contact\xE9s au 07/12/2026\r\n\r\n");
}

// An operator who cancels the printer dialog expects nothing on paper.
TEST_F(ReportWindowsTest, AwardListPrintsItsLinesAcrossPagesAndNothingWhenCancelled) {
    writeLog("F4ABC", sampleLog(150));
    soloContext().state.Niveau_Diplome = "PC_100";
    QWidget* list = open(&ReportWindows::openAwardList, "Liste_PC");
    ASSERT_NE(list, nullptr);

    printer.cancelNext = true;
    click(list, "Imprimer");
    EXPECT_EQ(printer.printouts, 1);
    EXPECT_FALSE(std::filesystem::exists(printer.pdfPath().toStdString()));

    printer.cancelNext = false;
    click(list, "Imprimer");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), printer.pdfPath(), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(20'000));
    const QStringList pages =
        QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    const QStringList printed = pages.join(u'\n').trimmed().split(u'\n');
    EXPECT_EQ(printed.value(0).trimmed(), QStringLiteral("F4ABC Diplome PC_100 du 07/12/26"));
    for (int i = 1; i <= 150; ++i) {
        const QString number = QString::number(i) + QStringLiteral(" ");
        EXPECT_EQ(printed
                      .filter(QRegularExpression(QStringLiteral("^\\s*%1 \\S+ 89 CHÂTEAU "
                                                                "12/03/21 14:05 F5XYZ$")
                                                     .arg(i)))
                      .size(),
                  1)
            << i;
    }
    EXPECT_EQ(printed.last().trimmed(), fromCp1252(kReportFooterNotice));
}

TEST_F(ReportWindowsTest, ConfirmedListCountsAndSavesUnderItsOwnName) {
    writeLog("F4ABC", sampleLog(9));
    QWidget* list = open(&ReportWindows::openConfirmedList, "Aff_Contacte");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Liste des Patrimoines contactés et confirmes"));
    EXPECT_EQ(text(list, "Compt_C"), QStringLiteral("9"));
    EXPECT_EQ(text(list, "Compt_V"), QStringLiteral("3"));
    EXPECT_EQ(spokenName(control<QLabel>(list, "Compt_V")),
              QStringLiteral("3 Patrimoines confirmés"));
    EXPECT_EQ(control<QListView>(list, "Liste_PC_Contacte")->model()->rowCount(), 9);
    click(list, "Enregistrer");
    EXPECT_EQ(
        messages.messages.value(0),
        QStringLiteral("Fichier enregistré sous le nom : F4ABC_Liste_Patrimoines_07_12_26.txt"));
    EXPECT_FALSE(readDataFile("F4ABC_Liste_Patrimoines_07_12_26.txt").empty());
}

TEST_F(ReportWindowsTest, ReportThatCannotBeWrittenIsNotAnnouncedAsSaved) {
    writeLog("F4ABC", sampleLog(3));
    std::filesystem::create_directory(dataFile("F4ABC_Liste_Patrimoines_07_12_26.txt"));
    QWidget* list = open(&ReportWindows::openConfirmedList, "Aff_Contacte");
    ASSERT_NE(list, nullptr);
    click(list, "Enregistrer");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_FALSE(messages.messages[0].startsWith(QStringLiteral("Fichier enregistré")));
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("F4ABC_Liste_Patrimoines_07_12_26")));
}

TEST_F(ReportWindowsTest, MissingQslSearchTypesCapitalsAndListsTheUnconfirmedQsos) {
    writeLog("F4ABC", sampleLog(8));
    QWidget* window = open(&ReportWindows::openMissingQsls, "Multi_QSL");
    ASSERT_NE(window, nullptr);
    auto* callsign = control<QLineEdit>(window, "Indicatif");
    EXPECT_EQ(callsign->accessibleName(), QStringLiteral("QSL's non reçues de"));
    EXPECT_EQ(control<QPushButton>(window, "Recherche")->text(), QStringLiteral("ICI"));

    pressEnter(callsign);
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Entrez un indicatif")});
    EXPECT_EQ(text(window, "Label2"), QStringLiteral("QSL's non reçues"));

    callsign->setFocus();
    typeText(callsign, QStringLiteral("f5x"));
    EXPECT_EQ(callsign->text(), QStringLiteral("F5X"));
    pressEnter(callsign);
    EXPECT_TRUE(control<QPushButton>(window, "Recherche")->hasFocus());
    EXPECT_EQ(text(window, "Label2"), QStringLiteral("QSL's non reçues de F5X"));
    EXPECT_EQ(control<QListView>(window, "Liste_PC")->model()->rowCount(), 6);
}

TEST_F(ReportWindowsTest, MapColoursTheBoxesAndCountsBesideIt) {
    writeLog("F4ABC",
             {qso(1, false, "89"), qso(2, true, "89"), qso(3, false, "21"), qso(4, true, "2A")});
    auto* window =
        static_cast<MapWindow*>(open(&ReportWindows::openDepartementMap, "Carte_Acti_PC"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Carte des départements contactés"));
    EXPECT_EQ(text(window, "NB_Dep"), QStringLiteral("3"));
    EXPECT_EQ(spokenName(control<QLabel>(window, "NB_Dep")),
              QStringLiteral("3 départements contactés"));
    EXPECT_EQ(text(window, "Nb_Conf"), QStringLiteral("2 Dpt confirmés"));
    EXPECT_EQ(text(window, "Nb_Nconf"), QStringLiteral("1 Dpt non confirmés"));
    EXPECT_EQ(text(window, "Nb_Ncont"), QStringLiteral("93 Dpt non contactés"));
    EXPECT_TRUE(text(window, "Credit_Carte").contains(QStringLiteral("CC BY 4.0")));

    const DepartementMapView& map = window->mapView();
    const auto background = [&map](int box) {
        return map.box(box)->palette().color(QPalette::Window);
    };
    EXPECT_EQ(background(89), QColor(128, 255, 128));
    EXPECT_EQ(background(21), QColor(255, 192, 192));
    EXPECT_EQ(background(1), QColor(255, 255, 128));
    EXPECT_EQ(map.box(96)->text(), QStringLiteral("2a"));
    EXPECT_EQ(map.box(96)->accessibleDescription(), QStringLiteral("confirmé"));
    EXPECT_EQ(map.box(20), nullptr);
}

TEST_F(ReportWindowsTest, SitesToWorkFollowTheChoicesAndLeadToTheDetailOrAFile) {
    writeLog("F4ABC", sampleLog(2));
    writeDataFile("Liste_PC.csv", kThreeSites);
    windows().openSitesToWork();
    QWidget* window = activeWindow("A_Contacter");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Patrimoines à contacter"));
    EXPECT_EQ(text(window, "Label3"),
              QStringLiteral("2 Patrimoines à contacter sur 3 (tous départements, toutes bandes)"));
    auto* departement = control<QComboBox>(window, "Dpt_C");
    auto* band = control<QComboBox>(window, "Bande_C");
    auto* rows = control<QListView>(window, "Liste_PC_Contacte");
    EXPECT_EQ(departement->accessibleName(), QStringLiteral("Département"));
    ASSERT_TRUE(departement->hasFocus());
    QTest::keyClicks(departement, QStringLiteral("8"));
    QTest::keyClick(departement, Qt::Key_Tab);
    ASSERT_TRUE(band->hasFocus());
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(band, Qt::Key_Down);
    }
    EXPECT_EQ(text(window, "Label3"),
              QStringLiteral("1 Patrimoines à contacter sur 2 (89, 14 Mhz)"));
    QTest::keyClick(band, Qt::Key_Tab);
    ASSERT_TRUE(rows->hasFocus());
    QTest::keyClick(rows, Qt::Key_Home);
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_EQ(details, std::vector<std::string>{"89002"});
    EXPECT_TRUE(messages.messages.isEmpty());

    click(window, "Enregistrer");
    EXPECT_EQ(messages.messages.value(0),
              QStringLiteral("Fichier enregistré sous le nom : F4ABC_A_Contacter_89_07_12_26.txt"));
    EXPECT_TRUE(
        readDataFile("F4ABC_A_Contacter_89_07_12_26.txt")
            .starts_with("   F4ABC Patrimoines \xE0 contacter (89, 14 Mhz) au 07/12/2026\r\n"));
    windows().openSitesToWorkIn("75");
    EXPECT_EQ(openWindowCount("A_Contacter"), 1);
    EXPECT_EQ(text(window, "Label3"),
              QStringLiteral("1 Patrimoines à contacter sur 1 (75, 14 Mhz)"));
}

TEST_F(ReportWindowsTest, SitesToWorkWithoutAListSaySoAndStayEmpty) {
    writeLog("F4ABC", sampleLog(2));
    windows().openSitesToWork();
    QWidget* window = activeWindow("A_Contacter");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(text(window, "Label3")
                    .startsWith(QStringLiteral(
                        "La liste des Patrimoines Liste_PC.csv est absente ou illisible")));
    EXPECT_EQ(control<QListView>(window, "Liste_PC_Contacte")->model()->rowCount(), 0);
    EXPECT_FALSE(control<QPushButton>(window, "Enregistrer")->isEnabled());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ReportWindowsTest, MapDepartementsTellTheirSitesAndADoubleClickHuntsThem) {
    writeLog("F4ABC", sampleLog(2));
    writeDataFile("Liste_PC.csv", kThreeSites);
    auto* window =
        static_cast<MapWindow*>(open(&ReportWindows::openDepartementMap, "Carte_Acti_PC"));
    ASSERT_NE(window, nullptr);
    QLabel* yonne = window->mapView().box(89);
    EXPECT_EQ(yonne->toolTip(), QStringLiteral("89 : 1 Patrimoines contactés sur 2"));
    EXPECT_TRUE(yonne->accessibleDescription().endsWith(yonne->toolTip()));
    QTest::mouseDClick(yonne, Qt::LeftButton);
    QWidget* hunt = activeWindow("A_Contacter");
    ASSERT_NE(hunt, nullptr);
    EXPECT_EQ(control<QComboBox>(hunt, "Dpt_C")->currentText(), QStringLiteral("89"));
}

TEST_F(ReportWindowsTest, MapBoxesStandOverTheirDepartementsAtAnySize) {
    writeLog("F4ABC", {});
    auto* window =
        static_cast<MapWindow*>(open(&ReportWindows::openDepartementMap, "Carte_Acti_PC"));
    ASSERT_NE(window, nullptr);
    DepartementMapView& map = window->mapView();
    for (const QSize size : {QSize(613, 585), QSize(1226, 1170)}) {
        map.resize(size);
        const auto at = [&map](int box) {
            const QPoint centre = map.box(box)->geometry().center();
            return QPointF(double(centre.x()) / map.width(), double(centre.y()) / map.height());
        };
        // Finistère in the west, Bas-Rhin in the east, Corsica in the south-east corner, and the
        // four Paris departements together in the top-left corner.
        EXPECT_LT(at(29).x(), 0.12);
        EXPECT_GT(at(67).x(), 0.85);
        EXPECT_GT(at(96).x(), 0.85);
        EXPECT_GT(at(96).y(), 0.85);
        for (const int paris : {75, 92, 93, 94}) {
            EXPECT_LT(at(paris).x(), 0.16) << paris;
            EXPECT_LT(at(paris).y(), 0.13) << paris;
        }
    }
}

TEST_F(ReportWindowsTest, MenuCommandsOpenTheirWindows) {
    writeLog("F4ABC", sampleLog(3));
    const std::unique_ptr<MainWindow> main = newMainWindow();
    const MainMenus& menus = main->widgets().menus;
    const std::vector<std::pair<QAction*, QString>> commands = {
        {menus.Mnu_Score, QStringLiteral("Score_PC")},
        {menus.Mnu_Diplomes, QStringLiteral("Diplome_PC")},
        {menus.Mnu_L_Contacte, QStringLiteral("Aff_Contacte")},
        {menus.Mnu_A_Contacter, QStringLiteral("A_Contacter")},
        {menus.Mnu_Carte_Acti_PC, QStringLiteral("Carte_Acti_PC")},
        {menus.Mnu_Non_Recue, QStringLiteral("Multi_QSL")},
    };
    for (const auto& [action, window] : commands) {
        action->trigger();
        EXPECT_NE(activeWindow(window), nullptr) << window.toStdString();
        action->trigger();
        EXPECT_EQ(openWindowCount(window), 1) << window.toStdString();
    }
}

}  // namespace
}  // namespace orv::test
