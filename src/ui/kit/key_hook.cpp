#include "ui/kit/key_hook.h"

namespace orv {

EntryComboBox::EntryComboBox(QWidget* parent) : KeyHooked<QComboBox>(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
}

int EntryComboBox::textIndex() const {
    return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void EntryComboBox::selectIndex(int index) {
    setCurrentIndex(index);
    setEditText(index >= 0 ? itemText(index) : QString());
}

bool isEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

KeyAction mappedKey(const QKeyEvent& event, char16_t (*map)(char16_t)) {
    if (event.text().size() == 1) {
        const char16_t key = event.text().at(0).unicode();
        const char16_t typed = map(key);
        if (typed != key) {
            return KeyAction::replace(QString(QChar(typed)));
        }
    }
    return KeyAction::pass();
}

}  // namespace orv
