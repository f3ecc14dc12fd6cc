#pragma once
// Reading back the per-station choices stored as text.

#include <string_view>

namespace orv {

// The list index stored as decimal text: -1 (no selection) and 0 to itemCount - 1 are taken as
// they stand; anything else (not a number, out of the list) falls back to 0.
int listIndexFromSetting(std::string_view text, int itemCount);

enum class DateModeSetting { Automatic, Manual, Unknown };

// "Oui" is automatic, "Non" manual; any other value leaves the menu as designed.
DateModeSetting dateModeFromSetting(std::string_view text);
// What the Date menu stores: "Oui" for the automatic date, "Non" for the manual one. A station
// that never chose reads as "Oui".
std::string_view dateModeSetting(bool automatic);

}  // namespace orv
