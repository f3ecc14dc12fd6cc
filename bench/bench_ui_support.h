#pragma once
// What the window benchmarks share: one station's data and settings folders with the services of a
// main window, and the main of the window programs, which creates the QApplication they need.

#include <filesystem>
#include <memory>
#include <string_view>

#include "bench_support.h"
#include "platform/fake_clock.h"
#include "platform/qt_settings_store.h"
#include "platform/recording_message_boxes.h"
#include "platform/recording_program_end.h"
#include "ui/main_window.h"
#include "ui/services.h"

namespace orv::bench {

// The station chosen in the settings, whose log the main window opens.
inline constexpr std::string_view kStation = "F4ABC";

// A data folder and a settings folder for the whole run, the station chosen, and the services a
// main window needs with the operator, the clock and the end of the program stood in for. Every
// question is answered Yes.
class WindowDesk {
public:
    WindowDesk();

    std::filesystem::path logFile() const;
    std::filesystem::path dataFile(std::string_view name) const;
    FakeClock& clock() { return clock_; }

    // No message shown to the operator and no end of the program asked so far.
    bool undisturbed() const;

    // A new main window started on the station's log, exposed, and the events of its showing
    // handled; throws when the start-up stopped on a message.
    std::unique_ptr<MainWindow> startedWindow();

    // One main window started on first use and kept by the desk for the rest of the run.
    MainWindow& keptWindow();

private:
    test::TempFolder folder_{"orv_bench"};
    QtSettingsStore settings_;
    RecordingMessageBoxes messages_;
    FakeClock clock_;
    RecordingProgramEnd programEnd_;
    Services services_;
    std::unique_ptr<MainWindow> keptWindow_;
};

// The desk of the run, made on first use. runWindowBenchmarks takes it down, windows included,
// while the QApplication is still there: a widget must not outlive it.
WindowDesk& windowDesk();

// Creates the QApplication (offscreen unless QT_QPA_PLATFORM says otherwise), then runs the
// benchmarks named on the command line; returns the program's exit code.
int runWindowBenchmarks(int argc, char** argv);

}  // namespace orv::bench
