#pragma once
// A data folder of its own for each test (TempFolder), and whole-file helpers.

#include <filesystem>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace orv::test {

void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);

}  // namespace orv::test
