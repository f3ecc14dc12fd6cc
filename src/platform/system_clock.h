#pragma once

#include "platform/clock.h"

namespace orv {

class SystemClock final : public Clock {
public:
    ClockReading utcNow() const override;
    ClockReading localNow() const override;
};

}  // namespace orv
