#pragma once
// The fixture of every widget test: the window desk (its own data and settings folders, the
// operator, clock, printer and network stood in for), and the operator's keyboard.

#include <gtest/gtest.h>

#include <QString>
#include <ostream>

#include "support/window_desk.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace orv::test {

class WindowTest : public ::testing::Test, public WindowDesk {
protected:
    // Typing as the operator does, into the widget that must have the focus.
    static void typeText(QWidget* field, const QString& text);
    static void pressEnter(QWidget* field);
    // Replaces a field's whole text as the operator does: select all, then type.
    static void typeOver(QWidget* field, const QString& text);
    // Sends one key that types text, whatever the keyboard: the way characters outside Latin-1
    // arrive as key presses.
    static void typeCharacter(QWidget* field, const QString& text);
    // Commits text as an input method does (compose keys, emoji pickers).
    static void commitInputMethodText(QWidget* field, const QString& text);
    // Puts text on the clipboard and pastes it with Ctrl+V.
    static void pasteInto(QWidget* field, const QString& text);

    // The window of that objectName once it is open and active, or nullptr (and a failure).
    static QWidget* activeWindow(const QString& objectName);
};

// The text a field shows: a text box's text, a drop-down list's edit text.
QString fieldText(const QWidget* field);

// What a screen reader announces a control by.
QString spokenName(QWidget* control);

}  // namespace orv::test
