#pragma once
// The actions on logged QSOs: a click on the list (or a move with its arrow keys) shows a QSO, a
// double click opens it for modification, "Supprimer un QSO" removes it, "Inserer un QSO" starts a
// QSO placed by its date, and "Valider le QSO" commits what the entry fields hold. Only the
// operator chooses a QSO: a reload of the list or the focus coming to it chooses none.

#include <QObject>

#include "model/log_line.h"
#include "ui/context/window_context.h"
#include "ui/main/entry_operations.h"
#include "ui/main/main_widgets.h"

namespace orv {

class LogListModel;

class LogListActions final : public QObject {
public:
    LogListActions(MainWidgets& widgets, const LogListModel& rows, WindowContext& context,
                   EntryOperations& entry);

    // Selects a row as a click on it would (nothing for a row that is not in the list).
    void selectRow(int row);
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
    void forgetSelection();

    MainWidgets& w_;
    const LogListModel& rows_;
    WindowContext& context_;
    ProgramState& state_;
    EntryOperations& entry_;
};

}  // namespace orv
