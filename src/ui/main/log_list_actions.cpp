#include "ui/main/log_list_actions.h"

#include <QEvent>

#include "entry/commit.h"
#include "entry/entry_messages.h"
#include "model/contact_memory.h"
#include "model/cp1252.h"
#include "model/file_error_text.h"
#include "ui/context/station_settings.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/main/entry_field_table.h"
#include "ui/main/log_list_model.h"
#include "ui/main/main_texts.h"

namespace orv {
namespace {

// The keys with which the operator moves through the list on purpose.
bool isListMoveKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

LogListActions::LogListActions(MainWidgets& widgets, const LogListModel& rows,
                               WindowContext& context, EntryOperations& entry)
    : w_(widgets), rows_(rows), context_(context), state_(context.state), entry_(entry) {
    LogListView* list = w_.Liste_PC;
    connect(list, &QListView::clicked, this,
            [this](const QModelIndex& index) { onRowClicked(index.row()); });
    list->afterKey = [this, list](const QKeyEvent& event) {
        if (isListMoveKey(event) && list->currentIndex().isValid()) {
            onRowClicked(list->currentIndex().row());
        }
    };
    // Entrée on a row is the keyboard's double click: an operator without a mouse opens the QSO
    // for modification (to record a received QSL) on the row the arrow keys reached.
    list->beforeKey = [this, list](const QKeyEvent& event) {
        if (!isEnterKey(event)) {
            return KeyAction::pass();
        }
        if (list->currentIndex().isValid()) {
            onRowClicked(list->currentIndex().row());
        }
        onListDoubleClicked();
        return KeyAction::swallow();
    };
    list->viewport()->installEventFilter(this);
    connect(&context_.log, &LogService::rewritten, this, &LogListActions::selectLastRow);
    connect(w_.Annule_Saisie, &QPushButton::clicked, this, &LogListActions::onDelete);
    connect(w_.Ajout_QSO, &QPushButton::clicked, this, &LogListActions::onInsert);
    connect(w_.Valide_A, &QPushButton::clicked, this, &LogListActions::onCommit);
}

bool LogListActions::eventFilter(QObject* watched, QEvent* event) {
    // A double click anywhere on the list, a row or the empty part below the rows, edits the
    // selected QSO.
    if (event->type() == QEvent::MouseButtonDblClick) {
        onListDoubleClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void LogListActions::selectRow(int row) {
    if (row < 0 || row >= rows_.count()) {
        return;
    }
    w_.Liste_PC->setCurrentIndex(rows_.index(row));
    onRowClicked(row);
}

void LogListActions::forgetSelection() {
    state_.selectedLogLine.clear();
    state_.selectedFileLine.clear();
    w_.Annule_Saisie->setEnabled(false);
}

void LogListActions::selectLastRow() {
    selectRow(rows_.count() - 1);
}

void LogListActions::onRowClicked(int row) {
    if (state_.modifying() || row < 0 || row >= rows_.count()) {
        return;
    }
    state_.selectedLogLine = rows_.row(row);
    state_.selectedFileLine = rows_.line(row);
    w_.Annule_Saisie->setEnabled(true);
    showRecord(w_, readLogLine(state_.selectedFileLine).record);
    w_.Ind_A->setEnabled(false);
}

void LogListActions::onListDoubleClicked() {
    if (state_.modifying()) {
        return;
    }
    if (state_.selectedLogLine.empty()) {
        context_.services.messages.inform(w_.Liste_PC->window(), fromUtf8(msg::kClickToEdit));
        return;
    }
    state_.entryMode = EntryMode::Modification;
    enableEntryFields(w_);
    showEntryMode(w_, main_text::kModifyQso);
    showRecord(w_, readLogLine(state_.selectedFileLine).record);
    setFieldColour(w_.Ind_A, kLightGreen);
    w_.Ind_A->setFocus();
}

void LogListActions::onDelete() {
    QWidget* window = w_.Liste_PC->window();
    if (state_.selectedLogLine.empty()) {
        context_.services.messages.inform(window, fromUtf8(msg::kClickToDelete));
        return;
    }
    if (context_.services.messages.ask(window, fromUtf8(msg::kConfirmDelete)) &&
        context_.log.Supprime_Ligne(state_.selectedFileLine) == WriteOutcome::Ending) {
        return;
    }
    w_.Annule_Saisie->setEnabled(false);
    entry_.Init_Saisie();
}

void LogListActions::onInsert() {
    // A QSO shown by a click (its callsign field disabled) is not the start of the new one: the
    // fields are emptied first, so that none of its texts is typed over or logged with it.
    if (!state_.modifying() && !w_.Ind_A->isEnabled()) {
        entry_.Init_Saisie();
    }
    // A QSO being modified still replaces its line when committed; only the caption changes.
    if (!state_.modifying()) {
        state_.entryMode = EntryMode::Insertion;
    }
    showEntryMode(w_, main_text::kInsertQso);
    w_.Ind_A->setFocus();
}

bool LogListActions::refusedForTheLog(const LogRecord& record) {
    const std::optional<CommitRefusal> refusal = checkCommit(record);
    if (!refusal) {
        return false;
    }
    context_.services.messages.inform(w_.Liste_PC->window(), fromUtf8(refusal->message));
    QWidget* field = fieldWidget(w_, refusal->field);
    readyField(field);
    field->setFocus();
    return true;
}

WriteOutcome LogListActions::writeCommitted(const std::string& line) {
    switch (chooseRewrite(state_.entryMode, entry_.automaticDate())) {
        case RewriteChoice::Replace:
            return context_.log.Remplace_Ligne(line, state_.selectedFileLine);
        case RewriteChoice::Append:
            return context_.log.Ajoute_Ligne(line);
        case RewriteChoice::Insert:
            break;
    }
    return context_.log.Insere_Ligne(line);
}

void LogListActions::onCommit() {
    LogRecord record = enteredRecord(w_);
    if (refusedForTheLog(record)) {
        return;
    }
    QWidget* window = w_.Liste_PC->window();
    if (context_.services.messages.ask(window, fromUtf8(msg::kConfirmCommit))) {
        record.firstName = toUpperCp1252(record.firstName);
        w_.Prenom_A->setText(fromCp1252(record.firstName));
        const std::error_code memoryError =
            Maj_Prenom(context_.log.files().firstNames(),
                       firstNameKey(record.callsign, record.departement, record.firstName));
        if (memoryError) {
            context_.services.messages.inform(window, main_text::kFirstNamesNotWritten.arg(
                                                          fromUtf8(fileErrorReason(memoryError))));
        }
        record.siteName = siteNameAfterCommit(record.siteName);
        w_.Rem_A->setText(fromCp1252(record.siteName));
        // A QSO that could not be written stays in the fields, so that nothing typed is lost. The
        // line is always there: every value too long for its columns was refused above.
        const std::optional<std::string> line = formatLogLine(record);
        if (!line || writeCommitted(*line) != WriteOutcome::Written) {
            return;
        }
    }
    returnToNewQso();
}

void LogListActions::returnToNewQso() {
    selectLastRow();
    // After a modification the locked list did not take the last row as a click: the modified QSO
    // is no longer shown, so "Supprimer un QSO" waits for a new click instead of deleting a QSO
    // that is not the highlighted row.
    if (state_.modifying()) {
        forgetSelection();
    }
    state_.entryMode = EntryMode::NewQso;
    showEntryMode(w_, main_text::kNewQso);
    w_.Valide_A->setEnabled(false);
    resetEntryFields(w_, EntryReset::Committed,
                     StationSettings(context_.services.settings, state_.stationCallsign),
                     entry_.automaticDate());
}

}  // namespace orv
