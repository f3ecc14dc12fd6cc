#include "ui/reports/award_list_window.h"

#include <QLabel>

#include "reports/award_list.h"
#include "reports/report_texts.h"
#include "ui/context/report_output.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/reports/report_window_kit.h"

namespace orv {
namespace {

const QString kCaption = QStringLiteral("Liste Patrimoines contactés");
const QString kLevelPrefix = QStringLiteral("Diplome ");
const QString kCountSuffix = QStringLiteral(" Patrimoines contactés");

}  // namespace

AwardListWindow::AwardListWindow(WindowContext& context)
    : NumberedReportWindow(context, "Liste_PC", kCaption) {
    addTitle("Label4", kLevelPrefix + fromCp1252(context.state.Niveau_Diplome));
    QLabel* count = addTitle("Label3", QString());
    setColumns(fixedPitchFont(QStringLiteral("Letter Gothic"), 9), fromCp1252(kAwardListHeader));

    std::vector<std::string> rows = awardListRows(loggedQsos(context.log));
    count->setText(QString::number(rows.size()) + kCountSuffix);
    showRows(std::move(rows));
}

ReportTexts AwardListWindow::reportTexts() const {
    return awardListReport(context().state.stationCallsign, context().state.Niveau_Diplome,
                           localToday(context().services.clock));
}

}  // namespace orv
