#include "ui/main/entry_field_table.h"

#include <array>
#include <variant>

#include "ui/context/station_settings.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/main/main_texts.h"

namespace orv {
namespace {

const QString kDefaultReport = QStringLiteral("59");
const QString kSiteNameAfterCommit = QStringLiteral("C. ");

// What a field holds when the entry waits for a new QSO.
enum class Value {
    Empty,                // an empty text, an unchecked box
    DefaultReport,        // "59"
    StationBand,          // the band kept for the station
    StationMode,          // the mode kept for the station
    DateKeptWhenManual,   // with the manual date, the date of the last QSO, ready for the next one
    SiteNameAfterCommit,  // "C. "
};

// How a field looks when the entry waits for a new QSO.
enum class Look {
    Waiting,     // enabled and light green: the field waiting for input
    Ahead,       // disabled and light yellow: a field not reached yet
    AlwaysOpen,  // light yellow, its enabled state left: the band is chosen at any time
    Closed,      // disabled, its colour left: the QSL box
};

using RecordValue = std::variant<std::string LogRecord::*, bool LogRecord::*>;

struct EntryFieldRow {
    EntryField field;
    QWidget* widget;
    RecordValue value;
    Value reset;        // after Init_Saisie
    Value afterCommit;  // after "Valider le QSO"
    Look look;
    bool cancelKeepsLook;  // Init_Saisie leaves its enabled state and colour
};

using Rows = std::array<EntryFieldRow, 12>;

Rows entryFieldRows(const MainWidgets& w) {
    using F = EntryField;
    using V = Value;
    using L = Look;
    using R = LogRecord;
    return {{
        {F::Bande_A, w.Bande_A, &R::band, V::StationBand, V::StationBand, L::AlwaysOpen, true},
        {F::Ind_A, w.Ind_A, &R::callsign, V::Empty, V::Empty, L::Waiting, false},
        {F::Prenom_A, w.Prenom_A, &R::firstName, V::Empty, V::Empty, L::Ahead, false},
        {F::Ref_A, w.Ref_A, &R::reference, V::Empty, V::Empty, L::Ahead, false},
        {F::Dpt_A, w.Dpt_A, &R::departement, V::Empty, V::Empty, L::Ahead, false},
        {F::Date_A, w.Date_A, &R::date, V::Empty, V::DateKeptWhenManual, L::Ahead, false},
        {F::Heure_A, w.Heure_A, &R::time, V::Empty, V::Empty, L::Ahead, false},
        {F::Mode_A, w.Mode_A, &R::mode, V::StationMode, V::StationMode, L::Ahead, false},
        {F::RST_A, w.RST_A, &R::reportReceived, V::DefaultReport, V::DefaultReport, L::Ahead,
         false},
        {F::RSTE_A, w.RSTE_A, &R::reportSent, V::DefaultReport, V::DefaultReport, L::Ahead, false},
        {F::Rem_A, w.Rem_A, &R::siteName, V::Empty, V::SiteNameAfterCommit, L::Ahead, false},
        {F::QSL_A, w.QSL_A, &R::qslReceived, V::Empty, V::Empty, L::Closed, true},
    }};
}

// The text a line or a drop-down list shows.
QString shownText(const QWidget* field) {
    if (const auto* list = qobject_cast<const QComboBox*>(field)) {
        return list->currentText();
    }
    return qobject_cast<const QLineEdit*>(field)->text();
}

void showText(QWidget* field, const QString& text) {
    if (auto* list = qobject_cast<QComboBox*>(field)) {
        list->setEditText(text);
        return;
    }
    qobject_cast<QLineEdit*>(field)->setText(text);
}

void readValue(const QWidget* field, std::string LogRecord::*value, LogRecord& record) {
    record.*value = cp1252Text(shownText(field));
}

void readValue(const QWidget* field, bool LogRecord::*value, LogRecord& record) {
    record.*value = qobject_cast<const QCheckBox*>(field)->isChecked();
}

void showValue(QWidget* field, std::string LogRecord::*value, const LogRecord& record) {
    showText(field, fromCp1252(record.*value));
}

void showValue(QWidget* field, bool LogRecord::*value, const LogRecord& record) {
    qobject_cast<QCheckBox*>(field)->setChecked(record.*value);
}

void empty(QWidget* field) {
    if (auto* box = qobject_cast<QCheckBox*>(field)) {
        box->setChecked(false);
        return;
    }
    qobject_cast<QLineEdit*>(field)->clear();
}

void selectStationChoice(QWidget* field, int (StationSettings::*index)(int) const,
                         const StationSettings& station) {
    auto* list = static_cast<EntryComboBox*>(field);
    list->selectIndex((station.*index)(list->count()));
}

void resetValue(QWidget* field, Value value, const StationSettings& station, bool automaticDate) {
    switch (value) {
        case Value::Empty:
            empty(field);
            return;
        case Value::DefaultReport:
            showText(field, kDefaultReport);
            return;
        case Value::StationBand:
            selectStationChoice(field, &StationSettings::bandIndex, station);
            return;
        case Value::StationMode:
            selectStationChoice(field, &StationSettings::modeIndex, station);
            return;
        case Value::DateKeptWhenManual:
            if (automaticDate) {
                empty(field);
            }
            return;
        case Value::SiteNameAfterCommit:
            showText(field, kSiteNameAfterCommit);
            return;
    }
}

void showLook(QWidget* field, Look look) {
    switch (look) {
        case Look::Waiting:
            readyField(field);
            return;
        case Look::Ahead:
            restField(field);
            return;
        case Look::AlwaysOpen:
            setFieldColour(field, kLightYellow);
            return;
        case Look::Closed:
            field->setEnabled(false);
            return;
    }
}

}  // namespace

void showDesignState(MainWidgets& w) {
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        showLook(row.widget, row.look);
        if (row.reset == Value::DefaultReport) {
            showText(row.widget, kDefaultReport);
        }
    }
}

void resetEntryFields(MainWidgets& w, EntryReset reset, const StationSettings& station,
                      bool automaticDate) {
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        const bool committed = reset == EntryReset::Committed;
        resetValue(row.widget, committed ? row.afterCommit : row.reset, station, automaticDate);
        if (committed || !row.cancelKeepsLook) {
            showLook(row.widget, row.look);
        }
        // What the last QSO's entry told a screen reader (the fields filled in) is forgotten.
        row.widget->setAccessibleDescription({});
    }
    w.Ind_A->setFocus();
}

LogRecord enteredRecord(const MainWidgets& w) {
    LogRecord record;
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        std::visit([&](auto value) { readValue(row.widget, value, record); }, row.value);
    }
    return record;
}

void showRecord(MainWidgets& w, const LogRecord& record) {
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        std::visit([&](auto value) { showValue(row.widget, value, record); }, row.value);
    }
}

void enableEntryFields(MainWidgets& w) {
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        openField(row.widget);
    }
    w.Valide_A->setEnabled(true);
}

void showEntryMode(MainWidgets& w, const QString& mode) {
    w.Mode_Aff->setText(mode);
    w.Ind_A->setAccessibleDescription(mode == main_text::kNewQso ? QString() : mode);
}

QWidget* fieldWidget(const MainWidgets& w, EntryField field) {
    for (const EntryFieldRow& row : entryFieldRows(w)) {
        if (row.field == field) {
            return row.widget;
        }
    }
    return w.Ind_A;
}

}  // namespace orv
