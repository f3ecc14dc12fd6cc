#include "platform/qt_settings_store.h"

#include <QSettings>

namespace orv {

namespace {

QSettings openStore(const QString& application) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ORV_PC"),
                     application);
}

}  // namespace

QString QtSettingsStore::value(const QString& application, const QString& section,
                               const QString& key, const QString& fallback) const {
    return openStore(application).value(section + u'/' + key, fallback).toString();
}

void QtSettingsStore::setValue(const QString& application, const QString& section,
                               const QString& key, const QString& value) {
    QSettings store = openStore(application);
    const QString path = section + u'/' + key;
    // The band and mode are saved on every key of their lists: a value already stored is not
    // written again, so a keystroke does not rewrite the settings file.
    if (store.contains(path) && store.value(path).toString() == value) {
        return;
    }
    store.setValue(path, value);
    store.sync();
}

}  // namespace orv
