#pragma once
// What each command of the main window does: one table of its menu items and command buttons,
// each with its handler.

#include <QObject>
#include <functional>

#include "ui/context/window_context.h"
#include "ui/kit/single_window.h"
#include "ui/main/main_widgets.h"
#include "ui/main/report_windows.h"
#include "ui/tools/detail_window.h"
#include "ui/tools/list_changes_window.h"
#include "ui/tools/search_window.h"
#include "ui/tools/station_window.h"
#include "ui/tools/web_address_window.h"
#include "ui/web/cluster_window.h"
#include "ui/web/rules_window.h"

namespace orv {

// The main window's own commands, which the table calls.
class MainCommands : public StationHost {
public:
    virtual void chooseDateMode(bool automatic) = 0;
    // Selects a row of the main list as the operator's click on it does (the QSO search).
    virtual void selectRow(int row) = 0;
};

class MainMenuRoutes final : public QObject {
public:
    MainMenuRoutes(const MainWidgets& widgets, WindowContext& context, MainCommands& main);

    // The Station window: modal at the first start, from the menu otherwise.
    void openStationWindow(bool modal);

private:
    void showAbout();
    void showHistory();
    void openSearch();
    void showDetail();
    void showDetailOf(const std::string& reference);
    // The update, then what it changed when it put a list of another content in place.
    void updateReferenceList();

    WindowContext& context_;
    MainCommands& main_;
    SingleWindow<StationWindow> station_;
    SingleWindow<SearchWindow> search_;
    SingleWindow<DetailWindow> detail_;
    SingleWindow<ClusterWindow> cluster_;
    SingleWindow<RulesWindow> rules_;
    SingleWindow<WebAddressWindow> addresses_;
    SingleWindow<ListChangesWindow> listChanges_;
    ReportWindows reports_;
};

}  // namespace orv
