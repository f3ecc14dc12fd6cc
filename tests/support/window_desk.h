#pragma once
// A desk for windows under test or under measure: a data folder and a settings folder of its own,
// with the operator (every message recorded, questions answered from a queue), the clock, the
// printer (to a PDF file), the network (answers from memory) and the end of the program stood in
// for. Widget tests of any window build on it (tests/ui/window_test.h), and so do the window
// benchmarks.

#include <QString>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt_settings_store.h"
#include "support/fake_clock.h"
#include "support/memory_http_client.h"
#include "support/pdf_printer.h"
#include "support/recording_message_boxes.h"
#include "support/recording_program_end.h"
#include "support/temp_folder.h"
#include "ui/context/log_service.h"
#include "ui/context/program_state.h"
#include "ui/context/services.h"
#include "ui/context/window_context.h"

class QWidget;

namespace orv {
class MainWindow;
}

namespace orv::test {

class WindowDesk {
    // First, for the members below live in it.
    TempFolder folder_{"orv_window"};

public:
    WindowDesk();
    WindowDesk(const WindowDesk&) = delete;
    WindowDesk& operator=(const WindowDesk&) = delete;
    virtual ~WindowDesk();

    Services& services() { return services_; }
    const std::filesystem::path& dataFolder() const { return services_.dataFolder; }

    // The settings as the program stores them: application "PC" unless another is named.
    void storeSetting(const QString& section, const QString& key, const QString& value,
                      const QString& application = QStringLiteral("PC"));
    // "<absent>" for a key never stored.
    QString storedSetting(const QString& section, const QString& key,
                          const QString& application = QStringLiteral("PC")) const;
    // The station the program opens at start-up.
    void chooseStation(const std::string& callsign);
    // The bytes of PC.ini, to tell whether the settings were touched.
    std::string settingsFileContent() const;

    std::filesystem::path dataFile(std::string_view name) const;
    void writeDataFile(std::string_view name, std::string_view content) const;
    std::string readDataFile(std::string_view name) const;
    // The log of the chosen station (Windows-1252 lines, each written with CR LF).
    void writeLog(const std::string& callsign, const std::vector<std::string>& lines) const;

    // A new main window on the desk's services, its start-up run; its dialogs are answered by
    // whenModalOpens beforehand.
    std::unique_ptr<MainWindow> newMainWindow();

    // What a window opened on its own (without the main window) is built with: the chosen
    // station, its log loaded. Made on first use.
    WindowContext& soloContext();

    // Runs action as soon as the next modal window is open (the Station window at the first
    // start, the error dialog, a printer dialog), from inside its own event loop.
    static void whenModalOpens(std::function<void(QWidget&)> action);

    // The visible top-level window of that objectName, or nullptr.
    static QWidget* openWindow(const QString& objectName);
    // How many visible top-level windows have that objectName.
    static int openWindowCount(const QString& objectName);

    RecordingMessageBoxes messages;
    FakeClock clock;
    RecordingProgramEnd programEnd;
    PdfPrinter printer;
    MemoryHttpClient http;

private:
    QtSettingsStore settings_;
    Services services_;
    ProgramState soloState_;
    std::unique_ptr<LogService> soloLog_;
    std::unique_ptr<WindowContext> soloContext_;
};

// Closes every modal window that opens while it lives, recording its objectName: for tests in
// which none may open, so that an unexpected one fails the test instead of blocking it.
class ModalCloser {
public:
    ModalCloser();
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    QStringList closed;

private:
    QTimer poll_;
};

// Log lines as the log file holds them: each followed by CR LF.
std::string logText(const std::vector<std::string>& lines);

}  // namespace orv::test
