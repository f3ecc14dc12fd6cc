#include "ui/context/station_settings.h"

#include "entry/startup_settings.h"
#include "entry/station_rules.h"
#include "net/list_revision.h"
#include "platform/settings_keys.h"
#include "ui/kit/text_codec.h"

namespace orv {

StationSettings::StationSettings(SettingsStore& store, std::string_view callsign)
    : store_(store), section_(settings::stationSection(callsign)) {}

QString StationSettings::read(const QString& key, const QString& fallback) const {
    return store_.value(settings::kApplication, section_, key, fallback);
}

void StationSettings::write(const QString& key, const QString& value) {
    store_.setValue(settings::kApplication, section_, key, value);
}

int StationSettings::bandIndex(int bandCount) const {
    return listIndexFromSetting(read(settings::kBandKey, "0").toStdString(), bandCount);
}

int StationSettings::modeIndex(int modeCount) const {
    return listIndexFromSetting(read(settings::kModeKey, "0").toStdString(), modeCount);
}

void StationSettings::saveBandIndex(int index) {
    write(settings::kBandKey, QString::number(index));
}

void StationSettings::saveModeIndex(int index) {
    write(settings::kModeKey, QString::number(index));
}

DateModeSetting StationSettings::dateMode() const {
    return dateModeFromSetting(
        read(settings::kDateAutoKey, fromUtf8(dateModeSetting(true))).toStdString());
}

void StationSettings::saveDateAuto(bool automatic) {
    write(settings::kDateAutoKey, fromUtf8(dateModeSetting(automatic)));
}

void StationSettings::saveRevision(const QString& revision) {
    write(settings::kRevisionKey, revision);
}

std::string StationSettings::listRevision() const {
    return toCp1252(read(settings::kListRevisionKey, fromUtf8(kDefaultRevision)))
        .value_or(std::string(kDefaultRevision));
}

void StationSettings::saveListRevision(const std::string& revision) {
    write(settings::kListRevisionKey, fromCp1252(revision));
}

void StationSettings::startNewStation() {
    write(settings::kBandKey, "0");
    write(settings::kModeKey, "0");
}

std::string storedStationCallsign(const SettingsStore& store) {
    const std::optional<std::string> stored =
        toCp1252(store.value(settings::kApplication, settings::kGlobalSection,
                             settings::kStationKey, fromUtf8(kNoStation)));
    return stationFromSetting(stored.value_or(std::string()));
}

void storeStationCallsign(SettingsStore& store, const QString& callsign) {
    store.setValue(settings::kApplication, settings::kGlobalSection, settings::kStationKey,
                   callsign);
}

}  // namespace orv
