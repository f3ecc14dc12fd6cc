#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

#include "main_window_fixture.h"
#include "model/list_row.h"
#include "platform/settings_keys.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

const QString kEmpty = QStringLiteral("Vous devez entrer un indicatif");
const QString kTooLong = QStringLiteral("12 caracteres maximum pour l'indicatif");
const QString kCharacters =
    QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");

// The main window running on station F4ABC (band 14 Mhz, mode CW, one QSO), with the Station
// window opened from its menu.
class StationWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        chooseStation("F4ABC");
        storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, "5");
        storeSetting(settings::stationSection("F4ABC"), settings::kModeKey, "1");
        ownLine_ = logLine("F5AAA", "89001", "01/02/21", "10:00", "14 Mhz");
        writeDataFile("F4ABC_PC.log", ownLine_ + "\r\n");
        startMainWindow();
    }

    QDialog* openFromMenu() {
        w().menus.Mnu_New_Indicatif->trigger();
        auto* station = window_->findChild<QDialog*>(QStringLiteral("Station"));
        EXPECT_NE(station, nullptr);
        if (station != nullptr) {
            station->activateWindow();
            EXPECT_TRUE(becomesActive(station));
        }
        return station;
    }

    // A dialog counts as active for QTest as soon as its parent is: wait for the window itself.
    static bool becomesActive(QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }

    static QLineEdit* box(QDialog* station) {
        return station->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"));
    }
    static QPushButton* validation(QDialog* station) {
        return station->findChild<QPushButton*>(QStringLiteral("Validation"));
    }

    // Types key by key into the box, which must have the focus; QTest spells only ASCII keys.
    void typeKeys(QDialog* station, const QString& keys) {
        for (const QChar key : keys) {
            if (key.unicode() < 0x80) {
                typeText(box(station), QString(key));
            } else {
                EXPECT_TRUE(box(station)->hasFocus());
                typeCharacter(box(station), QString(key));
            }
        }
    }

    // Types the callsign, then Enter, Enter, as the operator does.
    void typeAndValidate(QDialog* station, const QString& keys) {
        typeKeys(station, keys);
        pressEnter(box(station));
        pressEnter(validation(station));
    }

    QString stationSetting(const std::string& callsign, const QString& key) const {
        return storedSetting(settings::stationSection(callsign), key);
    }

    // The data folder's file names, sorted.
    QStringList dataFiles() const {
        QStringList names;
        for (const auto& entry : std::filesystem::directory_iterator(dataFolder())) {
            names << QString::fromStdString(entry.path().filename().string());
        }
        names.sort();
        return names;
    }

    std::string ownLine_;
};

TEST_F(StationWindowTest, OpensWithItsCaptionsEmptyAndCentred) {
    QDialog* station = openFromMenu();
    ASSERT_NE(station, nullptr);

    EXPECT_EQ(station->windowTitle(), QStringLiteral("Selection Indicatif"));
    EXPECT_FALSE(station->isModal());
    const std::pair<const char*, QString> labels[] = {
        {"Label2", "Indicatif de la Station"},
        {"Label3", "Indicatif"},
        {"Label5", "!!! Pour la saisie la '/' est remplacée par le '_'"},
    };
    for (const auto& [name, text] : labels) {
        const auto* label = station->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text);
    }
    EXPECT_EQ(station->findChild<QLabel*>(QStringLiteral("Label2"))->parentWidget()->objectName(),
              QStringLiteral("Frame1"));
    for (const char* name : {"Label3", "Label5", "New_Indicatif"}) {
        EXPECT_EQ(
            station->findChild<QWidget*>(QString::fromLatin1(name))->parentWidget()->objectName(),
            QStringLiteral("Frame2"))
            << name;
    }
    EXPECT_EQ(station->findChild<QLabel*>(QStringLiteral("Label5"))
                  ->palette()
                  .color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(validation(station)->text(), QStringLiteral("Validez"));
    EXPECT_TRUE(box(station)->text().isEmpty());
    EXPECT_TRUE(box(station)->font().bold());
    EXPECT_EQ(fieldColour(box(station)), kLightGreen);
    EXPECT_TRUE(box(station)->hasFocus());
    const QRect screen = station->screen()->geometry();
    EXPECT_EQ(station->x(), (screen.width() - station->width()) / 2);
    EXPECT_EQ(station->y(), (screen.height() - station->height()) / 2);
}

struct Refusal {
    QString keys;
    QString message;
    QString boxAfter;
};

// A refused callsign changes nothing: the window stays open on the current station, and closing
// it afterwards leaves the program on that station.
TEST_F(StationWindowTest, RefusedCallsignsKeepTheCurrentStation) {
    const Refusal cases[] = {
        {"", kEmpty, ""},
        {"f4abcdefghijk", kTooLong, "F4ABCDEFGHIJK"},
        {"f4abé", kCharacters, ""},
    };
    const std::string iniBefore = settingsFileContent();
    QDialog* station = openFromMenu();
    ASSERT_NE(station, nullptr);
    for (const Refusal& refusal : cases) {
        SCOPED_TRACE(refusal.keys.toStdString());
        messages.messages.clear();
        box(station)->clear();
        box(station)->setFocus();

        typeAndValidate(station, refusal.keys);

        EXPECT_EQ(messages.messages, QStringList{refusal.message});
        EXPECT_EQ(box(station)->text(), refusal.boxAfter);
        EXPECT_TRUE(station->isVisible());
        EXPECT_EQ(window_->state().stationCallsign, "F4ABC");
        EXPECT_EQ(w().I_Station->text(), QStringLiteral("F4ABC"));
    }
    station->close();
    QTest::qWait(0);

    EXPECT_EQ(settingsFileContent(), iniBefore);
    EXPECT_EQ(dataFiles(), QStringList{"F4ABC_PC.log"});
    EXPECT_EQ(window_->state().stationCallsign, "F4ABC");
    EXPECT_EQ(listRows(), QStringList{fromCp1252(makeListRow(1, ownLine_))});
}

struct Accepted {
    QString keys;
    QString shownInBox;
    std::string stored;
    QString banner;
};

// A callsign seen for the first time gets an empty log and starts on the first band and mode.
TEST_F(StationWindowTest, NewStationGetsAnEmptyLogAndTheFirstBandAndMode) {
    const Accepted cases[] = {
        {"f4abc/p", "F4ABC_P", "F4ABC_P", "F4ABC/P"},
        {"tm0_/a", "TM0__A", "TM0__A", "TM0//A"},
    };
    for (const Accepted& accepted : cases) {
        SCOPED_TRACE(accepted.keys.toStdString());
        messages.messages.clear();
        QDialog* station = openFromMenu();
        ASSERT_NE(station, nullptr);
        typeKeys(station, accepted.keys);
        EXPECT_EQ(box(station)->text(), accepted.shownInBox);
        pressEnter(box(station));
        EXPECT_EQ(fieldColour(box(station)), kWhite);
        pressEnter(validation(station));
        QTest::qWait(0);

        EXPECT_TRUE(messages.messages.isEmpty());
        EXPECT_TRUE(window_->findChildren<QDialog*>(QStringLiteral("Station")).isEmpty());
        EXPECT_EQ(window_->state().stationCallsign, accepted.stored);
        EXPECT_EQ(w().I_Station->text(), accepted.banner);
        const std::string logName = accepted.stored + "_PC.log";
        ASSERT_TRUE(std::filesystem::is_regular_file(dataFile(logName)));
        EXPECT_EQ(std::filesystem::file_size(dataFile(logName)), 0U);
        EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey),
                  QString::fromStdString(accepted.stored));
        EXPECT_EQ(stationSetting(accepted.stored, settings::kBandKey), "0");
        EXPECT_EQ(stationSetting(accepted.stored, settings::kModeKey), "0");
        EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("1.8 Mhz"));
        EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("SSB"));
        EXPECT_TRUE(listRows().isEmpty());
    }
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), ownLine_ + "\r\n");
    EXPECT_EQ(stationSetting("F4ABC", settings::kBandKey), "5");
}

// Lower case pasted into the box (not typed key by key) is taken in capitals.
TEST_F(StationWindowTest, PastedLowerCaseIsTakenInCapitals) {
    QDialog* station = openFromMenu();
    ASSERT_NE(station, nullptr);
    box(station)->setText(QStringLiteral("f6new"));

    QTest::mouseClick(validation(station), Qt::LeftButton);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window_->state().stationCallsign, "F6NEW");
    EXPECT_TRUE(std::filesystem::exists(dataFile("F6NEW_PC.log")));
    EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey), "F6NEW");
}

// An existing station keeps its log and its own band and mode; no row of the new list is selected,
// the selected log line is still the one last clicked, and the date mode stays as it was.
TEST_F(StationWindowTest, ExistingStationKeepsItsLogBandAndMode) {
    const std::string first = logLine("F6AAA", "75001", "03/04/22", "08:00", "7.0 Mhz");
    const std::string second = logLine("F6BBB", "75002", "03/04/22", "09:00", "7.0 Mhz", true);
    writeDataFile("F5XYZ_P_PC.log", first + "\r\n" + second + "\r\n");
    storeSetting(settings::stationSection("F5XYZ_P"), settings::kBandKey, "3");
    storeSetting(settings::stationSection("F5XYZ_P"), settings::kModeKey, "2");
    // A click on a row leaves the callsign field disabled; loading the new log enables it again.
    clickRow(0);
    ASSERT_FALSE(w().Ind_A->isEnabled());
    w().menus.Mnu_Date_Man->trigger();
    const std::string selectedBefore = window_->state().selectedLogLine;
    QDialog* station = openFromMenu();
    ASSERT_NE(station, nullptr);

    typeAndValidate(station, "f5xyz/p");
    QTest::qWait(0);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window_->state().stationCallsign, "F5XYZ_P");
    EXPECT_EQ(w().I_Station->text(), QStringLiteral("F5XYZ/P"));
    EXPECT_EQ(w().Bande_A->currentText(), QStringLiteral("7.0 Mhz"));
    EXPECT_EQ(w().Mode_A->currentText(), QStringLiteral("FM"));
    EXPECT_EQ(listRows(),
              (QStringList{fromCp1252(makeListRow(1, first)), fromCp1252(makeListRow(2, second))}));
    EXPECT_FALSE(w().Liste_PC->currentIndex().isValid());
    EXPECT_EQ(window_->state().selectedLogLine, selectedBefore);
    EXPECT_TRUE(w().Ind_A->isEnabled());
    // The date mode is read at start-up only: the new station's own comes back at the next start.
    EXPECT_TRUE(w().menus.Mnu_Date_Man->isChecked());
    EXPECT_EQ(stationSetting("F5XYZ_P", settings::kDateAutoKey), QStringLiteral("<absent>"));
    EXPECT_EQ(readDataFile("F5XYZ_P_PC.log"), first + "\r\n" + second + "\r\n");
    EXPECT_EQ(storedSetting(settings::kGlobalSection, settings::kStationKey), "F5XYZ_P");
    EXPECT_EQ(stationSetting("F5XYZ_P", settings::kBandKey), "3");
    EXPECT_EQ(stationSetting("F5XYZ_P", settings::kModeKey), "2");
    EXPECT_TRUE(window_->findChildren<QDialog*>(QStringLiteral("Station")).isEmpty());
}

// Choosing the menu again while the window is open brings that window to the front.
TEST_F(StationWindowTest, MenuBringsTheOpenWindowToTheFront) {
    QDialog* station = openFromMenu();
    ASSERT_NE(station, nullptr);
    typeText(box(station), QStringLiteral("F6"));
    window_->activateWindow();
    ASSERT_TRUE(becomesActive(window_.get()));

    w().menus.Mnu_New_Indicatif->trigger();

    const QList<QDialog*> open = window_->findChildren<QDialog*>(QStringLiteral("Station"));
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front(), station);
    EXPECT_TRUE(becomesActive(station));
    EXPECT_EQ(box(station)->text(), QStringLiteral("F6"));

    station->close();
    QTest::qWait(0);
    QDialog* reopened = openFromMenu();
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(box(reopened)->text().isEmpty());
}

}  // namespace
}  // namespace orv::test
