#include "bench_ui_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QWindow>
#include <stdexcept>

#include "model/log_line.h"
#include "platform/settings_keys.h"
#include "ui/application_setup.h"

namespace orv::bench {
namespace {

std::unique_ptr<WindowDesk>& runDesk() {
    static std::unique_ptr<WindowDesk> desk;
    return desk;
}

}  // namespace

WindowDesk::WindowDesk()
    : services_{settings_, messages_, clock_, programEnd_, folder_.path() / "data"} {
    std::filesystem::create_directories(services_.dataFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(folder_.path() / "config"));
    settings_.setValue(settings::kApplication, settings::kGlobalSection, settings::kStationKey,
                       QString::fromLatin1(kStation.data(), qsizetype(kStation.size())));
}

std::filesystem::path WindowDesk::logFile() const {
    return logPath(services_.dataFolder, kStation);
}

std::filesystem::path WindowDesk::dataFile(std::string_view name) const {
    return services_.dataFolder / name;
}

bool WindowDesk::undisturbed() const {
    return messages_.messages.isEmpty() && !programEnd_.ending();
}

std::unique_ptr<MainWindow> WindowDesk::startedWindow() {
    auto window = std::make_unique<MainWindow>(services_);
    window->startUp();
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
    if (!undisturbed()) {
        throw std::runtime_error("the main window did not start on the log");
    }
    return window;
}

MainWindow& WindowDesk::keptWindow() {
    if (!keptWindow_) {
        keptWindow_ = startedWindow();
    }
    return *keptWindow_;
}

WindowDesk& windowDesk() {
    if (!runDesk()) {
        runDesk() = std::make_unique<WindowDesk>();
    }
    return *runDesk();
}

int runWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    setUpApplication(application);
    const int result = runBenchmarks(argc, argv);
    runDesk().reset();
    return result;
}

}  // namespace orv::bench
