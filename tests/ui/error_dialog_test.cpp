#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

// The settings name station F4ABC_P, whose log is not in the data folder.
class ErrorDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        chooseStation("F4ABC_P");
        storeSetting(settings::stationSection("F4ABC_P"), settings::kBandKey, "5");
    }

    // Starts the main window and runs leave inside the error dialog, once it is open; the
    // settings as they stood when it opened go to iniWhenShown_.
    void startAndLeave(const std::function<void(QDialog&)>& leave) {
        whenModalOpens([this, leave](QWidget& modal) {
            shownDialog_ = modal.objectName();
            iniWhenShown_ = settingsFileContent();
            auto* dialog = qobject_cast<QDialog*>(&modal);
            if (dialog == nullptr) {
                ADD_FAILURE() << "not a dialog: " << modal.objectName().toStdString();
                modal.close();
                return;
            }
            leave(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->done(QDialog::Rejected);
            }
        });
        startMainWindow();
    }

    static void clickButton(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString shownDialog_;
    std::string iniWhenShown_;
};

TEST_F(ErrorDialogTest, NamesTheCallsignAndTheMissingFile) {
    std::vector<std::pair<QString, QString>> labels;
    QString title;
    bool modal = false;
    bool headlineBigger = false;
    QPoint position;
    QPoint centred;
    startAndLeave([&](QDialog& dialog) {
        title = dialog.windowTitle();
        modal = dialog.isModal();
        for (const char* name :
             {"Label2", "Label3", "Indi_Station", "Label6", "Indi_Station1", "Err_Departement",
              "Label7", "Label8", "Label9", "Initialisation", "Quitter"}) {
            const QWidget* widget = dialog.findChild<QWidget*>(QString::fromLatin1(name));
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* button = qobject_cast<const QPushButton*>(widget);
            labels.emplace_back(QString::fromLatin1(name), label    ? label->text()
                                                           : button ? button->text()
                                                                    : "<missing>");
        }
        const auto* headline = dialog.findChild<QLabel*>(QStringLiteral("Label2"));
        const auto* line = dialog.findChild<QLabel*>(QStringLiteral("Label6"));
        headlineBigger = headline && line && headline->font().bold() &&
                         headline->font().pointSizeF() > line->font().pointSizeF();
        const QRect screen = dialog.screen()->geometry();
        position = dialog.pos();
        centred = {(screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2};
        clickButton(dialog, "Quitter");
    });

    EXPECT_EQ(shownDialog_, QStringLiteral("Gestion_Erreur"));
    EXPECT_EQ(title, QStringLiteral("Erreur"));
    EXPECT_TRUE(modal);
    EXPECT_TRUE(headlineBigger);
    EXPECT_EQ(position, centred);
    const std::vector<std::pair<QString, QString>> expected = {
        {"Label2", "ERREUR 53"},
        {"Label3", "ORV_PC a trouvé dans la base de registre l'indicatif  : "},
        {"Indi_Station", "F4ABC_P"},
        {"Label6", "Il n'a par contre pas trouvé dans son répértoire le fichier :"},
        {"Indi_Station1", "F4ABC_P"},
        {"Err_Departement", "_PC.log"},
        {"Label7", "Pour remèdier à cet état, cliquez sur \" Initialiser\" et relancez ORV_PC"},
        {"Label8", "L'indicatif affiché sera alors FXXXX "},
        {"Label9", "une boite de dialogue vous demandera alors de spécifier votre indicatif"},
        {"Initialisation", "Initialiser"},
        {"Quitter", "Quitter"},
    };
    EXPECT_EQ(labels, expected);
}

// Nothing of the start-up goes on after the dialog: no rows, no revision saved, no entry reset.
TEST_F(ErrorDialogTest, MainWorkStopsAtTheDialog) {
    startAndLeave([](QDialog& dialog) { clickButton(dialog, "Quitter"); });

    EXPECT_EQ(programEnd.requests, 1);
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_EQ(storedSetting(settings::stationSection("F4ABC_P"), settings::kRevisionKey),
              QStringLiteral("<absent>"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dataFile("F4ABC_P_PC.log")));
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);
}

struct WayOut {
    const char* name;
    std::function<void(QDialog&)> leave;
    bool forgetsTheStation;
};

// Every way out ends the program; only "Initialiser" touches the settings, and only to forget the
// stored callsign.
TEST_F(ErrorDialogTest, EveryWayOutEndsTheProgram) {
    const WayOut ways[] = {
        {"Initialiser", [](QDialog& dialog) { clickButton(dialog, "Initialisation"); }, true},
        {"Quitter", [](QDialog& dialog) { clickButton(dialog, "Quitter"); }, false},
        {"close box", [](QDialog& dialog) { dialog.close(); }, false},
        {"Escape", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, false},
    };
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.name);
        programEnd.requests = 0;
        chooseStation("F4ABC_P");

        startAndLeave(way.leave);

        EXPECT_EQ(shownDialog_, QStringLiteral("Gestion_Erreur"));
        EXPECT_EQ(programEnd.requests, 1);
        EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey),
                  way.forgetsTheStation ? "FXXXX" : "F4ABC_P");
        if (!way.forgetsTheStation) {
            EXPECT_EQ(settingsFileContent(), iniWhenShown_);
        }
        EXPECT_EQ(storedSetting(settings::stationSection("F4ABC_P"), settings::kBandKey), "5");
        EXPECT_TRUE(std::filesystem::is_empty(dataFolder()));
        window_.reset();
    }
}

// After "Initialiser" the next start asks for a station; choosing the same callsign again gives
// it an empty log.
TEST_F(ErrorDialogTest, NextStartAfterInitialiserAsksForAStation) {
    startAndLeave([](QDialog& dialog) { clickButton(dialog, "Initialisation"); });
    window_.reset();
    programEnd.requests = 0;
    whenModalOpens([](QWidget& station) {
        auto* box = station.findChild<QLineEdit*>(QStringLiteral("New_Indicatif"));
        auto* validation = station.findChild<QPushButton*>(QStringLiteral("Validation"));
        if (box == nullptr || validation == nullptr) {
            station.close();
            return;
        }
        box->setText(QStringLiteral("F4ABC_P"));
        QTest::mouseClick(validation, Qt::LeftButton);
    });

    startMainWindow();

    EXPECT_EQ(messages.messages,
              QStringList{"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"});
    EXPECT_EQ(programEnd.requests, 0);
    EXPECT_EQ(readDataFile("F4ABC_P_PC.log"), "");
    EXPECT_EQ(w().I_Station->text(), QStringLiteral("F4ABC/P"));
}

// A log that exists but cannot be loaded ends the program with a message, never the dialog, and
// the file is left as it is.
TEST_F(ErrorDialogTest, FolderInPlaceOfTheLogEndsWithItsErrorNumber) {
    std::filesystem::create_directory(dataFile("F4ABC_P_PC.log"));
    writeDataFile("F4ABC_P_PC.log/QSO.txt", "keep");
    ModalCloser unexpected;

    startMainWindow();

    EXPECT_TRUE(unexpected.closed.isEmpty()) << unexpected.closed.join(", ").toStdString();
    EXPECT_EQ(messages.messages, QStringList{"Erreur N° 75"});
    EXPECT_EQ(programEnd.requests, 1);
    EXPECT_TRUE(std::filesystem::is_directory(dataFile("F4ABC_P_PC.log")));
    EXPECT_EQ(readDataFile("F4ABC_P_PC.log/QSO.txt"), "keep");
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_EQ(storedSetting(settings::stationSection("F4ABC_P"), settings::kRevisionKey),
              QStringLiteral("<absent>"));
}

// The list numbers rows up to 99,999: a log of that many lines loads whole; one line more is
// refused with a message naming the file, and the program ends without touching it.
TEST_F(ErrorDialogTest, LogLengthLimitOf99999Lines) {
    const std::string line = logLine("F5XYZ", "89001", "01/02/21", "10:00", "14 Mhz") + "\r\n";
    std::string content;
    content.reserve(line.size() * 100'000);
    for (int i = 0; i < 99'999; ++i) {
        content += line;
    }
    writeDataFile("F4ABC_P_PC.log", content);
    {
        ModalCloser unexpected;
        startMainWindow();
        EXPECT_TRUE(unexpected.closed.isEmpty());
    }
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(programEnd.requests, 0);
    const QAbstractItemModel* rows = w().Liste_PC->model();
    ASSERT_EQ(rows->rowCount(), 99'999);
    EXPECT_TRUE(rows->index(9'998, 0).data().toString().startsWith(" 9999  F5XYZ"));
    EXPECT_TRUE(rows->index(9'999, 0).data().toString().startsWith("10000  F5XYZ"));
    EXPECT_TRUE(rows->index(99'998, 0).data().toString().startsWith("99999  F5XYZ"));
    EXPECT_EQ(w().Liste_PC->currentIndex().row(), 99'998);
    // The newest QSOs are in view.
    EXPECT_TRUE(w().Liste_PC->viewport()->rect().contains(
        w().Liste_PC->visualRect(rows->index(99'998, 0))));
    window_.reset();

    content += line;
    writeDataFile("F4ABC_P_PC.log", content);
    ModalCloser unexpected;

    startMainWindow();

    EXPECT_TRUE(unexpected.closed.isEmpty());
    EXPECT_EQ(messages.messages,
              QStringList{"Le fichier F4ABC_P_PC.log contient plus de 99999 lignes : ORV_PC ne "
                          "peut pas l'afficher. Le fichier n'a pas été modifié."});
    EXPECT_EQ(programEnd.requests, 1);
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_TRUE(readDataFile("F4ABC_P_PC.log") == content);
}

}  // namespace
}  // namespace orv::test
