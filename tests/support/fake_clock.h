#pragma once
// Stands in for the system clock in tests: shows whatever time the test sets, and ticks only when
// the test says so, never with the passing seconds.

#include "platform/clock.h"

namespace orv {

class FakeClock final : public Clock {
public:
    ClockReading utcNow() const override { return utc; }
    ClockReading localNow() const override { return local; }
    // The window's timer is left stopped.
    void startTicking(QTimer&, std::function<void()> beat) override { beat_ = std::move(beat); }

    // One tick of the window's timer, at once.
    void tick() const {
        if (beat_) {
            beat_();
        }
    }

    ClockReading utc;
    ClockReading local;

private:
    std::function<void()> beat_;
};

}  // namespace orv
