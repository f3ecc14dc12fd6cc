#pragma once

#include <QApplication>
#include <memory>

namespace orv {

enum class Display {
    System,              // the desktop the program is started on
    OffscreenUnlessSet,  // tests and benchmarks: offscreen unless QT_QPA_PLATFORM names another
};

// The application the program, its widget tests and its benchmarks all run in. Before it exists:
// the memory settings of the log rewrites and the embedded browser's flags (it starts only when
// they are set first). Once it exists: one style everywhere, so that the entry fields show their
// state colours on every desktop; Qt's own buttons in French ("Oui", "Non"); the menu entry's name
// and icon on every window; no quitting when a last window closes, since only "Quitter ORV_PC"
// and the main window end the program; and what a screen reader needs from every window.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv, Display display);

}  // namespace orv
