#pragma once
// Reading a station's log file as a whole, for the main list. Loading never changes the file.

#include <filesystem>
#include <string>
#include <vector>

namespace orv {

enum class LogLoadStatus {
    Loaded,
    Missing,       // no file at the log path
    Unreadable,    // it exists but cannot be opened or read; errorNumber says why
    TooManyLines,  // more lines than the list can number (kMaxListRows)
};

struct LogLoad {
    LogLoadStatus status = LogLoadStatus::Loaded;
    // The number shown after "Erreur N° " for an unreadable log: 70 when access is denied, 75 for
    // a path that is not a readable file (a folder, for instance), 57 for any other read failure.
    int errorNumber = 0;
    std::vector<std::string> lines;  // every line of the file, in file order, blank lines included
};

LogLoad readLog(const std::filesystem::path& path);

}  // namespace orv
