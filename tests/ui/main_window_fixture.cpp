#include "main_window_fixture.h"

#include <QApplication>
#include <QTest>

#include "model/log_line.h"
#include "platform/settings_keys.h"

namespace orv::test {

MainWindowTest::~MainWindowTest() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
    window_.reset();
}

MainWindow& MainWindowTest::startMainWindow() {
    window_ = newMainWindow();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
}

MainWindow& MainWindowTest::startWithLog(const std::string& logContent, int bandIndex) {
    chooseStation("F4ABC");
    storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, QString::number(bandIndex));
    writeDataFile("F4ABC_PC.log", logContent);
    return startMainWindow();
}

QStringList MainWindowTest::listRows() const {
    const QAbstractItemModel* model = w().Liste_PC->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows << model->index(row, 0).data().toString();
    }
    return rows;
}

void MainWindowTest::clickRow(int row) {
    QListView* list = w().Liste_PC;
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void MainWindowTest::doubleClickRow(int row) {
    QListView* list = w().Liste_PC;
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void MainWindowTest::typeQso(const TypedQso& qso) {
    typeUpToReference(qso);
    typeRestOfQso(qso);
}

void MainWindowTest::typeUpToReference(const TypedQso& qso) {
    const MainWidgets& f = w();
    typeOver(f.Ind_A, qso.callsign);
    pressEnter(f.Ind_A);
    if (!qso.firstName.isEmpty()) {
        typeOver(f.Prenom_A, qso.firstName);
    }
    pressEnter(f.Prenom_A);
    typeOver(f.Ref_A, qso.reference);
    pressEnter(f.Ref_A);
}

void MainWindowTest::typeRestOfQso(const TypedQso& qso) {
    const MainWidgets& f = w();
    const auto typeIfGiven = [](QWidget* field, const QString& text) {
        if (!text.isEmpty()) {
            typeOver(field, text);
        }
        pressEnter(field);
    };
    if (f.Date_A->hasFocus()) {
        typeIfGiven(f.Date_A, qso.date);
        typeIfGiven(f.Heure_A, qso.time);
    }
    typeIfGiven(f.Mode_A, qso.mode);
    pressEnter(f.RST_A);
    pressEnter(f.RSTE_A);
    typeIfGiven(f.Rem_A, qso.siteName);
    if (f.QSL_A->isChecked() != qso.qsl) {
        QTest::keyClick(f.QSL_A, Qt::Key_Space);
    }
    pressEnter(f.QSL_A);
    EXPECT_TRUE(f.Valide_A->hasFocus()) << "the QSO did not reach Valide_A";
}

void MainWindowTest::writeReferenceList(const std::vector<std::string>& siteLines) const {
    writeDataFile("Liste_PC.csv", logText({"Rev 012 01/03/24;;"}) + logText(siteLines));
}

std::string siteLine(const std::string& reference, const std::string& name) {
    return "PC-" + reference + ";" + name + ";x;" + reference.substr(2) + ";y;Commune;Nord;z";
}

std::string logLine(const std::string& callsign, const std::string& reference,
                    const std::string& date, const std::string& time, const std::string& band,
                    bool qsl, const std::string& firstName, const std::string& siteName) {
    LogRecord record;
    record.callsign = callsign;
    record.departement = reference.substr(0, 2);
    record.firstName = firstName;
    record.reference = reference;
    record.date = date;
    record.time = time;
    record.mode = "SSB";
    record.band = band;
    record.reportReceived = "59";
    record.reportSent = "59";
    record.siteName = siteName;
    record.qslReceived = qsl;
    return formatLogLine(record).value();
}

}  // namespace orv::test
