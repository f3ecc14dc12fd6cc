#pragma once
// What a departement text of the log stands for in the counts: the scores' departement slots and
// the boxes of the map share the same reading.

#include <string_view>

namespace orv {

// The two Corsican departements, kept after the numbered ones.
inline constexpr int kCorsicaSouth = 96;  // "2A"
inline constexpr int kCorsicaNorth = 97;  // "2B"

// 96 for "2A" or "2a", 97 for "2B" or "2b", 0 for any other text.
int corsicanNumber(std::string_view departement);

// The decimal value of the digits the text begins with, 0 when it begins with none. Values are
// capped at 1,000, far above any departement, so that a long run of digits cannot overflow.
int leadingNumber(std::string_view text);

// A departement's number: its Corsican number, else its leading number.
int departementNumber(std::string_view departement);

}  // namespace orv
