#pragma once
// The window "Selection Indicatif": chooses the station callsign, that is which log the program
// works on, creating an empty log for a station seen for the first time.

#include <QDialog>

#include "ui/key_hook.h"
#include "ui/program_state.h"
#include "ui/services.h"

class QPushButton;

namespace orv {

// What the station window changes in the main window once a callsign is accepted.
class StationHost {
public:
    virtual ~StationHost() = default;
    virtual void showStationBanner(const QString& text) = 0;
    // Selects the station's own band and mode in the entry lists.
    virtual void restoreBandAndMode() = 0;
    // False when the log could not be loaded and the program is ending.
    virtual bool Charge_Log() = 0;
};

class StationWindow final : public QDialog {
public:
    StationWindow(Services& services, ProgramState& state, StationHost& host,
                  QWidget* parent = nullptr);

private:
    KeyAction onKey(const QKeyEvent& event);
    void validate();
    bool refuse(const std::string& candidate);
    void createLogWhenMissing(const std::string& callsign);

    Services& services_;
    ProgramState& state_;
    StationHost& host_;
    EntryLineEdit* New_Indicatif_ = nullptr;
    QPushButton* Validation_ = nullptr;
};

}  // namespace orv
