#pragma once
// "Changements de la liste des Patrimoines" ("Changements_Liste"): after an update of the
// reference list that put a list of another content in place, the sites it brought, renamed and
// withdrew, those the station's log holds marked, saved and printed as a report. When renamed
// sites are in the log, "Mettre à jour les noms du log" runs the site-names update. The window
// changes nothing by itself.

#include <QDialog>

#include "reports/list_changes.h"
#include "reports/report_texts.h"
#include "ui/context/window_context.h"

class QLabel;
class QListView;
class QPushButton;

namespace orv {

class TextRowsModel;

class ListChangesWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ListChangesWindow(WindowContext& context);

    // Shows what changed from the list before to the list after, the log read afresh.
    void showChanges(const ReferenceList& before, const ReferenceList& after);

private:
    ListChangesReport report() const;
    void save();
    void print();

    WindowContext& context_;
    ListChanges changes_;
    QLabel* Label2_ = nullptr;
    QLabel* Compt_C_ = nullptr;
    QListView* Liste_Changements_ = nullptr;
    TextRowsModel* rows_ = nullptr;
    QPushButton* Maj_Noms_ = nullptr;
};

}  // namespace orv
