#pragma once

class QApplication;

namespace orv {

// What the program, its widget tests and its benchmarks all run with: one style everywhere, so
// that the entry fields show their state colours on every desktop; Qt's own buttons in French
// ("Oui", "Non"); the menu entry's name and icon on every window; and no quitting when a last
// window closes, since only "Quitter ORV_PC" and the main window end the program.
void setUpApplication(QApplication& application);

}  // namespace orv
