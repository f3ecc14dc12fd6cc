#pragma once
// The main window "Main": the program itself. It holds the QSO entry, the log list, the station
// banner, the clocks and the menu bar; it starts the program and owns the station's log.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "model/log_rewrite.h"
#include "ui/log_operations.h"
#include "ui/main_widgets.h"
#include "ui/program_state.h"
#include "ui/services.h"
#include "ui/station_window.h"

namespace orv {

class ClockDisplay;
class EntryChain;
class LogActions;
class LogListModel;

class MainWindow final : public QMainWindow, public LogOperations, public StationHost {
public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: station choice at the first start, stored choices, the log loaded
    // with its last row selected, and the entry ready in the callsign field.
    void startUp();

    // Fills the list from the station's log. False when the log is missing or unreadable: the
    // operator has been told and the program is ending.
    bool Charge_Log() override;
    void Init_Saisie() override;

    WriteOutcome Ajoute_Ligne(const std::string& newLine) override;
    WriteOutcome Insere_Ligne(const std::string& newLine) override;
    WriteOutcome Remplace_Ligne(const std::string& newLine, const std::string& oldLine) override;
    WriteOutcome Supprime_Ligne(const std::string& line) override;
    void restoreBandAndMode() override;
    bool automaticDate() const override;

    void showStationBanner(const QString& text) override;

    const ProgramState& state() const { return state_; }
    const MainWidgets& widgets() const { return w_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    WriteOutcome rewrite(RewriteRule rule, const std::string& line,
                         const std::string& oldLine = {});
    void openStationWindow(bool modal);
    void applyDateModeSetting();
    void chooseDateMode(bool automatic);
    void connectMenus();
    void showMissingLogDialog();
    void endAfterMessage(const QString& message);

    Services& services_;
    ProgramState state_;
    MainWidgets w_;
    LogListModel* listModel_ = nullptr;
    ClockDisplay* clock_ = nullptr;
    std::unique_ptr<EntryChain> entryChain_;
    std::unique_ptr<LogActions> logActions_;
    QPointer<StationWindow> stationWindow_;
};

}  // namespace orv
