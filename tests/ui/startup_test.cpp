#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <optional>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

using StartupTest = MainWindowTest;

const QString kFirstInstallation =
    QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n");

// What a control shows, whatever its kind.
QString shownText(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

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
    EXPECT_TRUE(messages.messages.isEmpty());
}

// --- First start: no station stored yet ---

TEST_F(StartupTest, FirstStartAsksForTheStationAndCreatesItsEmptyLog) {
    QString shownInBox;
    bool whiteAfterEnter = false;
    bool validationFocused = false;
    QString stationTitle;
    whenModalOpens([&](QWidget& station) {
        stationTitle = station.windowTitle();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&station));
        auto* box = station.findChild<QLineEdit*>(QStringLiteral("New_Indicatif"));
        auto* validation = station.findChild<QPushButton*>(QStringLiteral("Validation"));
        if (box == nullptr || validation == nullptr) {
            ADD_FAILURE() << "the Station window lacks New_Indicatif or Validation";
            station.close();
            return;
        }
        for (const QChar key : QStringLiteral("f4abc/p")) {
            typeText(box, QString(key));
        }
        shownInBox = box->text();
        pressEnter(box);
        whiteAfterEnter = fieldColour(box) == kWhite;
        validationFocused = validation->hasFocus();
        QTest::mouseClick(validation, Qt::LeftButton);
    });

    startMainWindow();

    EXPECT_EQ(messages.messages, QStringList{kFirstInstallation});
    EXPECT_EQ(stationTitle, QStringLiteral("Selection Indicatif"));
    EXPECT_EQ(shownInBox, QStringLiteral("F4ABC_P"));
    EXPECT_TRUE(whiteAfterEnter);
    EXPECT_TRUE(validationFocused);
    ASSERT_TRUE(std::filesystem::is_regular_file(dataFile("F4ABC_P_PC.log")));
    EXPECT_EQ(std::filesystem::file_size(dataFile("F4ABC_P_PC.log")), 0U);
    EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey), "F4ABC_P");
    EXPECT_EQ(storedSetting(settings::stationSection("F4ABC_P"), settings::kBandKey), "0");
    EXPECT_EQ(storedSetting(settings::stationSection("F4ABC_P"), settings::kModeKey), "0");
    EXPECT_EQ(w().I_Station->text(), QStringLiteral("F4ABC/P"));
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("1.8 Mhz"));
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("SSB"));
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 0);
    EXPECT_TRUE(w().Ind_A->hasFocus());
    EXPECT_EQ(programEnd.requests, 0);
}

// Closing the Station window without a callsign leaves the program without a station and
// without a log; a stored callsign that is no valid callsign (hand-edited) counts as none.
TEST_F(StartupTest, StationWindowClosedWithoutChoiceLeavesNoStation) {
    const std::optional<QString> storedCases[] = {std::nullopt, QStringLiteral("../F4ABC")};
    for (const auto& stored : storedCases) {
        SCOPED_TRACE(stored.value_or(QStringLiteral("<none>")).toStdString());
        if (stored) {
            storeSetting(settings::kGlobalSection, settings::kStationKey, *stored);
        }
        messages.messages.clear();
        QString opened;
        whenModalOpens([&opened](QWidget& modal) {
            opened = modal.objectName();
            modal.close();
        });

        startMainWindow();

        EXPECT_EQ(messages.messages, QStringList{kFirstInstallation});
        EXPECT_EQ(opened, QStringLiteral("Station"));
        EXPECT_EQ(window_->state().stationCallsign, "FXXXX");
        EXPECT_EQ(w().I_Station->text(), QStringLiteral("FXXXX"));
        EXPECT_EQ(w().Liste_PC->model()->rowCount(), 0);
        EXPECT_TRUE(w().Ind_A->hasFocus());
        EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey),
                  stored.value_or(QStringLiteral("<absent>")));
        EXPECT_TRUE(std::filesystem::is_empty(dataFolder()));
        EXPECT_FALSE(std::filesystem::exists(dataFolder().parent_path() / "F4ABC_PC.log"));
        EXPECT_EQ(programEnd.requests, 0);
        window_.reset();
    }
}

// --- Later start: the main window as designed ---

class LaterStartTest : public MainWindowTest {
protected:
    void startOnEmptyLog() {
        chooseStation("F4ABC");
        writeDataFile("F4ABC_PC.log", "");
        startMainWindow();
    }

    QString setting(const std::string& callsign, const QString& key) const {
        return storedSetting(settings::stationSection(callsign), key);
    }
};

TEST_F(LaterStartTest, TitleHeaderBannerAndSavedSettings) {
    chooseStation("F4ABC_P");
    writeDataFile("F4ABC_P_PC.log", "");

    startMainWindow();

    EXPECT_EQ(window_->windowTitle(),
              QStringLiteral("ORV PC   Diplome des Patrimoines Français Rèvision  1.0.3"));
    EXPECT_EQ(w().Label_Liste_PC->text(), fromCp1252(listRowHeader()));
    EXPECT_EQ(w().Label_Liste_PC->font(), w().Liste_PC->font());
    EXPECT_EQ(w().I_Station->text(), QStringLiteral("F4ABC/P"));
    EXPECT_EQ(window_->accessibleName(),
              QStringLiteral("ORV PC   Diplome des Patrimoines Français Rèvision  1.0.3, "
                             "INDICATIF DE LA STATION : F4ABC/P"));
    EXPECT_EQ(w().Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    EXPECT_EQ(spokenName(w().Mode_Aff), QStringLiteral("Mode de saisie Saisie QSO"));
    EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kFolderKey),
              QString::fromStdString(dataFolder().string()));
    EXPECT_EQ(setting("F4ABC_P", settings::kRevisionKey), QStringLiteral(" 1.0.3"));
    EXPECT_TRUE(messages.messages.isEmpty());
    const QRect screen = window_->screen()->geometry();
    EXPECT_EQ(window_->pos(), QPoint((screen.width() - window_->width()) / 2,
                                     (screen.height() - window_->height()) / 2));
    EXPECT_EQ(w().Timer1->interval(), 1000);
}

// The menu bar as a tree "name|caption" (without the mark of the Alt letter), items indented
// under their menu, in order.
QStringList menuTree(QMainWindow& window) {
    QStringList tree;
    for (const QAction* item : window.menuBar()->actions()) {
        tree << item->objectName() + "|" + QString(item->text()).remove(u'&');
        if (item->menu() != nullptr) {
            EXPECT_EQ(item->menu()->objectName(), item->objectName());
            for (const QAction* entry : item->menu()->actions()) {
                tree << "  " + entry->objectName() + "|" + QString(entry->text()).remove(u'&');
            }
        }
    }
    return tree;
}

// The Alt letters of the items given that are missing or shared.
QStringList clashingAltLetters(const QList<QAction*>& items) {
    QStringList letters;
    for (const QAction* item : items) {
        letters << QKeySequence::mnemonic(item->text()).toString();
    }
    QStringList clashes;
    for (const QString& letter : letters) {
        if (letter.isEmpty() || letters.count(letter) > 1) {
            clashes << letter;
        }
    }
    return clashes;
}

TEST_F(LaterStartTest, MenuBarCaptionsNamesAndOrder) {
    startOnEmptyLog();

    const QStringList expected = {
        "Mnu_Fichier|Fichier",
        "  Mnu_ADIF|Exporter le log au format ADIF",
        "  Mnu_Quitter|Quitter ORV_PC",
        "Mnu_Date|Date",
        "  Mnu_Date_Auto|Automatique",
        "  Mnu_Date_Man|Manuelle",
        "Mnu_New_Indicatif|Station",
        "Mnu_Liste|Liste",
        "  Mnu_L_Contacte|des Patrimoines contactés",
        "  Mnu_A_Contacter|des Patrimoines à contacter",
        "Mnu_Carte|Carte",
        "  Mnu_Carte_Acti_PC|des départements contactés",
        "Mnu_Outils|Outils",
        "  Mnu_Maj_PC|Mise a jour des références PC",
        "  Mnu_Maj_Nom_PC|Mise a jour du nom des Patrimoines du log PC",
        "  Mnu_Adresses|Adresses web",
        "Mnu_Score|Scores",
        "Mnu_Diplomes|Diplomes",
        "Mnu_Non_Recue|QSL's non reçues",
        "Mnu_Cluster|Afficher Cluster",
        "Mnu_Reglement|Reglement",
        "Mnu_Aide|Aide",
        "  Mnu_Apropos|A Propos",
        "  Mnu_Historique|Historique",
    };
    EXPECT_EQ(menuTree(*window_), expected);
    // Alt and a letter opens a menu or runs a command of the bar, then a letter chooses an item.
    EXPECT_EQ(clashingAltLetters(window_->menuBar()->actions()), QStringList{});
    for (const QAction* title : window_->menuBar()->actions()) {
        if (title->menu() != nullptr) {
            EXPECT_EQ(clashingAltLetters(title->menu()->actions()), QStringList{});
        }
    }
    EXPECT_TRUE(w().menus.Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(w().menus.Mnu_Date_Man->isChecked());
}

struct DesignState {
    const char* name;
    bool enabled;
    std::optional<QColor> colour;
    QString text;
    QString toolTip = {};
};

TEST_F(LaterStartTest, ControlsInTheirDesignState) {
    startOnEmptyLog();

    const QString listHelp = QStringLiteral(
        "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");
    const DesignState controls[] = {
        {"Bande_A", true, kLightYellow, "1.8 Mhz"},
        {"Ind_A", true, kLightGreen, ""},
        {"Prenom_A", false, kLightYellow, ""},
        {"Ref_A", false, kLightYellow, ""},
        {"Dpt_A", false, kLightYellow, ""},
        {"Date_A", false, kLightYellow, ""},
        {"Heure_A", false, kLightYellow, ""},
        {"Mode_A", false, kLightYellow, "SSB"},
        {"RST_A", false, kLightYellow, "59"},
        {"RSTE_A", false, kLightYellow, "59"},
        {"Rem_A", false, kLightYellow, ""},
        {"QSL_A", false, std::nullopt, ""},
        {"Valide_A", false, std::nullopt, "Valider le QSO"},
        {"Efface_A", true, std::nullopt, "Annuler saisie en cours"},
        {"Annule_Saisie", false, std::nullopt, "Supprimer un QSO",
         "Permet d'annuler la saisie d'un Code Postal contacté"},
        {"Ajout_QSO", true, std::nullopt, "Inserer un QSO"},
        {"Rechercher", true, std::nullopt, "Rechercher un QSO"},
        {"Detail_Ref", true, std::nullopt, "Detail Référence"},
        {"Liste_PC", true, kLightYellow, "", listHelp},
        {"L_Communes", true, std::nullopt, listHelp},
        {"Frame3", true, std::nullopt, "Saisie ou modification d'un QSO"},
        {"Label2", true, std::nullopt, "INDICATIF DE LA STATION  : "},
        {"Label10", true, std::nullopt, "Mode de saisie"},
        {"Mode_Aff", true, std::nullopt, "Saisie QSO"},
    };
    for (const DesignState& control : controls) {
        SCOPED_TRACE(control.name);
        const auto* widget = window_->findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->isEnabled(), control.enabled);
        if (control.colour) {
            EXPECT_EQ(fieldColour(widget), *control.colour);
        }
        EXPECT_EQ(shownText(widget), control.text);
        EXPECT_EQ(widget->toolTip(), control.toolTip);
    }
    EXPECT_FALSE(w().QSL_A->isChecked());
    EXPECT_EQ(w().I_Station->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w().Mode_Aff->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const auto* banner = window_->findChild<QWidget*>(QStringLiteral("Frame1"));
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->autoFillBackground());
    EXPECT_EQ(banner->palette().color(QPalette::Window), QColor(64, 64, 64));
    EXPECT_TRUE(QFontInfo(w().Liste_PC->font()).fixedPitch());
    EXPECT_EQ(window_->findChild<QWidget*>(QStringLiteral("L_Communes"))->font().family(),
              QStringLiteral("Arial"));
    EXPECT_EQ(w().Liste_PC->model()->rowCount(), 0);
    EXPECT_FALSE(w().Liste_PC->currentIndex().isValid());
    EXPECT_TRUE(window_->state().selectedLogLine.empty());
    EXPECT_TRUE(w().Ind_A->hasFocus());
}

// Each field's caption stands just above it in the entry frame, and names it for a screen reader
// (its own name, and the label naming it: a drop-down list on Linux is announced by its label).
TEST_F(LaterStartTest, FieldCaptionsAboveTheirFields) {
    startOnEmptyLog();

    const std::pair<QWidget*, QString> fields[] = {
        {w().Bande_A, "Bande"},
        {w().Ind_A, "Indicatif"},
        {w().Prenom_A, "Prénom (optionnel)"},
        {w().Ref_A, "Ref Patrimoine"},
        {w().Dpt_A, "Dpt"},
        {w().Date_A, "Date"},
        {w().Heure_A, "Heure UTC"},
        {w().Mode_A, "Mode"},
        {w().RST_A, "RST R"},
        {w().RSTE_A, "RST E"},
        {w().Rem_A, "Nom du Patrimoine (optionnel)"},
        {w().QSL_A, "QSL"},
    };
    auto* grid = qobject_cast<QGridLayout*>(
        window_->findChild<QWidget*>(QStringLiteral("Frame3"))->layout());
    ASSERT_NE(grid, nullptr);
    for (const auto& [field, caption] : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(grid->indexOf(field), &row, &column, &rowSpan, &columnSpan);
        ASSERT_GT(row, 0);
        QLayoutItem* above = grid->itemAtPosition(row - 1, column);
        ASSERT_NE(above, nullptr);
        EXPECT_EQ(shownText(above->widget()), caption);
        EXPECT_EQ(field->accessibleName(), caption);
        auto* label = qobject_cast<QLabel*>(above->widget());
        EXPECT_TRUE(label != nullptr && label->buddy() == field);
    }
}

// A hand-edited index out of the list falls back to the first item; -1 (a typed text matching no
// item) leaves the list without a selection.
TEST_F(LaterStartTest, StoredBandAndModeOutOfTheListsAreNotApplied) {
    chooseStation("F4ABC");
    writeDataFile("F4ABC_PC.log", "");
    storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, "12");
    storeSetting(settings::stationSection("F4ABC"), settings::kModeKey, "-1");

    startMainWindow();

    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("1.8 Mhz"));
    EXPECT_EQ(w().Mode_A->currentIndex(), -1);
    EXPECT_TRUE(w().Mode_A->currentText().isEmpty());
}

// Each station keeps its own choices: the section name ends with the callsign.
TEST_F(LaterStartTest, EachStationStartsWithItsOwnChoices) {
    writeDataFile("F4ABC_PC.log", "");
    writeDataFile("F5XYZ_PC.log", "");
    storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, "5");
    storeSetting(settings::stationSection("F4ABC"), settings::kModeKey, "1");
    storeSetting(settings::stationSection("F4ABC"), settings::kDateAutoKey, "Non");
    storeSetting(settings::stationSection("F5XYZ"), settings::kBandKey, "9");

    chooseStation("F4ABC");
    startMainWindow();
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("14 Mhz"));
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("CW"));
    EXPECT_TRUE(w().menus.Mnu_Date_Man->isChecked());
    window_.reset();

    chooseStation("F5XYZ");
    startMainWindow();
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("28 Mhz"));
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("SSB"));
    EXPECT_TRUE(w().menus.Mnu_Date_Auto->isChecked());
    EXPECT_EQ(setting("F5XYZ", settings::kRevisionKey), QStringLiteral(" 1.0.3"));
    EXPECT_EQ(setting("F4ABC", settings::kBandKey), QStringLiteral("5"));
}

TEST_F(LaterStartTest, ClosingTheMainWindowEndsTheProgram) {
    startOnEmptyLog();
    window_->close();
    EXPECT_EQ(programEnd.requests, 1);
}

// --- Init_Saisie: back to a new QSO whatever the entry area showed ---

TEST_F(LaterStartTest, InitSaisieResetsTheEntryAreaAfterARowWasShown) {
    chooseStation("F4ABC");
    writeDataFile("F4ABC_PC.log", logLine("F5XYZ", "89001", "01/02/21", "10:00", "7.0 Mhz", true,
                                          "JEAN", "CHATEAU") +
                                      "\r\n");
    storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, "4");
    storeSetting(settings::stationSection("F4ABC"), settings::kModeKey, "2");
    startMainWindow();
    clickRow(0);
    doubleClickRow(0);
    QTest::mouseClick(w().Ajout_QSO, Qt::LeftButton);
    ASSERT_EQ(w().Ind_A->text(), QStringLiteral("F5XYZ"));
    ASSERT_TRUE(w().Rem_A->isEnabled());
    ASSERT_TRUE(w().QSL_A->isChecked());
    ASSERT_EQ(window_->state().entryMode, EntryMode::Modification);
    setFieldColour(w().Bande_A, kLightGreen);

    QTest::mouseClick(w().Efface_A, Qt::LeftButton);

    for (QLineEdit* field :
         std::initializer_list<QLineEdit*>{w().Dpt_A, w().Prenom_A, w().Ref_A, w().Date_A,
                                           w().Heure_A, w().Rem_A, w().RST_A, w().RSTE_A}) {
        SCOPED_TRACE(field->objectName().toStdString());
        const bool report = field == w().RST_A || field == w().RSTE_A;
        EXPECT_EQ(field->text(), report ? QStringLiteral("59") : QString());
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(fieldColour(field), kLightYellow);
    }
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("FM"));
    EXPECT_FALSE(w().Mode_A->isEnabled());
    EXPECT_EQ(fieldColour(w().Mode_A), kLightYellow);
    // The band list keeps its enabled state and colour; only its choice is restored.
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("10 Mhz"));
    EXPECT_TRUE(w().Bande_A->isEnabled());
    EXPECT_EQ(fieldColour(w().Bande_A), kLightGreen);
    // The QSL box is unchecked but stays enabled, as the double click left it.
    EXPECT_FALSE(w().QSL_A->isChecked());
    EXPECT_TRUE(w().QSL_A->isEnabled());
    EXPECT_TRUE(w().Ind_A->text().isEmpty());
    EXPECT_TRUE(w().Ind_A->isEnabled());
    EXPECT_EQ(fieldColour(w().Ind_A), kLightGreen);
    EXPECT_TRUE(w().Ind_A->hasFocus());
    EXPECT_EQ(window_->state().entryMode, EntryMode::NewQso);
    EXPECT_FALSE(w().Annule_Saisie->isEnabled());
    EXPECT_FALSE(w().Valide_A->isEnabled());
    EXPECT_EQ(w().Mode_Aff->text(), QStringLiteral("Saisie QSO"));
}

}  // namespace
}  // namespace orv::test
