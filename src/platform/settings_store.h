#pragma once
// The per-user settings store: text values by application, section and key.

#include <QString>

namespace orv {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& application, const QString& section, const QString& key,
                          const QString& fallback) const = 0;
    virtual void setValue(const QString& application, const QString& section, const QString& key,
                          const QString& value) = 0;
};

}  // namespace orv
