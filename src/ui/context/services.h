#pragma once
// What the windows need from outside: the settings store, the operator's answers, the clock, the
// end of the program, the printer, the network, and the data folder where every log and data file
// lives.

#include <filesystem>

#include "platform/clock.h"
#include "platform/http_client.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/program_end.h"
#include "platform/settings_store.h"

namespace orv {

struct Services {
    SettingsStore& settings;
    MessageBoxes& messages;
    Clock& clock;
    ProgramEnd& programEnd;
    Printer& printer;
    HttpClient& http;
    std::filesystem::path dataFolder;
};

}  // namespace orv
