// The QSO typed field by field: capitals, the checks on Enter, the green field handed on, the
// memories consulted on the way, and what the fields refuse to hold.

#include <QSignalSpy>
#include <QTest>
#include <random>

#include "entry/entry_messages.h"
#include "main_window_fixture.h"
#include "platform/settings_keys.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"

namespace orv::test {
namespace {

using EntryChainTest = MainWindowTest;

const std::string kSiteName = "\xC9glise Saint-Jean";  // Windows-1252 "Église Saint-Jean"

// The field waiting for input: enabled, light green, with the focus.
void expectWaitingFor(const QWidget* field) {
    const std::string name = field->objectName().toStdString();
    EXPECT_TRUE(field->isEnabled()) << name;
    EXPECT_EQ(fieldColour(field), kLightGreen) << name;
    EXPECT_TRUE(field->hasFocus()) << name;
}

QWidget* field(const MainWindow& window, const char* name) {
    auto* found = window.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(EntryChainTest, AutomaticDateQsoWalksEveryFieldInTurn) {
    writeReferenceList({siteLine("89001", "Ch\xE2teau"), siteLine("2a001", kSiteName)});
    startWithLog("");
    const MainWidgets& f = w();
    std::vector<std::pair<std::string, std::unique_ptr<QSignalSpy>>> enterPassedOn;
    for (QLineEdit* line : std::initializer_list<QLineEdit*>{
             f.Ind_A, f.Prenom_A, f.Ref_A, f.RST_A, f.RSTE_A, f.Rem_A, f.Mode_A->lineEdit()}) {
        enterPassedOn.emplace_back(line->objectName().toStdString(),
                                   std::make_unique<QSignalSpy>(line, &QLineEdit::returnPressed));
    }

    expectWaitingFor(f.Ind_A);
    typeText(f.Ind_A, QStringLiteral("f5xyz"));
    typeCharacter(f.Ind_A, QStringLiteral("é"));
    EXPECT_EQ(f.Ind_A->text(), QStringLiteral("F5XYZé"));
    QTest::keyClick(f.Ind_A, Qt::Key_Backspace);
    pressEnter(f.Ind_A);
    EXPECT_EQ(fieldColour(f.Ind_A), kLightYellow);
    EXPECT_TRUE(f.Ind_A->isEnabled());
    expectWaitingFor(f.Prenom_A);

    typeText(f.Prenom_A, QStringLiteral("jean"));
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("JEAN"));
    pressEnter(f.Prenom_A);
    EXPECT_EQ(fieldColour(f.Prenom_A), kLightYellow);
    expectWaitingFor(f.Ref_A);

    typeText(f.Ref_A, QStringLiteral("2A001"));
    EXPECT_EQ(f.Ref_A->text(), QStringLiteral("2A001"));
    pressEnter(f.Ref_A);
    EXPECT_EQ(f.Ref_A->text(), QStringLiteral("2a001"));
    EXPECT_EQ(fieldColour(f.Ref_A), kLightYellow);
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("2a"));
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("Église Saint-Jean"));
    EXPECT_EQ(f.Date_A->text(), QStringLiteral("07/12/26"));
    EXPECT_EQ(f.Heure_A->text(), QStringLiteral("09:05"));
    // Closed to typing, but reached by Tab and read by a screen reader, which is told them at
    // once with the mode.
    EXPECT_TRUE(f.Date_A->isReadOnly());
    EXPECT_TRUE(f.Heure_A->isReadOnly());
    expectWaitingFor(f.Mode_A);
    EXPECT_EQ(f.Mode_A->accessibleDescription(),
              QStringLiteral("Dpt 2a, Date 07/12/26, Heure UTC 09:05, Nom du Patrimoine Église "
                             "Saint-Jean"));

    EXPECT_EQ(f.Mode_A->currentText(), QStringLiteral("SSB"));
    pressEnter(f.Mode_A);
    expectWaitingFor(f.RST_A);
    EXPECT_EQ(f.RST_A->text(), QStringLiteral("59"));
    pressEnter(f.RST_A);
    expectWaitingFor(f.RSTE_A);
    pressEnter(f.RSTE_A);
    expectWaitingFor(f.Rem_A);
    EXPECT_EQ(f.Rem_A->cursorPosition(), f.Rem_A->text().size());
    pressEnter(f.Rem_A);
    EXPECT_EQ(fieldColour(f.Rem_A), kLightYellow);
    EXPECT_TRUE(f.QSL_A->hasFocus());
    EXPECT_TRUE(f.QSL_A->isEnabled());
    EXPECT_FALSE(f.Valide_A->isEnabled());

    QTest::keyClick(f.QSL_A, Qt::Key_Space);
    EXPECT_TRUE(f.QSL_A->isChecked());
    QTest::keyClick(f.QSL_A, Qt::Key_Space);
    EXPECT_FALSE(f.QSL_A->isChecked());
    pressEnter(f.QSL_A);
    EXPECT_EQ(fieldColour(f.QSL_A), kLightYellow);
    expectWaitingFor(f.Valide_A);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(messages.questions.isEmpty());
    for (const auto& [name, spy] : enterPassedOn) {
        EXPECT_EQ(spy->count(), 0) << "Enter reached " << name;
    }
}

// Each field in the order of a QSO with the manual date: a text it refuses (the message, the text
// and the focus staying), then one it accepts, moving on to next.
struct FieldCase {
    const char* name;
    std::vector<std::pair<QString, std::string_view>> refused;
    QStringList accepted;
    const char* next;
};

TEST_F(EntryChainTest, EveryRefusalKeepsTheTextAndTheFocus) {
    storeSetting(settings::stationSection("F4ABC"), settings::kDateAutoKey, "Non");
    startWithLog("");
    const QString thirtyOne(31, u'A');
    // One refusal of each field's own check; the checks themselves are the entry rules'.
    const std::vector<FieldCase> cases = {
        {"Ind_A", {{"F4ABCDEFGHIJK", msg::kCallsignTooLong}}, {"F4ABCDEFGHIJ"}, "Prenom_A"},
        {"Prenom_A", {{"ABCDEFGHIJKLMNOP", msg::kFirstNameTooLong}}, {""}, "Ref_A"},
        {"Ref_A", {{"", msg::kReferenceEmpty}}, {"890"}, "Date_A"},
        {"Date_A", {{"32/01/21", msg::kDateFormat}}, {"31/02/21"}, "Heure_A"},
        {"Heure_A", {{"8:45", msg::kTimeLength}}, {"23:59"}, "Mode_A"},
        {"Mode_A", {{"ABCDEFG", msg::kModeTooLong}}, {"CW"}, "RST_A"},
        {"RST_A", {{"69", msg::kReportValue}}, {"5NN"}, "RSTE_A"},
        {"RSTE_A", {{"", msg::kReportEmpty}}, {"59"}, "Rem_A"},
        {"Rem_A", {{thirtyOne, msg::kSiteNameTooLong}}, {thirtyOne.left(30)}, "QSL_A"},
        {"Bande_A", {{"1234 MHZ", msg::kBandTooLong}}, {"1234567"}, "Ind_A"},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* current = field(*window_, c.name);
        if (!current->hasFocus()) {
            current->setFocus();  // Bande_A is chosen with the mouse, at any time
        }
        const QColor colour = fieldColour(current);
        for (const auto& [typed, message] : c.refused) {
            SCOPED_TRACE(typed.toStdString());
            messages.messages.clear();
            typeOver(current, typed);
            pressEnter(current);
            EXPECT_EQ(messages.messages, QStringList{fromUtf8(message)});
            EXPECT_EQ(fieldText(current), typed);
            EXPECT_TRUE(current->hasFocus());
            EXPECT_EQ(fieldColour(current), colour);
        }
        messages.messages.clear();
        for (const QString& typed : c.accepted) {
            SCOPED_TRACE(typed.toStdString());
            current->setFocus();  // an accepted field stays open to correction
            typeOver(current, typed);
            pressEnter(current);
            EXPECT_TRUE(messages.messages.isEmpty());
            EXPECT_EQ(fieldColour(current), kLightYellow);
            expectWaitingFor(field(*window_, c.next));
        }
    }
}

TEST_F(EntryChainTest, WithoutStationEveryCallsignKeyAsksForTheStationFirst) {
    whenModalOpens([](QWidget& stationWindow) { stationWindow.close(); });
    startMainWindow();
    ASSERT_FALSE(window_->state().hasStation());
    messages.messages.clear();

    typeText(w().Ind_A, QStringLiteral("f"));
    pressEnter(w().Ind_A);

    const QString message = fromUtf8(msg::kNoStationYet);
    EXPECT_EQ(message, QStringLiteral("\r\n         Premiere installation, vous devez entrer votre "
                                      "Indicatif\r\n\r\nPour cela dans la barre des menus allez "
                                      "dans Station puis Nouvel Indicatif."));
    EXPECT_EQ(messages.messages, (QStringList{message, message}));
    EXPECT_EQ(w().Ind_A->text(), QStringLiteral("f"));
    EXPECT_TRUE(w().Ind_A->hasFocus());
    EXPECT_FALSE(w().Prenom_A->isEnabled());
}

TEST_F(EntryChainTest, SiteAlreadyWorkedOnTheBandAbandonsTheQsoUnlessModifying) {
    writeReferenceList({siteLine("89001",
                                 "Ch\xE2teau de Gu\xE9"
                                 "delon")});
    const std::string first = logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz");
    const std::string again = logLine("F6DEF", "89001", "14/03/21", "11:00", "14 Mhz");
    const std::string log =
        logText({logLine("F1AAA", "89002", "01/03/21", "09:00", "7.0 Mhz"), first, again});
    startWithLog(log, 5);
    const MainWidgets& f = w();

    typeUpToReference({.callsign = "f5xyz", .reference = "89001"});

    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("89001 Patrimoine deja contacté le 12/03/21 sur 14 Mhz")});
    for (const QLineEdit* emptied : {f.Ind_A, f.Ref_A, f.Prenom_A, f.Dpt_A, f.Rem_A}) {
        EXPECT_TRUE(emptied->text().isEmpty()) << emptied->objectName().toStdString();
    }
    EXPECT_FALSE(f.Ref_A->isEnabled());
    expectWaitingFor(f.Ind_A);
    EXPECT_EQ(f.Mode_Aff->text(), QStringLiteral("Saisie QSO"));

    // The same site on 7.0 Mhz is a new one for the award.
    messages.messages.clear();
    f.Bande_A->setFocus();
    QTest::keyClick(f.Bande_A, Qt::Key_Up);
    QTest::keyClick(f.Bande_A, Qt::Key_Up);
    ASSERT_EQ(f.Bande_A->currentText(), QStringLiteral("7.0 Mhz"));
    pressEnter(f.Bande_A);
    typeUpToReference({.callsign = "F5XYZ", .reference = "89001"});
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(f.Rem_A->text(), QStringLiteral("Château de Guédelon"));
    expectWaitingFor(f.Mode_A);

    // Modifying the QSO already in the log must not refuse its own site.
    clickRow(1);
    doubleClickRow(1);
    ASSERT_EQ(window_->state().entryMode, EntryMode::Modification);
    pressEnter(f.Ind_A);
    pressEnter(f.Prenom_A);
    pressEnter(f.Ref_A);
    EXPECT_TRUE(messages.messages.isEmpty());
    expectWaitingFor(f.Date_A);
    EXPECT_EQ(readDataFile("F4ABC_PC.log"), log);
}

// A field the program filled is reached by Tab after the mode, takes no key and looks disabled.
TEST_F(EntryChainTest, FilledFieldIsReachedButClosedToTyping) {
    startWithLog("");
    const MainWidgets& f = w();
    typeUpToReference({.callsign = QStringLiteral("F5XYZ"), .reference = QStringLiteral("89001")});
    const QImage filled = f.Dpt_A->grab().toImage();
    QTest::keyClick(f.Mode_A, Qt::Key_Tab);
    ASSERT_TRUE(f.Dpt_A->hasFocus());
    typeText(f.Dpt_A, QStringLiteral("1"));
    pressEnter(f.Dpt_A);
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("89"));
    EXPECT_TRUE(f.Dpt_A->hasFocus());

    f.Efface_A->click();
    EXPECT_FALSE(f.Dpt_A->isEnabled());
    EXPECT_FALSE(f.Dpt_A->isReadOnly());
    EXPECT_EQ(f.Mode_A->accessibleDescription(), QString());
    f.Dpt_A->setText(QStringLiteral("89"));
    EXPECT_EQ(f.Dpt_A->grab().toImage(), filled);
}

TEST_F(EntryChainTest, KnownCallsignBringsBackItsFirstNameAndDepartement) {
    writeReferenceList({siteLine("89001", "Ch\xE2teau")});
    writeDataFile("Liste_Prenom.txt", logText({"F6ABC        89 PAUL", "F5XYZ           marie"}));
    startWithLog("");
    const MainWidgets& f = w();

    typeText(f.Ind_A, QStringLiteral("f6abc"));
    pressEnter(f.Ind_A);
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("PAUL"));
    expectWaitingFor(f.Prenom_A);
    EXPECT_TRUE(f.Dpt_A->isEnabled());
    EXPECT_TRUE(f.Dpt_A->text().isEmpty());
    pressEnter(f.Prenom_A);
    typeText(f.Ref_A, QStringLiteral("89001"));
    pressEnter(f.Ref_A);
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("89"));

    // Back to the callsign: a correspondent stored without departement empties it.
    f.Ind_A->setFocus();
    typeOver(f.Ind_A, QStringLiteral("F5XYZ"));
    pressEnter(f.Ind_A);
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("MARIE"));
    EXPECT_TRUE(f.Dpt_A->text().isEmpty());

    // The departement, once open, is lower-cased on Enter and hands back to the reference.
    f.Dpt_A->setFocus();
    typeText(f.Dpt_A, QStringLiteral("ABC"));
    pressEnter(f.Dpt_A);
    EXPECT_EQ(messages.messages, QStringList{fromUtf8(msg::kDepartementTooLong)});
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("abc"));
    EXPECT_TRUE(f.Dpt_A->hasFocus());
    typeOver(f.Dpt_A, QStringLiteral("2B"));
    pressEnter(f.Dpt_A);
    EXPECT_EQ(f.Dpt_A->text(), QStringLiteral("2b"));
    EXPECT_EQ(fieldColour(f.Dpt_A), kLightYellow);
    expectWaitingFor(f.Ref_A);

    // An unknown callsign leaves what the fields hold.
    f.Ind_A->setFocus();
    typeOver(f.Ind_A, QStringLiteral("F1NEW"));
    pressEnter(f.Ind_A);
    EXPECT_EQ(f.Prenom_A->text(), QStringLiteral("MARIE"));
}

TEST_F(EntryChainTest, BandAndModeChoicesAreKeptForTheStation) {
    startWithLog("", 5);
    const MainWidgets& f = w();
    const QString section = settings::stationSection("F4ABC");
    const auto stored = [&](const QString& key) { return storedSetting(section, key); };

    f.Bande_A->setFocus();
    QTest::keyClick(f.Bande_A, Qt::Key_Down);
    EXPECT_EQ(f.Bande_A->currentText(), QStringLiteral("18 Mhz"));
    EXPECT_EQ(stored(settings::kBandKey), QStringLiteral("6"));
    typeOver(f.Bande_A, QStringLiteral("2400"));
    EXPECT_EQ(stored(settings::kBandKey), QStringLiteral("-1"));

    // A band picked in the drop-down list with the mouse.
    f.Bande_A->showPopup();
    QAbstractItemView* popup = f.Bande_A->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    const QRect item = popup->visualRect(popup->model()->index(3, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(f.Bande_A->currentText(), QStringLiteral("7.0 Mhz"));
    EXPECT_EQ(stored(settings::kBandKey), QStringLiteral("3"));

    f.Bande_A->setFocus();
    pressEnter(f.Bande_A);
    EXPECT_EQ(stored(settings::kBandKey), QStringLiteral("3"));
    EXPECT_EQ(fieldColour(f.Bande_A), kLightYellow);
    expectWaitingFor(f.Ind_A);
    for (const QWidget* closed : std::initializer_list<const QWidget*>{
             f.Prenom_A, f.Ref_A, f.Dpt_A, f.Date_A, f.Heure_A, f.Mode_A, f.RST_A, f.Rem_A}) {
        EXPECT_FALSE(closed->isEnabled()) << closed->objectName().toStdString();
    }

    typeUpToReference({.callsign = "F5XYZ", .reference = "89001"});
    QTest::keyClick(f.Mode_A, Qt::Key_Down);
    EXPECT_EQ(stored(settings::kModeKey), QStringLiteral("1"));
    pressEnter(f.Mode_A);
    EXPECT_EQ(stored(settings::kModeKey), QStringLiteral("1"));
    expectWaitingFor(f.RST_A);
}

TEST_F(EntryChainTest, BandAndModeChangedWhileModifyingAreNotKept) {
    startWithLog(logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")}), 5);
    const MainWidgets& f = w();
    const QString section = settings::stationSection("F4ABC");
    storeSetting(section, settings::kModeKey, "2");
    clickRow(0);
    doubleClickRow(0);
    ASSERT_EQ(window_->state().entryMode, EntryMode::Modification);

    f.Bande_A->setFocus();
    QTest::keyClick(f.Bande_A, Qt::Key_Down);
    f.Bande_A->showPopup();
    QAbstractItemView* popup = f.Bande_A->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(popup->model()->index(9, 0)).center());
    EXPECT_EQ(f.Bande_A->currentText(), QStringLiteral("28 Mhz"));
    f.Bande_A->setFocus();
    pressEnter(f.Bande_A);
    f.Mode_A->setFocus();
    QTest::keyClick(f.Mode_A, Qt::Key_Down);
    EXPECT_EQ(f.Mode_A->currentText(), QStringLiteral("CW"));
    pressEnter(f.Mode_A);

    EXPECT_EQ(storedSetting(section, settings::kBandKey), QStringLiteral("5"));
    EXPECT_EQ(storedSetting(section, settings::kModeKey), QStringLiteral("2"));
}

// Characters no log line can hold, and the three ways they reach a field.
TEST_F(EntryChainTest, CharactersTheLogCannotHoldAreRefusedWhereTheyArrive) {
    startWithLog("");
    const MainWidgets& f = w();
    using Way = void (*)(QWidget*, const QString&);
    const std::vector<std::pair<const char*, Way>> ways = {
        {"key", &MainWindowTest::typeCharacter},
        {"input method", &MainWindowTest::commitInputMethodText},
        {"paste", &MainWindowTest::pasteInto},
    };
    const QStringList refused = {QStringLiteral("Ł"), QStringLiteral("😀"), QStringLiteral("A\tB"),
                                 QStringLiteral("A\r\nB"), QStringLiteral("ÉTÉ→")};

    typeText(f.Ind_A, QStringLiteral("F5"));
    pressEnter(f.Ind_A);
    pressEnter(f.Prenom_A);
    typeText(f.Ref_A, QStringLiteral("89"));
    for (QWidget* target : std::initializer_list<QWidget*>{f.Ind_A, f.Ref_A, f.Bande_A}) {
        const QString before = fieldText(target);
        target->setFocus();
        for (const auto& [wayName, arrive] : ways) {
            for (const QString& text : refused) {
                arrive(target, text);
                EXPECT_EQ(fieldText(target), before) << target->objectName().toStdString() << ", "
                                                     << wayName << ": " << text.toStdString();
            }
            // The same way brings in what Windows-1252 holds.
            arrive(target, QStringLiteral("ç"));
            EXPECT_EQ(fieldText(target), before + QStringLiteral("ç"))
                << target->objectName().toStdString() << ", " << wayName;
            QTest::keyClick(target, Qt::Key_Backspace);
        }
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

// Liste_PC.csv as it may be found: whatever it holds, the reference gets an empty site name and
// the entry goes on.
TEST_F(EntryChainTest, UnusableReferenceListGivesAnEmptySiteName) {
    std::string garbage(64 * 1024, '\0');
    std::mt19937 random(7);
    for (char& byte : garbage) {
        byte = static_cast<char>(random() % 256);
    }
    const std::vector<std::pair<const char*, std::optional<std::string>>> lists = {
        {"missing", std::nullopt},
        {"garbage", garbage},
    };
    const std::string log = logText({logLine("F6ABC", "89001", "12/03/21", "10:00", "14 Mhz")});
    startWithLog(log);
    const MainWidgets& f = w();
    for (const auto& [name, content] : lists) {
        SCOPED_TRACE(name);
        std::filesystem::remove(dataFile("Liste_PC.csv"));
        if (content) {
            writeDataFile("Liste_PC.csv", *content);
        }
        QTest::mouseClick(f.Efface_A, Qt::LeftButton);
        typeText(f.Ind_A, QStringLiteral("F5XYZ"));
        pressEnter(f.Ind_A);
        pressEnter(f.Prenom_A);
        f.Rem_A->setText(QStringLiteral("NOM PRECEDENT"));
        typeText(f.Ref_A, QStringLiteral("2a001"));
        pressEnter(f.Ref_A);
        EXPECT_TRUE(f.Rem_A->text().isEmpty());
        expectWaitingFor(f.Mode_A);
        EXPECT_TRUE(messages.messages.isEmpty());
        EXPECT_EQ(readDataFile("F4ABC_PC.log"), log);
    }
}

}  // namespace
}  // namespace orv::test
