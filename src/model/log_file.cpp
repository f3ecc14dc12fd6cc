#include "model/log_file.h"

#include <system_error>

#include "model/list_row.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {
namespace {

// The numbers shown after "Erreur N° " for a log that exists but cannot be loaded.
constexpr int kAccessDenied = 70;
constexpr int kNotAFile = 75;
constexpr int kReadFailure = 57;

int errorNumberOf(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return kAccessDenied;
    }
    if (error == std::errc::is_a_directory || error == std::errc::invalid_argument) {
        return kNotAFile;
    }
    return kReadFailure;
}

}  // namespace

LogLoad readLog(const std::filesystem::path& path) {
    std::error_code error;
    const std::string content = readWholeFile(path, error);
    if (error == std::errc::no_such_file_or_directory) {
        return {LogLoadStatus::Missing, 0, {}};
    }
    if (error) {
        return {LogLoadStatus::Unreadable, errorNumberOf(error), {}};
    }
    LogLoad load;
    load.lines = splitLines(content);
    if (load.lines.size() > kMaxListRows) {
        load.status = LogLoadStatus::TooManyLines;
        load.lines.clear();
    }
    return load;
}

}  // namespace orv
