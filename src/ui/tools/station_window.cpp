#include "ui/tools/station_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/station_rules.h"
#include "model/cp1252.h"
#include "ui/context/station_settings.h"
#include "ui/kit/cp1252_validator.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {

namespace {

const QString kTitle = QStringLiteral("Selection Indicatif");
const QString kFrameCaption = QStringLiteral("Indicatif de la Station");
const QString kCallsignCaption = QStringLiteral("Indicatif");
const QString kSlashNote = QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'");
const QString kValidate = QStringLiteral("Validez");

}  // namespace

StationWindow::StationWindow(WindowContext& context, StationHost& host)
    : QDialog(context.mainWindow), context_(context), host_(host) {
    setObjectName(QStringLiteral("Station"));
    setWindowTitle(kTitle);

    auto* frame1 = named<QGroupBox>("Frame1");
    auto* frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(namedLabel("Label2", kFrameCaption), 0, Qt::AlignHCenter);

    auto* frame2 = named<QGroupBox>("Frame2");
    auto* frame2Layout = new QVBoxLayout(frame2);
    New_Indicatif_ = new EntryLineEdit;
    nameControl(New_Indicatif_, "New_Indicatif", kCallsignCaption);
    New_Indicatif_->setValidator(new Cp1252Validator(New_Indicatif_));
    setFieldColour(New_Indicatif_, kLightGreen);
    setBold(New_Indicatif_);
    New_Indicatif_->beforeKey = [this](const QKeyEvent& event) { return onKey(event); };
    QLabel* note = namedLabel("Label5", kSlashNote);
    setTextColour(note, QColor(255, 0, 0));
    frame2Layout->addWidget(namedLabel("Label3", kCallsignCaption));
    frame2Layout->addWidget(New_Indicatif_);
    frame2Layout->addWidget(note);

    Validation_ = namedButton("Validation", kValidate);
    connect(Validation_, &QPushButton::clicked, this, &StationWindow::validate);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(Validation_, 0, Qt::AlignHCenter);

    context_.state.stationCallsign = storedStationCallsign(context_.services.settings);
    New_Indicatif_->clear();
    New_Indicatif_->setFocus();
}

KeyAction StationWindow::onKey(const QKeyEvent& event) {
    if (isEnterKey(event)) {
        setFieldColour(New_Indicatif_, kWhite);
        Validation_->setFocus();
        return KeyAction::swallow();
    }
    return mappedKey(event, stationKey);
}

bool StationWindow::refuse(const std::string& candidate) {
    const std::optional<StationRefusal> refusal = checkStationCallsign(candidate);
    if (!refusal) {
        return false;
    }
    context_.services.messages.inform(this, fromUtf8(refusal->message));
    if (refusal->emptiesBox) {
        New_Indicatif_->clear();
    }
    return true;
}

void StationWindow::createLogWhenMissing() {
    const std::string& callsign = context_.state.stationCallsign;
    if (context_.log.logExists()) {
        storeStationCallsign(context_.services.settings, QString::fromStdString(callsign));
        return;
    }
    // A log that cannot be created shows up when it is loaded below, in the error dialog.
    context_.log.Cree_Log();
    storeStationCallsign(context_.services.settings, QString::fromStdString(callsign));
    StationSettings(context_.services.settings, callsign).startNewStation();
}

void StationWindow::validate() {
    // The validator keeps out what Windows-1252 cannot hold, so the conversion always succeeds.
    const std::string candidate =
        toUpperCp1252(toCp1252(New_Indicatif_->text()).value_or(std::string()));
    if (refuse(candidate)) {
        return;
    }
    context_.state.stationCallsign = candidate;
    host_.showStationBanner(QString::fromStdString(candidate));
    createLogWhenMissing();
    host_.showStationBanner(
        QString::fromStdString(bannerCallsign(storedStationCallsign(context_.services.settings))));
    host_.restoreBandAndMode();
    context_.log.Charge_Log();
    close();
}

}  // namespace orv
