// ORV_PC: builds the platform services and the data folder, then opens the main window.

#include <QTimer>

#include "platform/data_folder.h"
#include "platform/qt_http_client.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_printer.h"
#include "platform/qt_program_end.h"
#include "platform/qt_settings_store.h"
#include "platform/system_clock.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"
#include "ui/services.h"

int main(int argc, char* argv[]) {
    const auto application = orv::makeApplication(argc, argv, orv::Display::System);

    orv::QtSettingsStore settings;
    orv::QtMessageBoxes messages;
    orv::SystemClock clock;
    orv::QtProgramEnd programEnd;
    orv::QtPrinter printer;
    orv::QtHttpClient http;
    orv::Services services{settings, messages, clock, programEnd, printer, http, orv::dataFolder()};

    orv::MainWindow window(services);
    // Start-up runs inside the event loop, so that its dialogs can end the program.
    QTimer::singleShot(0, &window, &orv::MainWindow::startUp);
    return application->exec();
}
