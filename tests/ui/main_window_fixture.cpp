#include "main_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "model/log_line.h"
#include "platform/settings_keys.h"

namespace orv::test {

MainWindowTest::MainWindowTest()
    : services_{settings_, messages_, clock_, programEnd_,
                std::filesystem::path(folder_.path().toStdString()) / "data"} {
    std::filesystem::create_directories(services_.dataFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path() + "/config");
    clock_.utc = {2026, 12, 7, 9, 5, 7};
    clock_.local = {2026, 12, 7, 10, 5, 7};
}

MainWindowTest::~MainWindowTest() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
    window_.reset();
}

MainWindow& MainWindowTest::startMainWindow() {
    window_ = std::make_unique<MainWindow>(services_);
    window_->startUp();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
}

void MainWindowTest::storeSetting(const QString& section, const QString& key,
                                  const QString& value) {
    settings_.setValue(settings::kApplication, section, key, value);
}

QString MainWindowTest::storedSetting(const QString& section, const QString& key) const {
    return settings_.value(settings::kApplication, section, key, QStringLiteral("<absent>"));
}

void MainWindowTest::chooseStation(const std::string& callsign) {
    storeSetting(settings::kGlobalSection, settings::kStationKey, QString::fromStdString(callsign));
}

std::filesystem::path MainWindowTest::dataFile(const std::string& name) const {
    return services_.dataFolder / name;
}

void MainWindowTest::writeDataFile(const std::string& name, const std::string& content) const {
    std::ofstream(dataFile(name), std::ios::binary) << content;
}

std::string MainWindowTest::readDataFile(const std::string& name) const {
    std::ifstream in(dataFile(name), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void MainWindowTest::whenModalOpens(std::function<void(QWidget&)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        action(*modal);
    });
    poll->start();
}

QStringList MainWindowTest::listRows() const {
    const QAbstractItemModel* model = w().Liste_PC->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows << model->index(row, 0).data().toString();
    }
    return rows;
}

std::string MainWindowTest::settingsFileContent() const {
    std::ifstream in((folder_.path() + "/config/ORV_PC/PC.ini").toStdString(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

ModalCloser::ModalCloser() {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            closed << modal->objectName();
            modal->close();
        }
    });
    poll_.start();
}

void MainWindowTest::typeText(QWidget* field, const QString& text) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClicks(field, text);
}

void MainWindowTest::pressEnter(QWidget* field) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClick(field, Qt::Key_Return);
}

MainWindow& MainWindowTest::startWithLog(const std::string& logContent, int bandIndex) {
    chooseStation("F4ABC");
    storeSetting(settings::stationSection("F4ABC"), settings::kBandKey, QString::number(bandIndex));
    writeDataFile("F4ABC_PC.log", logContent);
    return startMainWindow();
}

void MainWindowTest::typeOver(QWidget* field, const QString& text) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void MainWindowTest::typeCharacter(QWidget* field, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

void MainWindowTest::commitInputMethodText(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

void MainWindowTest::pasteInto(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
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
    const auto typeIfGiven = [this](QWidget* field, const QString& text) {
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

std::string logText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

QString fieldText(const QWidget* field) {
    if (const auto* line = qobject_cast<const QLineEdit*>(field)) {
        return line->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(field)) {
        return list->currentText();
    }
    return {};
}

}  // namespace orv::test
