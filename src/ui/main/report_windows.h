#pragma once
// The award and report windows, each existing once: the menu commands and the award window's
// "Voir la liste" buttons open them here, so that a window still open is only brought to the
// front, whichever command asks for it.

#include <functional>
#include <string>

#include "ui/context/window_context.h"
#include "ui/kit/single_window.h"
#include "ui/map/map_window.h"
#include "ui/reports/award_list_window.h"
#include "ui/reports/award_window.h"
#include "ui/reports/confirmed_list_window.h"
#include "ui/reports/missing_qsl_window.h"
#include "ui/reports/score_window.h"
#include "ui/reports/sites_to_work_window.h"

namespace orv {

class ReportWindows {
public:
    // showDetail opens the "Detail" window for a reference.
    ReportWindows(WindowContext& context, std::function<void(const std::string&)> showDetail)
        : context_(context), showDetail_(std::move(showDetail)) {}

    void openScores();          // "Scores"
    void openAwards();          // "Diplomes"
    void openAwardList();       // "Voir la liste", once Niveau_Diplome is chosen
    void openConfirmedList();   // "Liste" > "des Patrimoines contactés"
    void openMissingQsls();     // "QSL's non reçues"
    void openDepartementMap();  // "Carte" > "des départements contactés"

    // "Liste" > "des Patrimoines à contacter"; the same window set to a departement ("89", "2a")
    // on a double click on the map.
    SitesToWorkWindow& openSitesToWork();
    void openSitesToWorkIn(const std::string& departement);

private:
    WindowContext& context_;
    std::function<void(const std::string&)> showDetail_;
    SingleWindow<ScoreWindow> scores_;
    SingleWindow<AwardWindow> awards_;
    SingleWindow<AwardListWindow> awardList_;
    SingleWindow<ConfirmedListWindow> confirmedList_;
    SingleWindow<MissingQslWindow> missingQsls_;
    SingleWindow<MapWindow> map_;
    SingleWindow<SitesToWorkWindow> sitesToWork_;
};

}  // namespace orv
