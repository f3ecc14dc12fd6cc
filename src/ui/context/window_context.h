#pragma once
// What every window of the program is built with: the platform's services, the program-wide
// state, the station's log, and the main window, which every other window stays on top of.

#include "ui/context/log_service.h"
#include "ui/context/program_state.h"
#include "ui/context/services.h"

class QWidget;

namespace orv {

struct WindowContext {
    Services& services;
    ProgramState& state;
    LogService& log;
    QWidget* mainWindow = nullptr;
};

}  // namespace orv
