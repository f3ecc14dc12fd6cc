#pragma once
// What a screen reader is told of a one-line text field. Qt 6.4's own answer to the question
// "which run of text shares the attributes at this offset?" is a run of no characters, from
// which Orca 43 builds a range one character short: "59" is heard "5", a one-character value not
// at all. This one answers with the whole text, as one run without attributes (a field has one
// font and one colour), and is otherwise what Qt gives for a field, so that it stays right on a
// Qt that mends its own.

#include <QAccessibleWidget>

class QLineEdit;

namespace orv {

class AccessibleTextField final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextField(QLineEdit* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* field() const;
    // The text as a screen reader may have it: a password's characters hidden.
    QString spokenText() const;
    bool hidden() const;
    // Accepts text in place of the field's only if the field's validator takes it whole.
    void putText(const QString& text);
};

}  // namespace orv
