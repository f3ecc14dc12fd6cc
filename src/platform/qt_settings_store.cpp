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
    store.setValue(section + u'/' + key, value);
    store.sync();
}

}  // namespace orv
