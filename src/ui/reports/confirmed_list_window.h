#pragma once
// The list of contacted and confirmed sites "Aff_Contacte": every line of the log with its QSL
// mark, the contacted and confirmed counts, saved and printed as a numbered report.

#include "ui/reports/numbered_report_window.h"

namespace orv {

class ConfirmedListWindow final : public NumberedReportWindow {
    Q_OBJECT

public:
    explicit ConfirmedListWindow(WindowContext& context);

protected:
    ReportTexts reportTexts() const override;
};

}  // namespace orv
