#pragma once
// The choices kept per station in the settings store, read and written by the windows.

#include <QString>
#include <string>
#include <string_view>

#include "entry/startup_settings.h"
#include "platform/settings_store.h"

namespace orv {

class StationSettings {
public:
    StationSettings(SettingsStore& store, std::string_view callsign);

    // Indexes in the band and mode lists; a hand-edited value out of the list reads as 0.
    int bandIndex(int bandCount) const;
    int modeIndex(int modeCount) const;
    void saveBandIndex(int index);
    void saveModeIndex(int index);
    DateModeSetting dateMode() const;
    void saveDateAuto(bool automatic);
    void saveRevision(const QString& revision);
    // The revision of the reference list seen at the station's last update (Windows-1252).
    std::string listRevision() const;
    void saveListRevision(const std::string& revision);
    // A station chosen for the first time starts on the first band and the first mode.
    void startNewStation();

private:
    QString read(const QString& key, const QString& fallback) const;
    void write(const QString& key, const QString& value);

    SettingsStore& store_;
    QString section_;
};

// The station to open at start-up, "FXXXX" when none was chosen yet or the stored value is no
// valid callsign (stationFromSetting).
std::string storedStationCallsign(const SettingsStore& store);
void storeStationCallsign(SettingsStore& store, const QString& callsign);

}  // namespace orv
