#pragma once
// The UTC clock, the local clock and the UTC date of the main window, refreshed every second.

#include <QObject>

#include "platform/clock.h"

class QLabel;
class QTimer;

namespace orv {

class ClockDisplay final : public QObject {
public:
    ClockDisplay(Clock& clock, QTimer* timer, QLabel* utcClock, QLabel* localClock,
                 QLabel* utcDate);

    // Starts the one-second refresh, showing the time at once rather than a second later.
    void start();
    void refresh();

private:
    Clock& clock_;
    QTimer* timer_;
    QLabel* utcClock_;
    QLabel* localClock_;
    QLabel* utcDate_;
};

}  // namespace orv
