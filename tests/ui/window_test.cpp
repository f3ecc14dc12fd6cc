#include "window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace orv::test {

void WindowTest::typeText(QWidget* field, const QString& text) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClicks(field, text);
}

void WindowTest::pressEnter(QWidget* field) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClick(field, Qt::Key_Return);
}

void WindowTest::typeOver(QWidget* field, const QString& text) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString() << " has no focus";
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void WindowTest::typeCharacter(QWidget* field, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

void WindowTest::commitInputMethodText(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

void WindowTest::pasteInto(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

QWidget* WindowTest::activeWindow(const QString& objectName) {
    QWidget* window = nullptr;
    const bool active = QTest::qWaitFor([&] {
        window = openWindow(objectName);
        return window != nullptr && QApplication::activeWindow() == window;
    });
    EXPECT_TRUE(active) << objectName.toStdString() << " is not the active window";
    return active ? window : nullptr;
}

QString fieldText(const QWidget* field) {
    if (const auto* line = qobject_cast<const QLineEdit*>(field)) {
        return line->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(field)) {
        return list->currentText();
    }
    return {};
}

QString spokenName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

}  // namespace orv::test
