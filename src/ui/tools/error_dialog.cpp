#include "ui/tools/error_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/station_rules.h"
#include "ui/context/station_settings.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/kit/window_placement.h"

namespace orv {

namespace {

const QString kTitle = QStringLiteral("Erreur");
const QString kHeadline = QStringLiteral("ERREUR 53");
const QString kFoundCallsign =
    QStringLiteral("ORV_PC a trouvé dans la base de registre l'indicatif  : ");
const QString kFileNotFound =
    QStringLiteral("Il n'a par contre pas trouvé dans son répértoire le fichier :");
const QString kRemedy =
    QStringLiteral("Pour remèdier à cet état, cliquez sur \" Initialiser\" et relancez ORV_PC");
const QString kAfterReset = QStringLiteral("L'indicatif affiché sera alors FXXXX ");
const QString kNextStart =
    QStringLiteral("une boite de dialogue vous demandera alors de spécifier votre indicatif");
const QString kInitialise = QStringLiteral("Initialiser");
const QString kQuit = QStringLiteral("Quitter");

// Two labels side by side, as one line of the dialog.
QHBoxLayout* lineOf(QLabel* first, QLabel* second) {
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addWidget(first);
    line->addWidget(second);
    line->addStretch(1);
    return line;
}

}  // namespace

ErrorDialog::ErrorDialog(Services& services, const ProgramState& state, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("Gestion_Erreur"));
    setWindowTitle(kTitle);
    setModal(true);

    auto* frame1 = named<QGroupBox>("Frame1");
    auto* headline = namedLabel("Label2", kHeadline);
    QFont big = headline->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 8);
    headline->setFont(big);
    (new QVBoxLayout(frame1))->addWidget(headline, 0, Qt::AlignHCenter);

    const QString callsign = fromCp1252(state.stationCallsign);
    Err_Departement_ = namedLabel("Err_Departement", QString());
    auto* frame2 = named<QGroupBox>("Frame2");
    auto* lines = new QVBoxLayout(frame2);
    lines->addLayout(
        lineOf(namedLabel("Label3", kFoundCallsign), namedLabel("Indi_Station", callsign)));
    lines->addWidget(namedLabel("Label6", kFileNotFound));
    lines->addLayout(lineOf(namedLabel("Indi_Station1", callsign), Err_Departement_));
    lines->addWidget(namedLabel("Label7", kRemedy));
    lines->addWidget(namedLabel("Label8", kAfterReset));
    lines->addWidget(namedLabel("Label9", kNextStart));

    auto* initialise = namedButton("Initialisation", kInitialise);
    auto* quit = namedButton("Quitter", kQuit);
    connect(initialise, &QPushButton::clicked, this, &ErrorDialog::initialise);
    connect(quit, &QPushButton::clicked, this, &ErrorDialog::quit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(initialise);
    buttons->addStretch(1);
    buttons->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addLayout(buttons);
    adjustSize();
    centreOnScreen(*this);
}

void ErrorDialog::setMissingFileSuffix(const QString& suffix) {
    Err_Departement_->setText(suffix);
}

void ErrorDialog::reject() {
    quit();
}

void ErrorDialog::initialise() {
    storeStationCallsign(services_.settings, fromUtf8(kNoStation));
    quit();
}

void ErrorDialog::quit() {
    services_.programEnd.endProgram();
    done(QDialog::Rejected);
}

}  // namespace orv
