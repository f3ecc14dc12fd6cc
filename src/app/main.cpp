// ORV_PC: builds the platform services and the data folder, then opens the main window.

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

#include "platform/data_folder.h"
#include "platform/memory_tuning.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_program_end.h"
#include "platform/qt_settings_store.h"
#include "platform/system_clock.h"
#include "ui/main_window.h"
#include "ui/services.h"

int main(int argc, char* argv[]) {
    orv::keepMemoryBetweenRewrites();
    QApplication application(argc, argv);
    // One style everywhere, so that the entry fields show their state colours on every desktop.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setQuitOnLastWindowClosed(false);
    // The program speaks French: Qt's own buttons too ("Oui", "Non").
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&qtTexts);
    }

    orv::QtSettingsStore settings;
    orv::QtMessageBoxes messages;
    orv::SystemClock clock;
    orv::QtProgramEnd programEnd;
    orv::Services services{settings, messages, clock, programEnd, orv::dataFolder()};

    orv::MainWindow window(services);
    // Start-up runs inside the event loop, so that its dialogs can end the program.
    QTimer::singleShot(0, &window, &orv::MainWindow::startUp);
    return application.exec();
}
