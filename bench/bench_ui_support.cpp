#include "bench_ui_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <stdexcept>

#include "app/application_setup.h"
#include "model/log_line.h"

namespace orv::bench {
namespace {

std::unique_ptr<BenchDesk>& runDesk() {
    static std::unique_ptr<BenchDesk> desk;
    return desk;
}

}  // namespace

BenchDesk::BenchDesk() {
    chooseStation(std::string(kStation));
}

std::filesystem::path BenchDesk::logFile() const {
    return logPath(dataFolder(), kStation);
}

bool BenchDesk::undisturbed() const {
    return messages.messages.isEmpty() && !programEnd.ending();
}

std::unique_ptr<MainWindow> BenchDesk::startedWindow() {
    std::unique_ptr<MainWindow> window = newMainWindow();
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
    if (!undisturbed()) {
        throw std::runtime_error("the main window did not start on the log");
    }
    return window;
}

MainWindow& BenchDesk::keptWindow() {
    if (!keptWindow_) {
        keptWindow_ = startedWindow();
    }
    return *keptWindow_;
}

BenchDesk& windowDesk() {
    if (!runDesk()) {
        runDesk() = std::make_unique<BenchDesk>();
    }
    return *runDesk();
}

int runWindowBenchmarks(int argc, char** argv) {
    const auto application = makeApplication(argc, argv, Display::OffscreenUnlessSet);
    const int result = runBenchmarks(argc, argv);
    runDesk().reset();
    return result;
}

}  // namespace orv::bench
