#pragma once
// The QSO typed field by field: each field's own key handler turns letters into capitals, checks
// the field when Enter is pressed and, once it is accepted, hands the focus to the next field. The
// green field is always the one waiting for input.

#include <QObject>
#include <functional>

#include "entry/field_checks.h"
#include "ui/context/window_context.h"
#include "ui/main/entry_operations.h"
#include "ui/main/main_widgets.h"

namespace orv {

class EntryChain final : public QObject {
public:
    EntryChain(MainWidgets& widgets, WindowContext& context, EntryOperations& entry);

private:
    // A field whose letters are typed as capitals and whose Enter, once the check passes, moves
    // on to next.
    void hookCapitalField(EntryLineEdit* field, EntryField check, QWidget* next);
    // A field typed as it comes, which handles Enter only.
    void hookEnterOnly(EntryLineEdit* field, const std::function<void()>& onEnter);
    // A drop-down list that can also be typed into; outside a modification its choice is kept
    // for the station.
    void hookListField(EntryComboBox* field, EntryField check,
                       const std::function<void()>& onAccepted,
                       const std::function<void(int)>& saveChoice);

    KeyAction onCallsignKey(const QKeyEvent& event);
    KeyAction onQslKey(const QKeyEvent& event);
    bool refused(EntryField field, const QString& text);
    void accept(QWidget* field, QWidget* next);
    void onCallsignEnter();
    void onReferenceEnter();
    void onDepartementEnter();
    bool refusedAsAlreadyContacted(const std::string& reference);
    void moveToDateOrMode();
    void tellFilledFields(QWidget* next);
    void Cherche_Prenom();

    MainWidgets& w_;
    WindowContext& context_;
    ProgramState& state_;
    EntryOperations& entry_;
};

}  // namespace orv
