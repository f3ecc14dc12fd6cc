#pragma once
// A main window on a data folder and a settings store of its own, with the operator, the clock
// and the end of the program stood in for.

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/fake_clock.h"
#include "platform/qt_settings_store.h"
#include "platform/recording_message_boxes.h"
#include "platform/recording_program_end.h"
#include "ui/main_window.h"
#include "ui/services.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace orv::test {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates the window and runs its start-up; the window is shown and active.
    MainWindow& startMainWindow();

    // The settings a test prepares before the start-up, as the program would have stored them.
    void storeSetting(const QString& section, const QString& key, const QString& value);
    QString storedSetting(const QString& section, const QString& key) const;
    void chooseStation(const std::string& callsign);

    std::filesystem::path dataFile(const std::string& name) const;
    void writeDataFile(const std::string& name, const std::string& content) const;
    std::string readDataFile(const std::string& name) const;

    // Runs action as soon as the next modal window is open (the Station window at the first
    // start, the error dialog), from inside its own event loop.
    void whenModalOpens(std::function<void(QWidget&)> action);

    // Typing as the operator does, into the widget that must have the focus.
    void typeText(QWidget* field, const QString& text);
    void pressEnter(QWidget* field);

    const MainWidgets& w() const { return window_->widgets(); }

    QTemporaryDir folder_;
    QtSettingsStore settings_;
    RecordingMessageBoxes messages_;
    FakeClock clock_;
    RecordingProgramEnd programEnd_;
    Services services_;
    std::unique_ptr<MainWindow> window_;
};

// A 107-character log line from its values, through the program's own layout.
std::string logLine(const std::string& callsign, const std::string& reference,
                    const std::string& date, const std::string& time, const std::string& band,
                    bool qsl = false, const std::string& firstName = "",
                    const std::string& siteName = "");

}  // namespace orv::test
