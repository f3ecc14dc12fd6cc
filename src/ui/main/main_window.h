#pragma once
// The main window "Main": the program itself. It holds the QSO entry, the log list, the station
// banner, the clocks and the menu bar; it starts the program and the station's log service.

#include <QMainWindow>
#include <memory>

#include "ui/context/log_service.h"
#include "ui/context/program_state.h"
#include "ui/context/services.h"
#include "ui/context/window_context.h"
#include "ui/main/entry_operations.h"
#include "ui/main/main_menu_routes.h"
#include "ui/main/main_widgets.h"

namespace orv {

class ClockDisplay;
class EntryChain;
class LogListActions;
class LogListModel;

class MainWindow final : public QMainWindow, public EntryOperations, public MainCommands {
    Q_OBJECT

public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: station choice at the first start, stored choices, the log loaded
    // with its last row selected, and the entry ready in the callsign field.
    void startUp();

    void Init_Saisie() override;
    void restoreBandAndMode() override;
    bool automaticDate() const override;
    void showStationBanner(const QString& text) override;
    void chooseDateMode(bool automatic) override;

    void selectRow(int row) override;

    LogService& log() { return log_; }
    WindowContext& context() { return context_; }
    const ProgramState& state() const { return state_; }
    const MainWidgets& widgets() const { return w_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyDateModeSetting();
    void explainLoadFailure(LogLoadStatus status, int errorNumber);
    void showMissingLogDialog();
    void endAfterMessage(const QString& message);

    Services& services_;
    ProgramState state_;
    LogService log_;
    WindowContext context_;
    MainWidgets w_;
    LogListModel* listModel_ = nullptr;
    ClockDisplay* clock_ = nullptr;
    std::unique_ptr<EntryChain> entryChain_;
    std::unique_ptr<LogListActions> listActions_;
    MainMenuRoutes* routes_ = nullptr;
};

}  // namespace orv
