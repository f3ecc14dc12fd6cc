#include "ui/context/web_address_settings.h"

#include "platform/settings_keys.h"
#include "ui/kit/text_codec.h"

namespace orv {
namespace {

const QString kSection = fromUtf8(kAddressSection);

}  // namespace

QString addressSetting(const SettingsStore& store, const AddressSetting& setting) {
    return store.value(settings::kApplication, kSection, fromUtf8(setting.key),
                       fromUtf8(setting.defaultAddress));
}

void saveAddressSetting(SettingsStore& store, const AddressSetting& setting,
                        const QString& address) {
    store.setValue(settings::kApplication, kSection, fromUtf8(setting.key), address);
}

void writeDefaultAddresses(SettingsStore& store) {
    for (const AddressSetting& setting : kAddressSettings) {
        if (store.value(settings::kApplication, kSection, fromUtf8(setting.key), {}).isEmpty()) {
            saveAddressSetting(store, setting, fromUtf8(setting.defaultAddress));
        }
    }
}

}  // namespace orv
