#pragma once
// A label showing a value beside its caption (a count, the station's callsign, the entry mode).
// A screen reader hears the two together, "51 Patrimoines contactés", as a sighted operator reads
// them, whatever the label shows later: naming the label after its caption would hide the value.

#include <QAccessibleWidget>
#include <QString>

#include "model/spoken_text.h"

class QLabel;

namespace orv {

// A new label carrying its name, which shows its value as plain text; its caption stands beside
// it on the side given.
QLabel* valueLabel(const char* name, const QString& caption, CaptionSide side);

// What a screen reader is told of a label made by valueLabel.
class AccessibleValueLabel final : public QAccessibleWidget {
public:
    explicit AccessibleValueLabel(QLabel* label);

    // nullptr for any other object.
    static QAccessibleInterface* of(QObject* object);

    QString text(QAccessible::Text kind) const override;
};

}  // namespace orv
