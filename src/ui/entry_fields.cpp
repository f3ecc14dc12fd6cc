#include "ui/entry_fields.h"

#include "ui/text_codec.h"

namespace orv {

std::string cp1252Text(const QString& text) {
    return toCp1252(text).value_or(std::string());
}

LogRecord enteredRecord(const MainWidgets& w) {
    LogRecord record;
    record.callsign = cp1252Text(w.Ind_A->text());
    record.departement = cp1252Text(w.Dpt_A->text());
    record.firstName = cp1252Text(w.Prenom_A->text());
    record.reference = cp1252Text(w.Ref_A->text());
    record.date = cp1252Text(w.Date_A->text());
    record.time = cp1252Text(w.Heure_A->text());
    record.mode = cp1252Text(w.Mode_A->currentText());
    record.band = cp1252Text(w.Bande_A->currentText());
    record.reportReceived = cp1252Text(w.RST_A->text());
    record.reportSent = cp1252Text(w.RSTE_A->text());
    record.siteName = cp1252Text(w.Rem_A->text());
    record.qslReceived = w.QSL_A->isChecked();
    return record;
}

void showRecord(MainWidgets& w, const LogRecord& record) {
    w.Ind_A->setText(fromCp1252(record.callsign));
    w.Dpt_A->setText(fromCp1252(record.departement));
    w.Prenom_A->setText(fromCp1252(record.firstName));
    w.Ref_A->setText(fromCp1252(record.reference));
    w.Date_A->setText(fromCp1252(record.date));
    w.Heure_A->setText(fromCp1252(record.time));
    w.Mode_A->setEditText(fromCp1252(record.mode));
    w.Bande_A->setEditText(fromCp1252(record.band));
    w.RST_A->setText(fromCp1252(record.reportReceived));
    w.RSTE_A->setText(fromCp1252(record.reportSent));
    w.Rem_A->setText(fromCp1252(record.siteName));
    w.QSL_A->setChecked(record.qslReceived);
}

QWidget* fieldWidget(const MainWidgets& w, EntryField field) {
    switch (field) {
        case EntryField::Ind_A:
            return w.Ind_A;
        case EntryField::Prenom_A:
            return w.Prenom_A;
        case EntryField::Ref_A:
            return w.Ref_A;
        case EntryField::Dpt_A:
            return w.Dpt_A;
        case EntryField::Date_A:
            return w.Date_A;
        case EntryField::Heure_A:
            return w.Heure_A;
        case EntryField::Mode_A:
            return w.Mode_A;
        case EntryField::Bande_A:
            return w.Bande_A;
        case EntryField::RST_A:
            return w.RST_A;
        case EntryField::RSTE_A:
            return w.RSTE_A;
        case EntryField::Rem_A:
            return w.Rem_A;
    }
    return w.Ind_A;
}

}  // namespace orv
