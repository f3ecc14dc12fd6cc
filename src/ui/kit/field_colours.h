#pragma once
// The colours by which the entry fields show their state: light green for the field waiting for
// input, light yellow for a field done or still ahead.

#include <QColor>

class QLineEdit;
class QWidget;

namespace orv {

inline const QColor kLightGreen{192, 255, 192};
inline const QColor kLightYellow{255, 255, 192};
inline const QColor kWhite{255, 255, 255};

// The background of a field (or of the commit button), whether it is enabled or not.
void setFieldColour(QWidget* field, const QColor& colour);
QColor fieldColour(const QWidget* field);

// A field not waiting for input: disabled and light yellow.
void restField(QWidget* field);
// The field waiting for input: enabled and light green (the caller gives it the focus).
void readyField(QWidget* field);
// A field the operator may type into again, its colour left as it is.
void openField(QWidget* field);

// A disabled field the program has just filled (the departement taken from the reference, the
// date and time taken from the clock) stays closed to typing but is reached with Tab and read by
// a screen reader: read-only, and drawn exactly as a disabled field, so that nothing changes on the
// screen. The three above undo it. An enabled field is left as it is.
void revealFilledField(QLineEdit* field);

}  // namespace orv
