#pragma once
// One reading of the system clock: what the clock gives the entry (today's date, the UTC time of a
// QSO) and the reports (the date in their names), without the clock itself.

namespace orv {

struct ClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace orv
