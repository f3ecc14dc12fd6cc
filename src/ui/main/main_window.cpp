#include "ui/main/main_window.h"

#include <QAccessible>
#include <QCloseEvent>

#include "entry/entry_messages.h"
#include "platform/settings_keys.h"
#include "ui/context/station_settings.h"
#include "ui/context/web_address_settings.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/window_placement.h"
#include "ui/main/clock_display.h"
#include "ui/main/entry_chain.h"
#include "ui/main/entry_field_table.h"
#include "ui/main/log_list_actions.h"
#include "ui/main/log_list_model.h"
#include "ui/main/main_texts.h"
#include "ui/tools/error_dialog.h"

namespace orv {

MainWindow::MainWindow(Services& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      log_(services.dataFolder, state_, services.messages),
      context_{services, state_, log_, this},
      w_(buildMainWidgets(*this)) {
    setObjectName(QStringLiteral("Main"));
    log_.setMessageParent(this);
    connect(&log_, &LogService::loadFailed, this, &MainWindow::explainLoadFailure);
    // Charge_Log leaves the callsign field open for the next QSO.
    connect(&log_, &LogService::changed, this, [this] { w_.Ind_A->setEnabled(true); });
    listModel_ = new LogListModel(log_, this);
    w_.Liste_PC->setModel(listModel_);
    clock_ = new ClockDisplay(services_.clock, w_.Timer1, w_.Label37, w_.Label34, w_.Label33);
    listActions_ = std::make_unique<LogListActions>(w_, *listModel_, context_, *this);
    entryChain_ = std::make_unique<EntryChain>(w_, context_, *this);
    routes_ = new MainMenuRoutes(w_, context_, *this);
    connect(w_.Efface_A, &QPushButton::clicked, this, &MainWindow::Init_Saisie);
    resize(1010, 720);
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    centreOnScreen(*this);
    clock_->start();
    state_.stationCallsign = storedStationCallsign(services_.settings);
    if (!state_.hasStation()) {
        services_.messages.inform(this, fromUtf8(msg::kFirstInstallation));
        routes_->openStationWindow(true);
        if (services_.programEnd.ending()) {
            return;
        }
    }
    showStationBanner(QString::fromStdString(bannerCallsign(state_.stationCallsign)));
    restoreBandAndMode();
    applyDateModeSetting();
    services_.settings.setValue(settings::kApplication, settings::kGlobalSection,
                                settings::kFolderKey,
                                QString::fromStdU16String(services_.dataFolder.u16string()));
    writeDefaultAddresses(services_.settings);
    state_.entryMode = EntryMode::NewQso;
    show();
    w_.Ind_A->setEnabled(true);
    w_.Ind_A->setFocus();
    showEntryMode(w_, main_text::kNewQso);
    setWindowTitle(main_text::kTitlePrefix + main_text::kRevision);
    if (state_.hasStation() && !log_.Charge_Log()) {
        return;
    }
    listActions_->selectLastRow();
    StationSettings(services_.settings, state_.stationCallsign).saveRevision(main_text::kRevision);
    Init_Saisie();
}

void MainWindow::applyDateModeSetting() {
    const DateModeSetting mode =
        StationSettings(services_.settings, state_.stationCallsign).dateMode();
    if (mode == DateModeSetting::Unknown) {
        return;
    }
    w_.menus.Mnu_Date_Auto->setChecked(mode == DateModeSetting::Automatic);
    w_.menus.Mnu_Date_Man->setChecked(mode == DateModeSetting::Manual);
}

void MainWindow::chooseDateMode(bool automatic) {
    w_.menus.Mnu_Date_Auto->setChecked(automatic);
    w_.menus.Mnu_Date_Man->setChecked(!automatic);
    if (automatic) {
        w_.Date_A->clear();
    }
    StationSettings(services_.settings, state_.stationCallsign).saveDateAuto(automatic);
}

bool MainWindow::automaticDate() const {
    return w_.menus.Mnu_Date_Auto->isChecked();
}

void MainWindow::showStationBanner(const QString& text) {
    w_.I_Station->setText(text);
    // What the banner says, told by a screen reader with the title each time the window comes to
    // the front, so that the operator hears which station's log is open. It is part of the
    // window's name: Orca 48 says only a window's name when the keyboard enters it.
    const QString banner =
        QAccessible::queryAccessibleInterface(w_.I_Station)->text(QAccessible::Name);
    setAccessibleName(main_text::kTitlePrefix + main_text::kRevision + QStringLiteral(", ") +
                      banner);
}

void MainWindow::restoreBandAndMode() {
    const StationSettings settings(services_.settings, state_.stationCallsign);
    w_.Bande_A->selectIndex(settings.bandIndex(w_.Bande_A->count()));
    w_.Mode_A->selectIndex(settings.modeIndex(w_.Mode_A->count()));
}

void MainWindow::selectRow(int row) {
    listActions_->selectRow(row);
}

void MainWindow::explainLoadFailure(LogLoadStatus status, int errorNumber) {
    switch (status) {
        case LogLoadStatus::Missing:
            showMissingLogDialog();
            return;
        case LogLoadStatus::Unreadable:
            endAfterMessage(main_text::kLoadError + QString::number(errorNumber));
            return;
        case LogLoadStatus::TooManyLines:
            endAfterMessage(main_text::kTooManyLines.arg(fromCp1252(state_.stationCallsign)));
            return;
        case LogLoadStatus::Loaded:
            return;
    }
}

void MainWindow::showMissingLogDialog() {
    ErrorDialog dialog(services_, state_, this);
    dialog.setMissingFileSuffix(main_text::kMissingLogSuffix);
    dialog.exec();
}

void MainWindow::endAfterMessage(const QString& message) {
    services_.messages.inform(this, message);
    services_.programEnd.endProgram();
}

void MainWindow::Init_Saisie() {
    resetEntryFields(w_, EntryReset::Cancelled,
                     StationSettings(services_.settings, state_.stationCallsign), automaticDate());
    state_.entryMode = EntryMode::NewQso;
    w_.Annule_Saisie->setEnabled(false);
    w_.Valide_A->setEnabled(false);
    showEntryMode(w_, main_text::kNewQso);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Every QSO is already in its file: closing the main window ends the program at once.
    event->accept();
    services_.programEnd.endProgram();
}

}  // namespace orv
