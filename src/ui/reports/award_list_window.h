#pragma once
// The award list "Liste_PC": every QSO of the log for the level chosen in the award window
// (Niveau_Diplome), saved and printed as a numbered report named after that level. The level is
// read when the window opens for its title, and again at each save or print.

#include "ui/reports/numbered_report_window.h"

namespace orv {

class AwardListWindow final : public NumberedReportWindow {
    Q_OBJECT

public:
    explicit AwardListWindow(WindowContext& context);

protected:
    ReportTexts reportTexts() const override;
};

}  // namespace orv
