#pragma once
// The colours by which the entry fields show their state: light green for the field waiting for
// input, light yellow for a field done or still ahead.

#include <QColor>

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

}  // namespace orv
