#include "ui/reports/sites_to_work_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>

#include "model/band_labels.h"
#include "model/reference_list.h"
#include "reports/report_texts.h"
#include "ui/context/report_output.h"
#include "ui/kit/key_hook.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kCaption = QStringLiteral("Patrimoines à contacter");
const QString kDepartement = QStringLiteral("Département");
const QString kAllDepartements = QStringLiteral("Tous");
const QString kBand = QStringLiteral("Bande");
const QString kAllBands = QStringLiteral("Toutes les bandes");
const QString kRowsHelp =
    QStringLiteral("Double clic ou Entrée sur un Patrimoine pour afficher son détail");

}  // namespace

SitesToWorkWindow::SitesToWorkWindow(WindowContext& context,
                                     std::function<void(const std::string&)> showDetail)
    : NumberedReportWindow(context, "A_Contacter", kCaption), showDetail_(std::move(showDetail)) {
    if (std::optional<ReferenceList> list = readReadableList(context.log.files().referenceList())) {
        hunt_.emplace(std::move(*list), context.log.readFile().lines);
    }
    QStringList departements{kAllDepartements};
    for (const std::string& departement :
         hunt_ ? hunt_->departements() : std::vector<std::string>{}) {
        departements << fromCp1252(departement);
    }
    auto* choices = new QHBoxLayout;
    Dpt_C_ = addChoice(*choices, "Label5", "Dpt_C", kDepartement, departements);
    Bande_C_ = addChoice(*choices, "Label6", "Bande_C", kBand,
                         QStringList{kAllBands} + fromCp1252(kBandLabels));
    choices->addStretch(1);
    addTopRow(choices);
    Label3_ = addTitle("Label3", QString());
    setColumns(fixedPitchFont(QStringLiteral("Letter Gothic"), 9), fromCp1252(sitesToWorkHeader()));

    rowList()->setToolTip(kRowsHelp);
    rowList()->installEventFilter(this);
    connect(rowList(), &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { showDetailOfRow(index.row()); });
    setTabOrder(Dpt_C_, Bande_C_);
    setTabOrder(Bande_C_, rowList());
    Dpt_C_->setFocus();

    if (!hunt_) {
        Label3_->setText(fromUtf8(kListUnreadable));
        Dpt_C_->setEnabled(false);
        Bande_C_->setEnabled(false);
        return;
    }
    for (QComboBox* box : {Dpt_C_, Bande_C_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &SitesToWorkWindow::showChoice);
    }
    showChoice();
}

QComboBox* SitesToWorkWindow::addChoice(QHBoxLayout& row, const char* labelName, const char* name,
                                        const QString& caption, const QStringList& items) {
    auto* box = new QComboBox;
    nameControl(box, name, caption);
    box->addItems(items);
    QLabel* label = namedLabel(labelName, caption);
    label->setBuddy(box);
    row.addWidget(label);
    row.addWidget(box);
    return box;
}

void SitesToWorkWindow::chooseDepartement(const std::string& departement) {
    const int index = Dpt_C_->findText(fromCp1252(departement), Qt::MatchExactly);
    if (index > 0) {
        Dpt_C_->setCurrentIndex(index);
    }
}

HuntChoice SitesToWorkWindow::choice() const {
    HuntChoice chosen;
    if (hunt_ && Dpt_C_->currentIndex() > 0) {
        chosen.departement = hunt_->departements()[std::size_t(Dpt_C_->currentIndex() - 1)];
    }
    chosen.band = Bande_C_->currentIndex() > 0 ? Bande_C_->currentIndex() - 1 : kAnyBand;
    return chosen;
}

void SitesToWorkWindow::showChoice() {
    const HuntChoice chosen = choice();
    SitesToWork found = hunt_->toWork(chosen);
    Label3_->setText(fromCp1252(sitesToWorkCountLine(found, chosen)));
    shownSites_ = std::move(found.sites);
    showRows(std::move(found.rows));
}

void SitesToWorkWindow::showDetailOfRow(int row) {
    if (row >= 0 && std::size_t(row) < shownSites_.size()) {
        showDetail_(shownSites_[std::size_t(row)]->reference);
    }
}

// Enter on a site shows its detail; it never presses a button of the window.
bool SitesToWorkWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rowList() && event->type() == QEvent::KeyPress &&
        isEnterKey(*static_cast<QKeyEvent*>(event))) {
        showDetailOfRow(rowList()->currentIndex().row());
        return true;
    }
    return NumberedReportWindow::eventFilter(watched, event);
}

ReportTexts SitesToWorkWindow::reportTexts() const {
    return sitesToWorkReport(context().state.stationCallsign, choice(),
                             localToday(context().services.clock));
}

}  // namespace orv
