#pragma once
// What the window benchmarks share: the window desk of the widget tests (its own data and
// settings folders, the operator, clock, printer and network stood in for) with one station
// chosen, and the main of the window programs, which creates the application they need.

#include <filesystem>
#include <memory>
#include <string_view>

#include "bench_support.h"
#include "support/window_desk.h"
#include "ui/main/main_window.h"

namespace orv::bench {

// The station chosen in the settings, whose log the main window opens.
inline constexpr std::string_view kStation = "F4ABC";

// Every question is answered Yes.
class BenchDesk : public test::WindowDesk {
public:
    BenchDesk();

    std::filesystem::path logFile() const;

    // No message shown to the operator and no end of the program asked so far.
    bool undisturbed() const;

    // A new main window started on the station's log, exposed, and the events of its showing
    // handled; throws when the start-up stopped on a message.
    std::unique_ptr<MainWindow> startedWindow();

    // One main window started on first use and kept by the desk for the rest of the run.
    MainWindow& keptWindow();

private:
    std::unique_ptr<MainWindow> keptWindow_;
};

// The desk of the run, made on first use. runWindowBenchmarks takes it down, windows included,
// while the application is still there: a widget must not outlive it.
BenchDesk& windowDesk();

// Creates the application (offscreen unless QT_QPA_PLATFORM says otherwise), then runs the
// benchmarks named on the command line; returns the program's exit code.
int runWindowBenchmarks(int argc, char** argv);

}  // namespace orv::bench
