#include "entry/station_rules.h"

#include <algorithm>
#include <cstddef>

#include "entry/entry_messages.h"
#include "entry/field_checks.h"

namespace orv {

namespace {

constexpr std::size_t kMaxStationLength = 12;

// The characters a log file name may take from the callsign.
bool isStationCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

char16_t stationKey(char16_t key) {
    // "/" cannot stand in a file name; the log file of F4ABC/P is F4ABC_P_PC.log.
    if (key == u'/') {
        return u'_';
    }
    return typedCapital(key);
}

std::optional<StationRefusal> checkStationCallsign(std::string_view candidate) {
    if (candidate.empty()) {
        return StationRefusal{msg::kStationEmpty, false};
    }
    if (candidate.size() > kMaxStationLength) {
        return StationRefusal{msg::kStationTooLong, false};
    }
    if (!std::all_of(candidate.begin(), candidate.end(), isStationCharacter)) {
        return StationRefusal{msg::kStationCharacters, true};
    }
    return std::nullopt;
}

std::string stationFromSetting(std::string_view stored) {
    return std::string(checkStationCallsign(stored) ? kNoStation : stored);
}

std::string bannerCallsign(std::string_view stored) {
    std::string shown(stored);
    std::replace(shown.begin(), shown.end(), '_', '/');
    return shown;
}

}  // namespace orv
