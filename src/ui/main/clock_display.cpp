#include "ui/main/clock_display.h"

#include <QLabel>
#include <QTimer>

#include "entry/date_time.h"

namespace orv {

ClockDisplay::ClockDisplay(Clock& clock, QTimer* timer, QLabel* utcClock, QLabel* localClock,
                           QLabel* utcDate)
    : QObject(timer),
      clock_(clock),
      timer_(timer),
      utcClock_(utcClock),
      localClock_(localClock),
      utcDate_(utcDate) {}

void ClockDisplay::start() {
    refresh();
    clock_.startTicking(*timer_, [this] { refresh(); });
}

void ClockDisplay::refresh() {
    const ClockReading utc = clock_.utcNow();
    utcClock_->setText(QString::fromStdString(clockTime(utc).substr(0, 5)) + " Utc");
    localClock_->setText(QString::fromStdString(clockTime(clock_.localNow()).substr(0, 5)) +
                         " Loc");
    utcDate_->setText(QString::fromStdString(Date_Jour(utc)));
}

}  // namespace orv
