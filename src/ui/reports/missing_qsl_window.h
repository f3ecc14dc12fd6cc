#pragma once
// The missing-QSL window "Multi_QSL": for a callsign (or part of one) typed by the operator, the
// QSOs of the main list whose QSL card has not come yet. Each search reads the main list as it
// stands, so QSOs logged or confirmed meanwhile are taken into account.

#include <QDialog>

#include "ui/context/window_context.h"
#include "ui/kit/key_hook.h"

class QLabel;
class QListView;
class QPushButton;

namespace orv {

class TextRowsModel;

class MissingQslWindow final : public QDialog {
    Q_OBJECT

public:
    explicit MissingQslWindow(WindowContext& context);

private:
    KeyAction onKey(const QKeyEvent& event);
    void search();

    WindowContext& context_;
    QLabel* Label2_ = nullptr;
    EntryLineEdit* Indicatif_ = nullptr;
    QPushButton* Recherche_ = nullptr;
    QListView* Liste_PC_ = nullptr;
    TextRowsModel* rows_ = nullptr;
};

}  // namespace orv
