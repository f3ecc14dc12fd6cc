#pragma once
// Where each choice lives in the settings store: application, section and key, exactly as stored.

#include <QString>
#include <string_view>

namespace orv::settings {

inline const QString kApplication = QStringLiteral("PC");
inline const QString kClusterApplication = QStringLiteral("Tessal");

// Global choices; the blank at the end is part of the section name.
inline const QString kGlobalSection = QStringLiteral("Setup ");

inline const QString kStationKey = QStringLiteral("Indicatif Station");
inline const QString kFolderKey = QStringLiteral("Chemin Repertoire");
inline const QString kBandKey = QStringLiteral("bande Utilisee");
inline const QString kModeKey = QStringLiteral("Mode Utilise");
inline const QString kDateAutoKey = QStringLiteral("Date Auto");
inline const QString kRevisionKey = QStringLiteral("Rèvision");
inline const QString kListRevisionKey = QStringLiteral("Revision_Liste_PC");
// Under kClusterApplication, which a sibling program shares.
inline const QString kClusterBandKey = QStringLiteral("bande Cluster");

// The section of one station's own choices: "Setup " followed directly by its callsign.
inline QString stationSection(std::string_view callsign) {
    return kGlobalSection + QString::fromLatin1(callsign.data(), qsizetype(callsign.size()));
}

}  // namespace orv::settings
