#pragma once
// The actions on logged QSOs: a click on the list shows a QSO, a double click opens it for
// modification, "Supprimer un QSO" removes it, "Inserer un QSO" starts a QSO placed by its date,
// and "Valider le QSO" commits what the entry fields hold.

#include <QObject>

#include "model/log_line.h"
#include "ui/log_operations.h"
#include "ui/main_widgets.h"
#include "ui/program_state.h"
#include "ui/services.h"

namespace orv {

class LogListModel;

class LogActions final : public QObject {
public:
    LogActions(MainWidgets& widgets, const LogListModel& rows, ProgramState& state,
               Services& services, LogOperations& operations);

    // Selects the last row as a click on it would (nothing when the list is empty).
    void selectLastRow();
    void onRowClicked(int row);
    void onListDoubleClicked();
    void onDelete();
    void onInsert();
    void onCommit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refusedForTheLog(const LogRecord& record);
    WriteOutcome writeCommitted(const std::string& line);
    void returnToNewQso();

    MainWidgets& w_;
    const LogListModel& rows_;
    ProgramState& state_;
    Services& services_;
    LogOperations& operations_;
    bool selectingByProgram_ = false;
};

}  // namespace orv
