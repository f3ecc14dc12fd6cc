#pragma once
// Stands in for the system clock in tests: shows whatever time the test sets.

#include "platform/clock.h"

namespace orv {

class FakeClock final : public Clock {
public:
    ClockReading utcNow() const override { return utc; }
    ClockReading localNow() const override { return local; }

    ClockReading utc;
    ClockReading local;
};

}  // namespace orv
