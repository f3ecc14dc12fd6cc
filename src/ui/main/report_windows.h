#pragma once
// The award and report windows, each existing once: the menu commands and the award window's
// "Voir la liste" buttons open them here, so that a window still open is only brought to the
// front, whichever command asks for it.

#include "ui/context/window_context.h"
#include "ui/kit/single_window.h"
#include "ui/map/map_window.h"
#include "ui/reports/award_list_window.h"
#include "ui/reports/award_window.h"
#include "ui/reports/confirmed_list_window.h"
#include "ui/reports/missing_qsl_window.h"
#include "ui/reports/score_window.h"

namespace orv {

class ReportWindows {
public:
    explicit ReportWindows(WindowContext& context) : context_(context) {}

    void openScores();          // "Scores"
    void openAwards();          // "Diplomes"
    void openAwardList();       // "Voir la liste", once Niveau_Diplome is chosen
    void openConfirmedList();   // "Liste" > "des Patrimoines contactés"
    void openMissingQsls();     // "QSL's non reçues"
    void openDepartementMap();  // "Carte" > "des départements contactés"

private:
    WindowContext& context_;
    SingleWindow<ScoreWindow> scores_;
    SingleWindow<AwardWindow> awards_;
    SingleWindow<AwardListWindow> awardList_;
    SingleWindow<ConfirmedListWindow> confirmedList_;
    SingleWindow<MissingQslWindow> missingQsls_;
    SingleWindow<MapWindow> map_;
};

}  // namespace orv
