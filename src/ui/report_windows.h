#pragma once
// The award and report windows, each existing once: the menu commands and the award window's
// "Voir la liste" buttons open them here, so that a window still open is only brought to the
// front, whichever command asks for it.

#include "ui/award_list_window.h"
#include "ui/award_window.h"
#include "ui/confirmed_list_window.h"
#include "ui/map_window.h"
#include "ui/missing_qsl_window.h"
#include "ui/score_window.h"
#include "ui/single_window.h"
#include "ui/window_context.h"

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
