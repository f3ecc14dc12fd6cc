#include "entry/startup_settings.h"

#include <charconv>
#include <optional>
#include <system_error>

namespace orv {

namespace {

constexpr std::string_view kAutomaticDate = "Oui";
constexpr std::string_view kManualDate = "Non";

// An optional "-" then digits, nothing else: blanks, a "+" or trailing text make the value
// unreadable, as does a number too large for an int.
std::optional<int> strictInteger(std::string_view text) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int listIndexFromSetting(std::string_view text, int itemCount) {
    const std::optional<int> index = strictInteger(text);
    if (!index) {
        return 0;
    }
    // -1 is what the list gives for a typed text that matches no item: no selection.
    if (*index == -1 || (*index >= 0 && *index < itemCount)) {
        return *index;
    }
    return 0;
}

DateModeSetting dateModeFromSetting(std::string_view text) {
    if (text == kAutomaticDate) {
        return DateModeSetting::Automatic;
    }
    if (text == kManualDate) {
        return DateModeSetting::Manual;
    }
    return DateModeSetting::Unknown;
}

std::string_view dateModeSetting(bool automatic) {
    return automatic ? kAutomaticDate : kManualDate;
}

}  // namespace orv
