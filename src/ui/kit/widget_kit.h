#pragma once
// Small helpers every window's controls are built with. A control's objectName is its name in
// the program's own terms ("Ind_A", "Label2"); its accessible name is what a sighted operator
// reads for it (the caption beside it, a button's caption), so that a screen reader announces it.

#include <QColor>
#include <QFont>
#include <QString>
#include <utility>

class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace orv {

// A new control carrying its name.
template <class Widget, class... Args>
Widget* named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Sets the control's name and what a screen reader announces for it, together.
void nameControl(QWidget* control, const char* name, const QString& accessibleName);

// A label showing its text as it stands (no rich text), carrying its name.
QLabel* namedLabel(const char* name, const QString& text);

// A button whose accessible name is its caption; Enter presses it when it has the focus.
QPushButton* namedButton(const char* name, const QString& caption);

void setBold(QWidget* widget, bool bold = true);
void setTextColour(QWidget* widget, const QColor& colour);

// The fixed-pitch font of a list, in points; where the family is not installed (or is not fixed
// pitch), the system's fixed-pitch font at that size.
QFont fixedPitchFont(const QString& family, int pointSize);

// The font of the lists of fixed-column rows: "Terminal", 9 points.
QFont rowListFont();

// A list of fixed-column text rows, set up alike in every window: rows of one height (so that
// 99,999 rows open and scroll at once), nothing editable, the font given.
void setUpRowList(QListView* list, const QFont& font = rowListFont());

}  // namespace orv
