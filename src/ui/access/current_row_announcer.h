#pragma once
// A list that takes the keyboard focus tells a screen reader its current row, as it does when the
// arrow keys move to another row. Qt 6.4 only says that the list has the focus, so that an
// operator who comes into a list by Tab hears how many rows it has but not the row under the
// cursor, nor where Up and Down will go from.

#include <QObject>

namespace orv {

// Watches every list of the program once installed on the application.
class CurrentRowAnnouncer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orv
