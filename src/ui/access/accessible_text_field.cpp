#include "ui/access/accessible_text_field.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

namespace orv {

AccessibleTextField::AccessibleTextField(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit* AccessibleTextField::field() const {
    return static_cast<QLineEdit*>(widget());
}

bool AccessibleTextField::hidden() const {
    return field()->echoMode() != QLineEdit::Normal;
}

QString AccessibleTextField::spokenText() const {
    switch (field()->echoMode()) {
        case QLineEdit::Normal:
            return field()->text();
        case QLineEdit::NoEcho:
            return {};
        case QLineEdit::Password:
        case QLineEdit::PasswordEchoOnEdit:
            break;
    }
    return QString(field()->text().size(), u'*');
}

void AccessibleTextField::putText(const QString& text) {
    QString candidate = text;
    int position = 0;
    const QValidator* validator = field()->validator();
    if (validator != nullptr &&
        validator->validate(candidate, position) != QValidator::Acceptable) {
        return;
    }
    field()->setText(candidate);
}

void* AccessibleTextField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleTextField::text(QAccessible::Text kind) const {
    QString text = kind == QAccessible::Value ? spokenText() : QString();
    if (text.isEmpty()) {
        text = QAccessibleWidget::text(kind);
    }
    if (text.isEmpty() && kind == QAccessible::Description) {
        text = field()->placeholderText();
    }
    return text;
}

void AccessibleTextField::setText(QAccessible::Text kind, const QString& text) {
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    putText(text);
}

QAccessible::State AccessibleTextField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !field()->isReadOnly();
    state.passwordEdit = hidden();
    state.selectableText = true;
    return state;
}

QString AccessibleTextField::attributes(int offset, int* startOffset, int* endOffset) const {
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString AccessibleTextField::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) {
        return {};
    }
    return spokenText().mid(startOffset, endOffset - startOffset);
}

QString AccessibleTextField::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* startOffset, int* endOffset) const {
    if (hidden()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
}

QString AccessibleTextField::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* startOffset, int* endOffset) const {
    if (hidden()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
}

QString AccessibleTextField::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* startOffset, int* endOffset) const {
    if (hidden()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
}

int AccessibleTextField::characterCount() const {
    return int(field()->text().size());
}

int AccessibleTextField::cursorPosition() const {
    return field()->cursorPosition();
}

void AccessibleTextField::setCursorPosition(int position) {
    field()->setCursorPosition(position);
}

void AccessibleTextField::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText()) {
        return;
    }
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + field()->selectionLength();
}

int AccessibleTextField::selectionCount() const {
    return field()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextField::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextField::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        field()->deselect();
    }
}

void AccessibleTextField::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
}

// The character's place, measured from the caret's, the one place a field tells.
QRect AccessibleTextField::characterRect(int offset) const {
    const QString character = text(offset, offset + 1);
    if (character.isEmpty()) {
        return {};
    }
    const QFontMetrics metrics(field()->font());
    const QString shown = spokenText();
    const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = caret.left() + metrics.horizontalAdvance(shown.left(offset)) -
                     metrics.horizontalAdvance(shown.left(cursorPosition()));
    const QRect place(left, caret.top(), metrics.horizontalAdvance(character), metrics.height());
    return place.translated(field()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleTextField::offsetAtPoint(const QPoint& point) const {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void AccessibleTextField::scrollToSubstring(int startIndex, int endIndex) {
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

void AccessibleTextField::deleteText(int startOffset, int endOffset) {
    putText(field()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleTextField::insertText(int offset, const QString& text) {
    putText(field()->text().insert(offset, text));
}

void AccessibleTextField::replaceText(int startOffset, int endOffset, const QString& text) {
    putText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace orv
