#pragma once
// The system clock, read in UTC and in local time.

#include "entry/date_time.h"

namespace orv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading utcNow() const = 0;
    virtual ClockReading localNow() const = 0;
};

}  // namespace orv
