#pragma once
// A new empty folder under the system's temporary folder for a test or a benchmark run, removed
// with all it holds (even what a test made read-only) when it goes.

#include <filesystem>
#include <string_view>

namespace orv::test {

class TempFolder {
public:
    explicit TempFolder(std::string_view namePrefix = "orv_test");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace orv::test
