#include "ui/station_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "entry/station_rules.h"
#include "model/cp1252.h"
#include "model/log_line.h"
#include "model/safe_file_write.h"
#include "ui/cp1252_validator.h"
#include "ui/field_colours.h"
#include "ui/station_settings.h"
#include "ui/text_codec.h"
#include "ui/window_placement.h"

namespace orv {

namespace {

const QString kTitle = QStringLiteral("Selection Indicatif");
const QString kFrameCaption = QStringLiteral("Indicatif de la Station");
const QString kCallsignCaption = QStringLiteral("Indicatif");
const QString kSlashNote = QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'");
const QString kValidate = QStringLiteral("Validez");

QLabel* namedLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

StationWindow::StationWindow(Services& services, ProgramState& state, StationHost& host,
                             QWidget* parent)
    : QDialog(parent), services_(services), state_(state), host_(host) {
    setObjectName(QStringLiteral("Station"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame1 = new QGroupBox;
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(namedLabel("Label2", kFrameCaption), 0, Qt::AlignHCenter);

    auto* frame2 = new QGroupBox;
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* frame2Layout = new QVBoxLayout(frame2);
    New_Indicatif_ = new EntryLineEdit;
    New_Indicatif_->setObjectName(QStringLiteral("New_Indicatif"));
    New_Indicatif_->setValidator(new Cp1252Validator(New_Indicatif_));
    setFieldColour(New_Indicatif_, kLightGreen);
    QFont bold = New_Indicatif_->font();
    bold.setBold(true);
    New_Indicatif_->setFont(bold);
    New_Indicatif_->beforeKey = [this](const QKeyEvent& event) { return onKey(event); };
    QLabel* note = namedLabel("Label5", kSlashNote);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    note->setPalette(red);
    frame2Layout->addWidget(namedLabel("Label3", kCallsignCaption));
    frame2Layout->addWidget(New_Indicatif_);
    frame2Layout->addWidget(note);

    Validation_ = new QPushButton(kValidate);
    Validation_->setObjectName(QStringLiteral("Validation"));
    Validation_->setAutoDefault(true);
    connect(Validation_, &QPushButton::clicked, this, &StationWindow::validate);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(Validation_, 0, Qt::AlignHCenter);

    adjustSize();
    centreOnScreen(*this);
    state_.stationCallsign = storedStationCallsign(services_.settings);
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
    services_.messages.inform(this, fromUtf8(refusal->message));
    if (refusal->emptiesBox) {
        New_Indicatif_->clear();
    }
    return true;
}

void StationWindow::createLogWhenMissing(const std::string& callsign) {
    std::error_code error;
    if (std::filesystem::exists(logPath(services_.dataFolder, callsign), error)) {
        storeStationCallsign(services_.settings, QString::fromStdString(callsign));
        return;
    }
    // A log that cannot be created shows up when it is loaded below, in the error dialog.
    createEmptyFile(logPath(services_.dataFolder, callsign));
    storeStationCallsign(services_.settings, QString::fromStdString(callsign));
    StationSettings(services_.settings, callsign).startNewStation();
}

void StationWindow::validate() {
    // The validator keeps out what Windows-1252 cannot hold, so the conversion always succeeds.
    const std::string candidate =
        toUpperCp1252(toCp1252(New_Indicatif_->text()).value_or(std::string()));
    if (refuse(candidate)) {
        return;
    }
    state_.stationCallsign = candidate;
    host_.showStationBanner(QString::fromStdString(candidate));
    createLogWhenMissing(candidate);
    host_.showStationBanner(
        QString::fromStdString(bannerCallsign(storedStationCallsign(services_.settings))));
    host_.restoreBandAndMode();
    host_.Charge_Log();
    close();
}

}  // namespace orv
