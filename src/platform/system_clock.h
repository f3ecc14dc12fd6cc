#pragma once

#include "platform/clock.h"

namespace orv {

class SystemClock final : public Clock {
public:
    ClockReading utcNow() const override;
    ClockReading localNow() const override;
    void startTicking(QTimer& timer, std::function<void()> beat) override;
};

}  // namespace orv
