#pragma once

#include "platform/settings_store.h"

namespace orv {

// INI files in the per-user configuration folder: ORV_PC/PC.ini and ORV_PC/Tessal.ini, one per
// application name.
class QtSettingsStore final : public SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key,
                  const QString& fallback) const override;
    // Written to disk at once: the program may end through the error dialog right after.
    void setValue(const QString& application, const QString& section, const QString& key,
                  const QString& value) override;
};

}  // namespace orv
