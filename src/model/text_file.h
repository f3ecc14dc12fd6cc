#pragma once
// Reading the program's text files. Files are opened, read and closed within one call; nothing is
// held open between the operator's actions.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orv {

// The whole content of a file, byte for byte. Sets error (and returns an empty text) when the file
// cannot be opened or read; a missing file gives std::errc::no_such_file_or_directory.
std::string readWholeFile(const std::filesystem::path& path, std::error_code& error);
// The same, nothing when the file is missing or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Streams the lines of a file (the rules of splitLines) to visit until it returns false, reading
// the file in blocks so that a reader that stops early never reads the rest. Returns false when the
// file cannot be opened or read; a missing file is reported the same way.
bool forEachFileLine(const std::filesystem::path& path,
                     const std::function<bool(std::string_view line)>& visit);

// The same for a content already in memory (a list just downloaded, or kept before its update).
void forEachLine(std::string_view content, const std::function<bool(std::string_view line)>& visit);

}  // namespace orv
