#include "platform/system_clock.h"

#include <QDateTime>
#include <QTimer>

namespace orv {

namespace {

ClockReading readingOf(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace

ClockReading SystemClock::utcNow() const {
    return readingOf(QDateTime::currentDateTimeUtc());
}

ClockReading SystemClock::localNow() const {
    return readingOf(QDateTime::currentDateTime());
}

void SystemClock::startTicking(QTimer& timer, std::function<void()> beat) {
    QObject::connect(&timer, &QTimer::timeout, &timer, std::move(beat));
    timer.start();
}

}  // namespace orv
