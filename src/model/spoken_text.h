#pragma once
// What a screen reader says for the values a window shows, so that an operator who hears the
// program is told what a sighted one reads: a value with its caption, the fields the program
// filled in by itself.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class CaptionSide { Before, After };

// The value and its caption, read as one ("51 Patrimoines contactés", "INDICATIF DE LA STATION :
// F4ABC"): the blanks that line the texts up on the screen are said once, and an empty value is
// its caption alone.
std::string spokenValue(std::string_view value, std::string_view caption, CaptionSide side);

struct ToldField {
    std::string caption;
    std::string value;
};

// The fields the program filled in, each caption before its value, in their order ("Dpt 89, Date
// 07/12/26, Heure UTC 09:05"); a field left empty is not told.
std::string spokenFilledFields(const std::vector<ToldField>& fields);

}  // namespace orv
