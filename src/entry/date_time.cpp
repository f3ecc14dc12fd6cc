#include "entry/date_time.h"

#include <cstddef>
#include <initializer_list>

namespace orv {

namespace {

// The last two digits with a leading zero: the year keeps only its last two.
std::string twoDigits(int value) {
    const int kept = value % 100;
    return {static_cast<char>('0' + kept / 10), static_cast<char>('0' + kept % 10)};
}

// Only the bytes '0' to '9': an accented or wide digit has no place in a log line.
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters at pos and pos + 1 are both digits and their number is at most limit. A pair that is
// not all digits has already failed the digit check, so it is not compared with the limit.
bool pairWithin(std::string_view text, std::size_t pos, int limit) {
    if (!isDigit(text[pos]) || !isDigit(text[pos + 1])) {
        return true;
    }
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0') <= limit;
}

bool allDigitsAt(std::string_view text, std::initializer_list<std::size_t> positions) {
    for (const std::size_t pos : positions) {
        if (!isDigit(text[pos])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Date_Jour(const ClockReading& utc) {
    return twoDigits(utc.day) + '/' + twoDigits(utc.month) + '/' + twoDigits(utc.year);
}

std::string clockTime(const ClockReading& reading) {
    return twoDigits(reading.hour) + ':' + twoDigits(reading.minute) + ':' +
           twoDigits(reading.second);
}

int Controle_Date(std::string_view date) {
    // Refused rather than read out of bounds should a caller pass another length.
    if (date.size() != 8) {
        return 1;
    }
    // Each check is made whatever the earlier ones gave; any failure refuses the date.
    bool valid = allDigitsAt(date, {0, 1, 3, 4, 6, 7});
    valid &= date[2] == '/' && date[5] == '/';
    valid &= pairWithin(date, 0, 31);
    valid &= pairWithin(date, 3, 12);
    return valid ? 0 : 1;
}

int Controle_Heure(std::string_view time) {
    if (time.size() != 5) {
        return 1;
    }
    bool valid = allDigitsAt(time, {0, 1, 3, 4});
    valid &= time[2] == ':';
    valid &= pairWithin(time, 0, 23);
    valid &= pairWithin(time, 3, 59);
    return valid ? 0 : 1;
}

}  // namespace orv
