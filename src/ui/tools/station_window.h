#pragma once
// The window "Selection Indicatif": chooses the station callsign, that is which log the program
// works on, creating an empty log for a station seen for the first time.

#include <QDialog>

#include "ui/context/window_context.h"
#include "ui/kit/key_hook.h"

class QPushButton;

namespace orv {

// What the station window changes in the main window once a callsign is accepted.
class StationHost {
public:
    virtual ~StationHost() = default;
    virtual void showStationBanner(const QString& text) = 0;
    // Selects the station's own band and mode in the entry lists.
    virtual void restoreBandAndMode() = 0;
};

class StationWindow final : public QDialog {
    Q_OBJECT

public:
    StationWindow(WindowContext& context, StationHost& host);

private:
    KeyAction onKey(const QKeyEvent& event);
    void validate();
    bool refuse(const std::string& candidate);
    void createLogWhenMissing();

    WindowContext& context_;
    StationHost& host_;
    EntryLineEdit* New_Indicatif_ = nullptr;
    QPushButton* Validation_ = nullptr;
};

}  // namespace orv
