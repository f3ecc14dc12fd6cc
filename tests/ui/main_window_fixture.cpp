#include "main_window_fixture.h"

#include <QApplication>
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

void MainWindowTest::typeText(QWidget* field, const QString& text) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClicks(field, text);
}

void MainWindowTest::pressEnter(QWidget* field) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClick(field, Qt::Key_Return);
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
    return formatLogLine(record);
}

}  // namespace orv::test
