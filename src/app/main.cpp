// ORV_PC: builds the platform services and the data folder, then opens the main window.

#include <QTimer>
#include <iostream>

#include "app/app_texts.h"
#include "app/application_setup.h"
#include "model/daily_backup.h"
#include "model/file_error_text.h"
#include "model/instance_lock.h"
#include "platform/data_folder.h"
#include "platform/qt_http_client.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_printer.h"
#include "platform/qt_program_end.h"
#include "platform/qt_settings_store.h"
#include "platform/system_clock.h"
#include "ui/context/services.h"
#include "ui/context/station_settings.h"
#include "ui/kit/text_codec.h"
#include "ui/main/main_window.h"

namespace {

// Why this copy may not run on the data folder, or nothing when it holds the folder's lock.
QString startRefusal(const orv::InstanceLock& instance, const std::filesystem::path& folder) {
    const QString shown = QString::fromStdU16String(folder.u16string());
    if (instance.heldElsewhere()) {
        return orv::app_text::kAlreadyOpen.arg(shown);
    }
    if (instance.error()) {
        return orv::app_text::kLockNotTaken.arg(
            shown, orv::fromUtf8(orv::fileErrorReason(instance.error())));
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto application = orv::makeApplication(argc, argv, orv::Display::System);
    orv::QtMessageBoxes messages;

    const std::filesystem::path folder = orv::dataFolder();
    const orv::InstanceLock instance(folder);
    if (const QString refusal = startRefusal(instance, folder); !refusal.isEmpty()) {
        // Also on the terminal, for a copy started from one.
        std::cerr << refusal.toStdString() << std::endl;
        messages.inform(nullptr, refusal);
        return 1;
    }

    orv::QtSettingsStore settings;
    orv::SystemClock clock;
    orv::QtProgramEnd programEnd;
    orv::QtPrinter printer;
    orv::QtHttpClient http;
    const orv::ClockReading now = clock.localNow();
    // The day's copy of the log is taken before anything can change the log.
    orv::DailyBackup backup(folder, orv::storedStationCallsign(settings),
                            {now.year, now.month, now.day});
    orv::Services services{settings, messages, clock, programEnd, printer, http, folder};

    orv::MainWindow window(services);
    // Start-up runs inside the event loop, so that its dialogs can end the program.
    QTimer::singleShot(0, &window, [&] {
        window.startUp();
        const std::error_code backupError = backup.wait();
        if (backupError && !programEnd.ending()) {
            messages.inform(&window, orv::app_text::kBackupNotWritten.arg(
                                         orv::fromUtf8(orv::fileErrorReason(backupError))));
        }
    });
    return application->exec();
}
