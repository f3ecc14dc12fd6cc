#pragma once

#include <filesystem>

namespace orv {

// The per-user data folder, where every log and data file lives: ORV_PC under the generic data
// location ($XDG_DATA_HOME, by default ~/.local/share). Created when missing.
std::filesystem::path dataFolder();

}  // namespace orv
