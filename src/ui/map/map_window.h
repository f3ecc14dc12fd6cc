#pragma once
// The departement map window "Carte_Acti_PC": the map with each departement coloured by what the
// log holds for it (Colore_Carte), and beside it how many departements are contacted, confirmed,
// unconfirmed and not contacted. Coloured once, when the window opens.

#include <QDialog>

#include "ui/context/window_context.h"

namespace orv {

class DepartementMapView;

class MapWindow final : public QDialog {
    Q_OBJECT

public:
    explicit MapWindow(WindowContext& context);

    DepartementMapView& mapView() const { return *map_; }

private:
    DepartementMapView* map_ = nullptr;
};

}  // namespace orv
