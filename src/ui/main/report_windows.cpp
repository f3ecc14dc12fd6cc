#include "ui/main/report_windows.h"

namespace orv {

void ReportWindows::openScores() {
    scores_.open([this] { return new ScoreWindow(context_); });
}

void ReportWindows::openAwards() {
    awards_.open([this] { return new AwardWindow(context_, [this] { openAwardList(); }); });
}

void ReportWindows::openAwardList() {
    awardList_.open([this] { return new AwardListWindow(context_); });
}

void ReportWindows::openConfirmedList() {
    confirmedList_.open([this] { return new ConfirmedListWindow(context_); });
}

void ReportWindows::openMissingQsls() {
    missingQsls_.open([this] { return new MissingQslWindow(context_); });
}

void ReportWindows::openDepartementMap() {
    map_.open([this] {
        return new MapWindow(
            context_, [this](const std::string& departement) { openSitesToWorkIn(departement); });
    });
}

SitesToWorkWindow& ReportWindows::openSitesToWork() {
    return sitesToWork_.open([this] { return new SitesToWorkWindow(context_, showDetail_); });
}

void ReportWindows::openSitesToWorkIn(const std::string& departement) {
    openSitesToWork().chooseDepartement(departement);
}

}  // namespace orv
