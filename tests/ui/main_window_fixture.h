#pragma once
// A main window on a data folder and a settings store of its own, with the operator, the clock
// and the end of the program stood in for.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

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

    // The station F4ABC with the given log (CR LF lines) and its stored band index, started.
    MainWindow& startWithLog(const std::string& logContent, int bandIndex = 5);

    // Replaces a field's whole text as the operator does: select all, then type.
    void typeOver(QWidget* field, const QString& text);
    // Sends one key that types text, whatever the keyboard: the way characters outside Latin-1
    // arrive as key presses.
    static void typeCharacter(QWidget* field, const QString& text);
    // Commits text as an input method does (compose keys, emoji pickers).
    static void commitInputMethodText(QWidget* field, const QString& text);
    // Puts text on the clipboard and pastes it with Ctrl+V.
    static void pasteInto(QWidget* field, const QString& text);

    // The operator's mouse on the main list.
    void clickRow(int row);
    void doubleClickRow(int row);

    // Types a whole QSO field by field, each field given the focus by the one before, accepted
    // with Enter; ends with the focus on "Valider le QSO". An empty first name, date, time, mode or
    // site name keeps what the field shows; the date and time are typed only when the chain asks
    // for them. Texts are ASCII (QTest types nothing else).
    struct TypedQso {
        QString callsign{};
        QString firstName{};
        QString reference{};
        QString date{};
        QString time{};
        QString mode{};
        QString siteName{};
        bool qsl = false;
    };
    void typeQso(const TypedQso& qso);
    // Its first part: the callsign, the first name when given, and the reference.
    void typeUpToReference(const TypedQso& qso);
    // The same from the date, or the mode with the automatic date, whichever has the focus.
    void typeRestOfQso(const TypedQso& qso);

    // Liste_PC.csv: a revision line, then the given site lines, CR LF.
    void writeReferenceList(const std::vector<std::string>& siteLines) const;

    // The rows of Liste_PC as shown.
    QStringList listRows() const;
    // The bytes of PC.ini, to tell whether the settings were touched.
    std::string settingsFileContent() const;

    QTemporaryDir folder_;
    QtSettingsStore settings_;
    RecordingMessageBoxes messages_;
    FakeClock clock_;
    RecordingProgramEnd programEnd_;
    Services services_;
    std::unique_ptr<MainWindow> window_;
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

// A 107-character log line from its values, through the program's own layout.
std::string logLine(const std::string& callsign, const std::string& reference,
                    const std::string& date, const std::string& time, const std::string& band,
                    bool qsl = false, const std::string& firstName = "",
                    const std::string& siteName = "");

// A site line of Liste_PC.csv (Windows-1252): three characters never compared, the reference, the
// name, then the fields the entry does not read.
std::string siteLine(const std::string& reference, const std::string& name);

// Log lines as the log file holds them: each followed by CR LF.
std::string logText(const std::vector<std::string>& lines);

// The text a field shows: a text box's text, a drop-down list's edit text.
QString fieldText(const QWidget* field);

}  // namespace orv::test
