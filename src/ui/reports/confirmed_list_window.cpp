#include "ui/reports/confirmed_list_window.h"

#include <QLabel>

#include "reports/confirmed_list.h"
#include "reports/report_texts.h"
#include "ui/context/report_output.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/reports/report_window_kit.h"

namespace orv {
namespace {

const QString kCaption = QStringLiteral("Liste des Patrimoines contactés et confirmes");
const QString kContacted = QStringLiteral("Patrimoines contactés");
const QString kConfirmed = QStringLiteral("Patrimoines confirmés");

}  // namespace

ConfirmedListWindow::ConfirmedListWindow(WindowContext& context)
    : NumberedReportWindow(context, "Aff_Contacte", kCaption) {
    QLabel* contacted = addCountLine("Compt_C", "Label3", kContacted);
    QLabel* confirmed = addCountLine("Compt_V", "Label4", kConfirmed);
    setColumns(fixedPitchFont(QStringLiteral("Terminal"), 9), fromCp1252(confirmedListHeader()));

    ConfirmedList list = confirmedList(loggedQsos(context.log));
    contacted->setText(QString::number(list.contacted));
    confirmed->setText(QString::number(list.confirmed));
    showRows(std::move(list.rows));
}

ReportTexts ConfirmedListWindow::reportTexts() const {
    return confirmedListReport(context().state.stationCallsign,
                               localToday(context().services.clock));
}

}  // namespace orv
