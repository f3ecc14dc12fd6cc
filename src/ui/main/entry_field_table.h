#pragma once
// The entry fields of the main window, described once in a table: the control of each field, the
// value of the QSO it holds, what it holds and how it looks when the entry waits for a new QSO.
// The two resets, the display of a logged QSO, the enabled states and the default reports all
// follow the table.

#include <QWidget>
#include <string>

#include "entry/field_checks.h"
#include "model/log_line.h"
#include "ui/main/main_widgets.h"

namespace orv {

class StationSettings;

// The entry fields in their design state: each in its look of a new QSO, the reports at "59".
void showDesignState(MainWidgets& w);

enum class EntryReset {
    Cancelled,  // Init_Saisie: "Annuler saisie en cours", a deletion, a site already contacted
    Committed,  // the end of "Valider le QSO", whatever the answer
};

// Empties the fields for a new QSO as the reset does it, selects the station's band and mode, and
// gives the focus to Ind_A.
void resetEntryFields(MainWidgets& w, EntryReset reset, const StationSettings& station,
                      bool automaticDate);

// What the entry fields hold, as the commit writes it.
LogRecord enteredRecord(const MainWidgets& w);

// Shows a QSO in the entry fields, leaving their enabled state as it is.
void showRecord(MainWidgets& w, const LogRecord& record);

// Opens every entry field and "Valider le QSO", for a logged QSO to be modified.
void enableEntryFields(MainWidgets& w);

QWidget* fieldWidget(const MainWidgets& w, EntryField field);

// Shows the entry mode ("Saisie QSO", "Modification QSO", "Insertion QSO"). A screen reader is
// told a modification or an insertion where it starts, on the callsign field.
void showEntryMode(MainWidgets& w, const QString& mode);

}  // namespace orv
