#pragma once
// What a field that takes a correspondent's callsign says when Enter finds it empty or too long:
// the QSO entry, the QSO search and the missing-QSL search say it alike (UTF-8: shown, never
// written to a file).

#include <string_view>

namespace orv::msg {

inline constexpr std::string_view kCallsignEmpty = "Entrez un indicatif";
inline constexpr std::string_view kCallsignTooLong = "12 caracteres maxi pour l'indicatif";

}  // namespace orv::msg
