#include "support/window_desk.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "platform/settings_keys.h"
#include "support/file_bytes.h"
#include "ui/context/station_settings.h"
#include "ui/main/main_window.h"

namespace orv::test {
namespace {

const QString kAbsent = QStringLiteral("<absent>");

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

WindowDesk::WindowDesk()
    : printer(pathText(folder_ / "printout.pdf")), services_{settings_,       messages, clock,
                                                             programEnd,      printer,  http,
                                                             folder_ / "data"} {
    std::filesystem::create_directories(services_.dataFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, pathText(folder_ / "config"));
    clock.utc = {2026, 12, 7, 9, 5, 7};
    clock.local = {2026, 12, 7, 10, 5, 7};
}

WindowDesk::~WindowDesk() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
}

void WindowDesk::storeSetting(const QString& section, const QString& key, const QString& value,
                              const QString& application) {
    settings_.setValue(application, section, key, value);
}

QString WindowDesk::storedSetting(const QString& section, const QString& key,
                                  const QString& application) const {
    return settings_.value(application, section, key, kAbsent);
}

void WindowDesk::chooseStation(const std::string& callsign) {
    storeSetting(settings::kGlobalSection, settings::kStationKey, QString::fromStdString(callsign));
}

std::string WindowDesk::settingsFileContent() const {
    return readFile(folder_ / "config" / "ORV_PC" / "PC.ini");
}

std::filesystem::path WindowDesk::dataFile(std::string_view name) const {
    return services_.dataFolder / name;
}

void WindowDesk::writeDataFile(std::string_view name, std::string_view content) const {
    writeFile(dataFile(name), content);
}

std::string WindowDesk::readDataFile(std::string_view name) const {
    return readFile(dataFile(name));
}

void WindowDesk::writeLog(const std::string& callsign,
                          const std::vector<std::string>& lines) const {
    writeDataFile(callsign + "_PC.log", logText(lines));
}

std::unique_ptr<MainWindow> WindowDesk::newMainWindow() {
    auto window = std::make_unique<MainWindow>(services_);
    window->startUp();
    return window;
}

WindowContext& WindowDesk::soloContext() {
    if (!soloContext_) {
        soloState_.stationCallsign = storedStationCallsign(settings_);
        soloLog_ = std::make_unique<LogService>(services_.dataFolder, soloState_, messages);
        soloLog_->Charge_Log();
        soloContext_ =
            std::make_unique<WindowContext>(WindowContext{services_, soloState_, *soloLog_});
    }
    return *soloContext_;
}

void WindowDesk::whenModalOpens(std::function<void(QWidget&)> action) {
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

QWidget* WindowDesk::openWindow(const QString& objectName) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == objectName) {
            return window;
        }
    }
    return nullptr;
}

int WindowDesk::openWindowCount(const QString& objectName) {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        count += window->isVisible() && window->objectName() == objectName ? 1 : 0;
    }
    return count;
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

std::string logText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace orv::test
