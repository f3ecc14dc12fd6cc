#pragma once
// Dates and times as the entry shows and checks them: "JJ/MM/AA" and "HH:MM", UTC.

#include <string>
#include <string_view>

#include "model/clock_reading.h"

namespace orv {

// "JJ/MM/AA": day, month and the last two digits of the year, two digits each.
std::string Date_Jour(const ClockReading& utc);

// "hh:mm:ss", two digits each; used for both the UTC and the local clock.
std::string clockTime(const ClockReading& reading);

// 0 when the 8-character text is a valid date, 1 when not: characters 1, 2, 4, 5, 7, 8 digits,
// 3 and 6 "/", day at most 31, month at most 12. Nothing else is checked (00/00/00 and 31/02/21
// pass). The caller has made sure the text has 8 characters.
int Controle_Date(std::string_view date);

// 0 when the 5-character text is a valid time, 1 when not: characters 1, 2, 4, 5 digits, 3 ":",
// hour at most 23, minutes at most 59.
int Controle_Heure(std::string_view time);

}  // namespace orv
