#include "ui/map/map_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/reference_list.h"
#include "reports/departement_map.h"
#include "reports/sites_to_work.h"
#include "ui/access/value_label.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
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
const QString kChooseHelp =
    QStringLiteral("Double clic sur un département : ses Patrimoines à contacter");

QLineEdit* countBox(const char* name, const QString& suffix, const QColor& background, int count) {
    QLineEdit* box = valueBox(name, suffix.trimmed(), background);
    box->setText(QString::number(count) + suffix);
    return box;
}

// Each departement's box tells how many of the list's sites there the log worked; without a
// readable list the boxes keep their colour's words only.
void describeDepartements(DepartementMapView& view, const std::filesystem::path& listPath,
                          const std::vector<std::string>& logLines) {
    std::optional<ReferenceList> list = readReadableList(listPath);
    if (!list) {
        return;
    }
    const std::map<std::string, DepartementTally> tallies =
        SiteHunt(std::move(*list), logLines).tallies();
    for (int index = 0; index < kMapBoxes; ++index) {
        if (QLabel* box = view.box(index)) {
            const std::string code = boxCode(index);
            const auto found = tallies.find(code);
            const QString tally = fromCp1252(departementTallyText(
                code, found != tallies.end() ? found->second : DepartementTally{}));
            box->setToolTip(tally);
            box->setAccessibleDescription(box->accessibleDescription() + QStringLiteral(" ; ") +
                                          tally);
        }
    }
}

}  // namespace

MapWindow::MapWindow(WindowContext& context,
                     std::function<void(const std::string& departement)> openSitesToWork)
    : QDialog(context.mainWindow) {
    setObjectName(QStringLiteral("Carte_Acti_PC"));
    setWindowTitle(kCaption);

    const std::vector<std::string> logLines = context.log.readFile().lines;
    const DepartementMap map = Colore_Carte(readLogLines(logLines));
    map_ = new DepartementMapView(map);
    describeDepartements(*map_, context.log.files().referenceList(), logLines);
    connect(map_, &DepartementMapView::departementChosen, this,
            [openSitesToWork = std::move(openSitesToWork)](int index) {
                openSitesToWork(boxCode(index));
            });

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
    QLabel* help = namedLabel("Label6", kChooseHelp);
    help->setWordWrap(true);

    auto* legend = new QVBoxLayout;
    legend->addLayout(contactedLine);
    legend->addWidget(countBox("Nb_Conf", kConfirmed, kLightGreen, map.confirmed));
    legend->addWidget(countBox("Nb_Nconf", kUnconfirmed, kLightPink, map.unconfirmed));
    legend->addWidget(countBox("Nb_Ncont", kNotContacted, kLightYellow, map.notContacted));
    legend->addStretch(1);
    legend->addWidget(help);
    legend->addWidget(credit);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(map_, 1);
    layout->addLayout(legend);
}

}  // namespace orv
