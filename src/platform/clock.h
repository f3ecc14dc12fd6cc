#pragma once
// The system clock, read in UTC and in local time, and its one-second beat.

#include <functional>

#include "model/clock_reading.h"

class QTimer;

namespace orv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading utcNow() const = 0;
    virtual ClockReading localNow() const = 0;
    // Runs beat at every tick of the window's one-second timer from now on.
    virtual void startTicking(QTimer& timer, std::function<void()> beat) = 0;
};

}  // namespace orv
