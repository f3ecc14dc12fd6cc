#include "ui/main/main_menu_routes.h"

#include "model/list_row.h"
#include "ui/main/main_texts.h"
#include "ui/tools/log_commands.h"
#include "ui/tools/reference_list_update.h"

namespace orv {
namespace {

struct Route {
    QObject* sender;  // a menu item (QAction) or a command button
    std::function<void()> command;
};

void connectRoute(const Route& route, QObject* context) {
    if (auto* action = qobject_cast<QAction*>(route.sender)) {
        QObject::connect(action, &QAction::triggered, context, route.command);
    } else if (auto* button = qobject_cast<QAbstractButton*>(route.sender)) {
        QObject::connect(button, &QAbstractButton::clicked, context, route.command);
    }
}

}  // namespace

MainMenuRoutes::MainMenuRoutes(const MainWidgets& w, WindowContext& context, MainCommands& main)
    : QObject(context.mainWindow),
      context_(context),
      main_(main),
      reports_(context, [this](const std::string& reference) { showDetailOf(reference); }) {
    const MainMenus& m = w.menus;
    const Route routes[] = {
        {m.Mnu_ADIF, [this] { LogCommands(context_).exportAdif(); }},
        {m.Mnu_Quitter, [this] { context_.services.programEnd.endProgram(); }},
        {m.Mnu_Date_Auto, [this] { main_.chooseDateMode(true); }},
        {m.Mnu_Date_Man, [this] { main_.chooseDateMode(false); }},
        {m.Mnu_New_Indicatif, [this] { openStationWindow(false); }},
        {m.Mnu_L_Contacte, [this] { reports_.openConfirmedList(); }},
        {m.Mnu_A_Contacter, [this] { reports_.openSitesToWork(); }},
        {m.Mnu_Carte_Acti_PC, [this] { reports_.openDepartementMap(); }},
        {m.Mnu_Maj_PC, [this] { updateReferenceList(); }},
        {m.Mnu_Maj_Nom_PC, [this] { LogCommands(context_).updateSiteNames(); }},
        {m.Mnu_Adresses,
         [this] { addresses_.open([this] { return new WebAddressWindow(context_); }); }},
        {m.Mnu_Score, [this] { reports_.openScores(); }},
        {m.Mnu_Diplomes, [this] { reports_.openAwards(); }},
        {m.Mnu_Non_Recue, [this] { reports_.openMissingQsls(); }},
        {m.Mnu_Cluster, [this] { cluster_.open([this] { return new ClusterWindow(context_); }); }},
        {m.Mnu_Reglement, [this] { rules_.open([this] { return new RulesWindow(context_); }); }},
        {m.Mnu_Apropos, [this] { showAbout(); }},
        {m.Mnu_Historique, [this] { showHistory(); }},
        {w.Rechercher, [this] { openSearch(); }},
        {w.Detail_Ref, [this] { showDetail(); }},
    };
    for (const Route& route : routes) {
        connectRoute(route, this);
    }
}

void MainMenuRoutes::openStationWindow(bool modal) {
    const auto make = [this] { return new StationWindow(context_, main_); };
    if (modal) {
        station_.openModal(make);
    } else {
        station_.open(make);
    }
}

void MainMenuRoutes::updateReferenceList() {
    if (const std::optional<ListReplacement> replaced = ReferenceListUpdate(context_).run()) {
        listChanges_.open([this] { return new ListChangesWindow(context_); })
            .showChanges(replaced->before, replaced->after);
    }
}

void MainMenuRoutes::showAbout() {
    context_.services.messages.inform(
        context_.mainWindow,
        main_text::kAboutPrefix + main_text::kRevision + "\r\n\r\n" + main_text::kAboutFooter);
}

void MainMenuRoutes::showHistory() {
    context_.services.messages.inform(context_.mainWindow, main_text::kVersionHistory.join("\r\n"));
}

void MainMenuRoutes::openSearch() {
    search_.open(
        [this] { return new SearchWindow(context_, [this](int row) { main_.selectRow(row); }); });
}

// "Detail Référence" shows the reference of the row last chosen in the main list.
void MainMenuRoutes::showDetail() {
    showDetailOf(std::string(readField(context_.state.selectedLogLine, row_field::kReference)));
}

void MainMenuRoutes::showDetailOf(const std::string& reference) {
    context_.state.detailReference = reference;
    detail_.open([this] { return new DetailWindow(context_); })
        .showFor(context_.state.detailReference);
}

}  // namespace orv
