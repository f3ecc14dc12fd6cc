#include "ui/reports/score_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "reports/scores.h"
#include "ui/kit/widget_kit.h"
#include "ui/reports/report_window_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Scores PC");
const QString kContacted = QStringLiteral("Nombre de Patrimoines contactés");
const QString kConfirmed = QStringLiteral("Nombre de Patrimoines confirmés");
const QString kDepartements = QStringLiteral("Nombre de départements confirmés");

}  // namespace

ScoreWindow::ScoreWindow(WindowContext& context) : QDialog(context.mainWindow) {
    setObjectName(QStringLiteral("Score_PC"));
    setWindowTitle(kTitle);

    QLabel* title = namedLabel("Label2", kTitle);
    setBold(title);
    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    HF_CT_ = addValueRow(*grid, 1, {"Label3", "HF_CT", kContacted});
    HF_CF_ = addValueRow(*grid, 2, {"Label4", "HF_CF", kConfirmed});
    HF_Dpt_ = addValueRow(*grid, 3, {"Label11", "HF_Dpt", kDepartements});

    const Scores scores = computeScores(loggedQsos(context.log));
    HF_CT_->setText(QString::number(scores.contacted));
    HF_CF_->setText(QString::number(scores.confirmed));
    HF_Dpt_->setText(QString::number(scores.confirmedDepartements));
}

}  // namespace orv
