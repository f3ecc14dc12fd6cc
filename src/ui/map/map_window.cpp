#include "ui/map/map_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "reports/departement_map.h"
#include "ui/access/value_label.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/widget_kit.h"
#include "ui/map/departement_map_view.h"
#include "ui/map/map_credit.h"
#include "ui/reports/report_window_kit.h"

namespace orv {
namespace {

const QString kCaption = QStringLiteral("Carte des départements contactés");
const QString kContacted = QStringLiteral("départements contactés");
const QString kConfirmed = QStringLiteral(" Dpt confirmés");
const QString kUnconfirmed = QStringLiteral(" Dpt non confirmés");
const QString kNotContacted = QStringLiteral(" Dpt non contactés");
const QColor kLightPink(255, 192, 192);

QLineEdit* countBox(const char* name, const QString& suffix, const QColor& background, int count) {
    QLineEdit* box = valueBox(name, suffix.trimmed(), background);
    box->setText(QString::number(count) + suffix);
    return box;
}

}  // namespace

MapWindow::MapWindow(WindowContext& context) : QDialog(context.mainWindow) {
    setObjectName(QStringLiteral("Carte_Acti_PC"));
    setWindowTitle(kCaption);

    const DepartementMap map = Colore_Carte(loggedQsos(context.log));
    map_ = new DepartementMapView(map);

    QLabel* contacted = valueLabel("NB_Dep", kContacted, CaptionSide::After);
    contacted->setText(QString::number(map.contacted));
    setBold(contacted);
    QLabel* contactedCaption = namedLabel("Label5", kContacted);
    setBold(contactedCaption);
    auto* contactedLine = new QHBoxLayout;
    contactedLine->addWidget(contacted);
    contactedLine->addWidget(contactedCaption);
    contactedLine->addStretch(1);

    QLabel* credit = namedLabel("Credit_Carte", kMapCredit);
    credit->setWordWrap(true);

    auto* legend = new QVBoxLayout;
    legend->addLayout(contactedLine);
    legend->addWidget(countBox("Nb_Conf", kConfirmed, kLightGreen, map.confirmed));
    legend->addWidget(countBox("Nb_Nconf", kUnconfirmed, kLightPink, map.unconfirmed));
    legend->addWidget(countBox("Nb_Ncont", kNotContacted, kLightYellow, map.notContacted));
    legend->addStretch(1);
    legend->addWidget(credit);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(map_, 1);
    layout->addLayout(legend);
}

}  // namespace orv
