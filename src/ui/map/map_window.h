#pragma once
// The departement map window "Carte_Acti_PC": the map with each departement coloured by what the
// log holds for it (Colore_Carte), and beside it how many departements are contacted, confirmed,
// unconfirmed and not contacted. Coloured once, when the window opens. Each departement tells, as
// its tool tip and to a screen reader, how many of the list's sites there the log worked; a double
// click on it opens its "Patrimoines à contacter".

#include <QDialog>
#include <functional>
#include <string>

#include "ui/context/window_context.h"

namespace orv {

class DepartementMapView;

class MapWindow final : public QDialog {
    Q_OBJECT

public:
    // openSitesToWork opens "Patrimoines à contacter" set to a departement ("89", "2a").
    MapWindow(WindowContext& context,
              std::function<void(const std::string& departement)> openSitesToWork);

    DepartementMapView& mapView() const { return *map_; }

private:
    DepartementMapView* map_ = nullptr;
};

}  // namespace orv
