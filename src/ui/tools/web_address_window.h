#pragma once
// The window "Adresses web" (menu Outils): the sites of the reference list, the cluster and the
// rules page, each in its field with its current value. "Enregistrer" checks the three and saves
// them only when all are addresses; the next download and web window use them at once, since each
// reads its setting when it fetches.

#include <QDialog>
#include <array>

#include "ui/context/window_context.h"

class QLineEdit;

namespace orv {

class WebAddressWindow final : public QDialog {
    Q_OBJECT

public:
    explicit WebAddressWindow(WindowContext& context);

private:
    void save();

    WindowContext& context_;
    std::array<QLineEdit*, 3> fields_{};  // in the order of kAddressSettings
};

}  // namespace orv
