#pragma once
// The twelve bands of the main window's band list, as the log stores them (the settings keep the
// index in this list).

#include <array>
#include <string_view>

namespace orv {

inline constexpr std::array<std::string_view, 12> kBandLabels = {
    "1.8 Mhz", "3.5 Mhz", "5.0 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz",
    "18 Mhz",  "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz"};

}  // namespace orv
