#pragma once
// Whole files, byte for byte, for the tests and the benchmarks.

#include <filesystem>
#include <string>
#include <string_view>

namespace orv::test {

void writeFile(const std::filesystem::path& path, std::string_view bytes);
// Empty for a missing file.
std::string readFile(const std::filesystem::path& path);

}  // namespace orv::test
