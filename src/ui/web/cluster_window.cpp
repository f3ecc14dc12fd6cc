#include "ui/web/cluster_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "net/web_pages.h"
#include "platform/settings_keys.h"
#include "ui/kit/coloured_combo_box.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/web/separate_window.h"
#include "ui/web/web_page_view.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Cluster");
const QString kSiteTitle = QStringLiteral("Cluster (%1)");
const QString kBandCaption = QStringLiteral("Bande");
const QString kShow = QStringLiteral("Afficher");
const QString kRefreshNote = QStringLiteral("Cluster remis a jour toutes les minutes");
const QString kPageDescription = QStringLiteral("Page du cluster");

QComboBox* bandList() {
    auto* list = new ColouredComboBox;
    nameControl(list, "Bande_CL", kBandCaption);
    for (const ClusterBand& band : kClusterBands) {
        list->addItem(fromUtf8(band.item));
    }
    setFieldColour(list, kLightYellow);
    setBold(list);
    return list;
}

// "Frame1": the band list with its label, "Afficher", the site's name and the refresh note.
QGroupBox* bandFrame(QComboBox* bands, QPushButton* show, const QString& siteAddress) {
    QLabel* bandLabel = namedLabel("Label3", kBandCaption);
    bandLabel->setBuddy(bands);
    QLabel* title =
        namedLabel("Label2", kSiteTitle.arg(fromUtf8(siteHost(siteAddress.toStdString()))));
    setBold(title);
    auto* frame = named<QGroupBox>("Frame1");
    auto* row = new QHBoxLayout(frame);
    row->addWidget(bandLabel);
    row->addWidget(bands);
    row->addWidget(show);
    row->addSpacing(24);
    row->addWidget(title);
    row->addStretch(1);
    row->addWidget(namedLabel("Label1", kRefreshNote));
    return frame;
}

}  // namespace

// Made without a parent: see separate_window.h.
ClusterWindow::ClusterWindow(WindowContext& context)
    : context_(context), section_(settings::stationSection(context.state.stationCallsign)) {
    setObjectName(QStringLiteral("Cluster"));
    setWindowTitle(kTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    Bande_CL_ = bandList();
    QPushButton* show = namedButton("Afficher", kShow);
    show->setDefault(true);
    connect(show, &QPushButton::clicked, this, &ClusterWindow::Affiche_Cluster);
    WebBrowser1_ = new WebPageView(kPageDescription, context.services.settings, kClusterAddress);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bandFrame(Bande_CL_, show, WebBrowser1_->siteAddress()));
    layout->addWidget(WebBrowser1_, 1);
    resize(1000, 720);

    const QString stored = context_.services.settings.value(
        settings::kClusterApplication, section_, settings::kClusterBandKey, QStringLiteral("0"));
    Bande_CL_->setCurrentIndex(clusterBandIndex(stored.toStdString()));
    Affiche_Cluster();
    separateFromMainWindow(*this, context.mainWindow);
}

void ClusterWindow::Affiche_Cluster() {
    const int index = std::max(Bande_CL_->currentIndex(), 0);
    context_.services.settings.setValue(settings::kClusterApplication, section_,
                                        settings::kClusterBandKey, QString::number(index));
    WebBrowser1_->showPageAt(clusterPagePath(index));
}

}  // namespace orv
