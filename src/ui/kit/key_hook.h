#pragma once
// Entry widgets whose key presses go first to a handler of the window, as each field's own key
// handler: it sees the key before the field does and may let it through, replace the character it
// types, or keep it from the field; a second handler runs once the field has taken the key.

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <functional>
#include <type_traits>

namespace orv {

struct KeyAction {
    enum Kind { Pass, Replace, Swallow };
    Kind kind = Pass;
    QString text;  // the character typed instead, for Replace

    static KeyAction pass() { return {}; }
    static KeyAction swallow() { return {Swallow, {}}; }
    static KeyAction replace(const QString& text) { return {Replace, text}; }
};

template <class Base>
class KeyHooked : public Base {
public:
    using Base::Base;

    std::function<KeyAction(const QKeyEvent&)> beforeKey;
    std::function<void(const QKeyEvent&)> afterKey;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // A field the program filled and keeps closed to typing is only read: its keys check and
        // move nothing.
        if constexpr (std::is_base_of_v<QLineEdit, Base>) {
            if (this->isReadOnly()) {
                Base::keyPressEvent(event);
                return;
            }
        }
        const KeyAction action = beforeKey ? beforeKey(*event) : KeyAction::pass();
        if (action.kind == KeyAction::Swallow) {
            event->accept();
            return;
        }
        if (action.kind == KeyAction::Replace) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), action.text,
                               event->isAutoRepeat(), ushort(event->count()));
            Base::keyPressEvent(&replaced);
        } else {
            Base::keyPressEvent(event);
        }
        if (afterKey) {
            afterKey(*event);
        }
    }
};

using EntryLineEdit = KeyHooked<QLineEdit>;
using EntryCheckBox = KeyHooked<QCheckBox>;
// The main list, whose arrow keys choose a QSO as a click does.
using LogListView = KeyHooked<QListView>;

// A drop-down list in which text can also be typed: the typed text is never added to the list and
// never completed, so the field holds exactly what was typed.
class EntryComboBox : public KeyHooked<QComboBox> {
public:
    explicit EntryComboBox(QWidget* parent = nullptr);

    // The index of the item whose text equals the current text exactly, -1 when none does.
    int textIndex() const;

    // Selects an item and shows its text; -1 leaves the list without a selection and empty.
    void selectIndex(int index);
};

bool isEnterKey(const QKeyEvent& event);

// The key typing map(character) instead of its own character, or passed on when map leaves it.
KeyAction mappedKey(const QKeyEvent& event, char16_t (*map)(char16_t));

}  // namespace orv
