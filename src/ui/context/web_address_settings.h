#pragma once
// The web addresses kept in the settings store (PC.ini, group "Adresses").

#include <QString>

#include "net/web_address.h"
#include "platform/settings_store.h"

namespace orv {

// The stored address, or its default when none is stored.
QString addressSetting(const SettingsStore& store, const AddressSetting& setting);

// Stores an address (already checked) in place of the setting's value.
void saveAddressSetting(SettingsStore& store, const AddressSetting& setting,
                        const QString& address);

// Writes the default of every address not stored yet, so that the operator finds them in PC.ini.
void writeDefaultAddresses(SettingsStore& store);

}  // namespace orv
