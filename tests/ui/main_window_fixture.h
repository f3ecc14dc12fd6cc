#pragma once
// The main window on the window desk, and the operator's hands on it: its list, and a QSO typed
// field by field.

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "ui/main/main_window.h"
#include "window_test.h"

namespace orv::test {

class MainWindowTest : public WindowTest {
protected:
    ~MainWindowTest() override;

    // Creates the window and runs its start-up; the window is shown and active.
    MainWindow& startMainWindow();

    const MainWidgets& w() const { return window_->widgets(); }

    // The station F4ABC with the given log (CR LF lines) and its stored band index, started.
    MainWindow& startWithLog(const std::string& logContent, int bandIndex = 5);

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

    std::unique_ptr<MainWindow> window_;
};

// A 107-character log line from its values, through the program's own layout.
std::string logLine(const std::string& callsign, const std::string& reference,
                    const std::string& date, const std::string& time, const std::string& band,
                    bool qsl = false, const std::string& firstName = "",
                    const std::string& siteName = "");

// A site line of Liste_PC.csv (Windows-1252): three characters never compared, the reference, the
// name, then the fields the entry does not read.
std::string siteLine(const std::string& reference, const std::string& name);

}  // namespace orv::test
