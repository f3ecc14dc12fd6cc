#pragma once
// What the fuzz targets share: a property that must hold, stopping the run with its text when it
// does not; and a scratch folder for the targets that go through real files.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "property broken at %s:%d: %s\n", __FILE__, __LINE__, \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (false)

namespace orv::fuzz {

// One folder for the whole run, under TMPDIR (a memory file system keeps the runs fast).
inline const std::filesystem::path& scratchFolder() {
    static const test::TempFolder folder("orv_fuzz");
    return folder.path();
}

inline void writeFile(const std::filesystem::path& path, std::string_view content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(content.data(), 1, content.size(), file) == content.size());
    FUZZ_CHECK(std::fclose(file) == 0);
}

inline std::string readFile(const std::filesystem::path& path) {
    std::string content;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FUZZ_CHECK(file != nullptr);
    char block[4096];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) {
        content.append(block, count);
    }
    std::fclose(file);
    return content;
}

// Text without line ends: what a single line of a file can hold.
inline std::string oneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

}  // namespace orv::fuzz
