#include "ui/main/entry_chain.h"

#include "entry/entry_messages.h"
#include "model/contact_memory.h"
#include "model/cp1252.h"
#include "model/reference_list.h"
#include "model/spoken_text.h"
#include "ui/context/station_settings.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/main/entry_field_table.h"
#include "ui/main/main_texts.h"

namespace orv {

namespace {

KeyAction capitalised(const QKeyEvent& event) {
    return mappedKey(event, typedCapital);
}

void lowerCaseText(QLineEdit* field) {
    field->setText(fromCp1252(toLowerCp1252(cp1252Text(field->text()))));
}

}  // namespace

EntryChain::EntryChain(MainWidgets& widgets, WindowContext& context, EntryOperations& entry)
    : w_(widgets), context_(context), state_(context.state), entry_(entry) {
    w_.Ind_A->beforeKey = [this](const QKeyEvent& event) { return onCallsignKey(event); };
    hookCapitalField(w_.Prenom_A, EntryField::Prenom_A, w_.Ref_A);
    hookEnterOnly(w_.Ref_A, [this] { onReferenceEnter(); });
    hookEnterOnly(w_.Dpt_A, [this] { onDepartementEnter(); });
    hookCapitalField(w_.Date_A, EntryField::Date_A, w_.Heure_A);
    hookCapitalField(w_.Heure_A, EntryField::Heure_A, w_.Mode_A);
    hookCapitalField(w_.RST_A, EntryField::RST_A, w_.RSTE_A);
    hookCapitalField(w_.RSTE_A, EntryField::RSTE_A, w_.Rem_A);
    hookCapitalField(w_.Rem_A, EntryField::Rem_A, w_.QSL_A);
    hookListField(
        w_.Mode_A, EntryField::Mode_A, [this] { accept(w_.Mode_A, w_.RST_A); },
        [this](int index) {
            StationSettings(context_.services.settings, state_.stationCallsign)
                .saveModeIndex(index);
        });
    hookListField(
        w_.Bande_A, EntryField::Bande_A,
        [this] {
            setFieldColour(w_.Bande_A, kLightYellow);
            setFieldColour(w_.Ind_A, kLightGreen);
            w_.Ind_A->setFocus();
        },
        [this](int index) {
            StationSettings(context_.services.settings, state_.stationCallsign)
                .saveBandIndex(index);
        });
    w_.QSL_A->beforeKey = [this](const QKeyEvent& event) { return onQslKey(event); };
}

void EntryChain::hookCapitalField(EntryLineEdit* field, EntryField check, QWidget* next) {
    field->beforeKey = [this, field, check, next](const QKeyEvent& event) {
        if (!isEnterKey(event)) {
            return capitalised(event);
        }
        if (!refused(check, field->text())) {
            accept(field, next);
        }
        return KeyAction::swallow();
    };
}

void EntryChain::hookEnterOnly(EntryLineEdit* field, const std::function<void()>& onEnter) {
    field->beforeKey = [onEnter](const QKeyEvent& event) {
        if (!isEnterKey(event)) {
            return KeyAction::pass();
        }
        onEnter();
        return KeyAction::swallow();
    };
}

void EntryChain::hookListField(EntryComboBox* field, EntryField check,
                               const std::function<void()>& onAccepted,
                               const std::function<void(int)>& saveChoice) {
    const auto keepChoice = [this, field, saveChoice] {
        if (!state_.modifying()) {
            saveChoice(field->textIndex());
        }
    };
    field->beforeKey = [this, field, check, onAccepted, keepChoice](const QKeyEvent& event) {
        if (!isEnterKey(event)) {
            return capitalised(event);
        }
        if (!refused(check, field->currentText())) {
            onAccepted();
            keepChoice();
        }
        return KeyAction::swallow();
    };
    field->afterKey = [keepChoice](const QKeyEvent&) { keepChoice(); };
    // A choice made with the mouse is kept too, so that the next QSO does not fall back to
    // another band or mode.
    connect(field, &QComboBox::activated, this, keepChoice);
}

KeyAction EntryChain::onCallsignKey(const QKeyEvent& event) {
    if (!state_.hasStation()) {
        if (!event.text().isEmpty()) {
            context_.services.messages.inform(w_.Ind_A->window(), fromUtf8(msg::kNoStationYet));
        }
        return KeyAction::pass();
    }
    if (!isEnterKey(event)) {
        return capitalised(event);
    }
    onCallsignEnter();
    return KeyAction::swallow();
}

KeyAction EntryChain::onQslKey(const QKeyEvent& event) {
    if (!isEnterKey(event)) {
        return KeyAction::pass();
    }
    setFieldColour(w_.QSL_A, kLightYellow);
    readyField(w_.Valide_A);
    w_.Valide_A->setFocus();
    return KeyAction::swallow();
}

bool EntryChain::refused(EntryField field, const QString& text) {
    const std::optional<std::string_view> message = checkOnEnter(field, cp1252Text(text));
    if (!message) {
        return false;
    }
    context_.services.messages.inform(w_.Ind_A->window(), fromUtf8(*message));
    return true;
}

void EntryChain::accept(QWidget* field, QWidget* next) {
    setFieldColour(field, kLightYellow);
    readyField(next);
    next->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(next)) {
        line->end(false);
    }
}

void EntryChain::onCallsignEnter() {
    if (refused(EntryField::Ind_A, w_.Ind_A->text())) {
        return;
    }
    Cherche_Prenom();
    accept(w_.Ind_A, w_.Prenom_A);
}

void EntryChain::Cherche_Prenom() {
    if (state_.modifying()) {
        return;
    }
    const std::optional<FirstNameMatch> match =
        orv::Cherche_Prenom(context_.log.files().firstNames(), cp1252Text(w_.Ind_A->text()));
    if (!match) {
        return;
    }
    openField(w_.Dpt_A);
    openField(w_.Prenom_A);
    w_.Prenom_A->setText(fromCp1252(match->firstName));
    if (match->departement == "  ") {
        w_.Dpt_A->clear();
    }
}

void EntryChain::onReferenceEnter() {
    lowerCaseText(w_.Ref_A);
    if (refused(EntryField::Ref_A, w_.Ref_A->text())) {
        return;
    }
    const std::string reference = cp1252Text(w_.Ref_A->text());
    if (!state_.modifying() && refusedAsAlreadyContacted(reference)) {
        return;
    }
    w_.Rem_A->setText(
        fromCp1252(Cherche_Nom_Patrimoine(context_.log.files().referenceList(), reference)));
    w_.Dpt_A->setText(fromCp1252(std::string_view(reference).substr(0, 2)));
    revealFilledField(w_.Dpt_A);
    moveToDateOrMode();
    w_.Rem_A->end(false);
}

bool EntryChain::refusedAsAlreadyContacted(const std::string& reference) {
    const std::optional<EarlierContact> earlier =
        Deja_Contacte(context_.log.files().log(), reference, cp1252Text(w_.Bande_A->currentText()));
    if (!earlier) {
        return false;
    }
    context_.services.messages.inform(
        w_.Ind_A->window(),
        fromUtf8(alreadyContactedMessage(reference, earlier->date, earlier->band)));
    w_.Ref_A->clear();
    entry_.Init_Saisie();
    return true;
}

void EntryChain::moveToDateOrMode() {
    setFieldColour(w_.Ref_A, kLightYellow);
    if (usesAutomaticDate(entry_.automaticDate(), state_.entryMode)) {
        // The date and time of the last clock tick, not a fresh reading.
        readyField(w_.Mode_A);
        w_.Date_A->setText(w_.Label33->text());
        w_.Heure_A->setText(w_.Label37->text().left(5));
        revealFilledField(w_.Date_A);
        revealFilledField(w_.Heure_A);
        tellFilledFields(w_.Mode_A);
        w_.Mode_A->setFocus();
        return;
    }
    readyField(w_.Date_A);
    tellFilledFields(w_.Date_A);
    w_.Date_A->setFocus();
}

// An operator who hears the program is told what it filled in, as the field the entry moves to
// is announced, so that a wrong date or site can be put right before the QSO is committed.
void EntryChain::tellFilledFields(QWidget* next) {
    const std::pair<QString, QLineEdit*> filled[] = {
        {main_text::kDepartementLabel, w_.Dpt_A},
        {main_text::kDateLabel, w_.Date_A},
        {main_text::kTimeLabel, w_.Heure_A},
        {main_text::kSiteNameTold, w_.Rem_A},
    };
    std::vector<ToldField> told;
    for (const auto& [caption, field] : filled) {
        if (field != next) {
            told.push_back({caption.toStdString(), field->text().toStdString()});
        }
    }
    next->setAccessibleDescription(QString::fromStdString(spokenFilledFields(told)));
}

void EntryChain::onDepartementEnter() {
    lowerCaseText(w_.Dpt_A);
    if (!refused(EntryField::Dpt_A, w_.Dpt_A->text())) {
        accept(w_.Dpt_A, w_.Ref_A);
    }
}

}  // namespace orv
