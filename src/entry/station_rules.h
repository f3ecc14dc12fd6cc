#pragma once
// The station callsign: which log the program works on. It names the log file, so it holds only
// A-Z, 0-9 and "_" (a "/" of the real callsign is typed and stored as "_").

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The stored callsign before any station is chosen.
inline constexpr std::string_view kNoStation = "FXXXX";

// A key typed in the callsign box: a to z become capitals and "/" becomes "_".
char16_t stationKey(char16_t key);

struct StationRefusal {
    std::string_view message;  // UTF-8
    bool emptiesBox;           // the character refusal empties the box; the others keep its text
};

// Checks a candidate already put in capitals: empty, over 12 characters, or holding a character
// other than 0-9, A-Z and "_".
std::optional<StationRefusal> checkStationCallsign(std::string_view candidate);

// The station to open, from the stored setting: the callsign names a file, so a hand-edited value
// that is no valid callsign (small letters, a "/", a path) counts as none chosen ("FXXXX").
std::string stationFromSetting(std::string_view stored);

// The callsign as the banner shows it: every "_" as "/".
std::string bannerCallsign(std::string_view stored);

}  // namespace orv
