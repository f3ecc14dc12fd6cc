#include "model/daily_backup.h"

#include <algorithm>
#include <optional>

#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/safe_file_write.h"
#include "model/text_file.h"

namespace orv {
namespace {

constexpr std::string_view kNameMiddle = "_PC_";
constexpr std::string_view kDatePattern = "0000-00-00";
constexpr std::string_view kExtension = ".log";

// The decimal digits of value, with zeros in front up to width.
std::string withZeros(int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

bool matchesDatePattern(std::string_view text) {
    if (text.size() != kDatePattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kDatePattern[i] == '0' ? !digit : text[i] != kDatePattern[i]) {
            return false;
        }
    }
    return true;
}

bool isBackupOf(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kDatePattern.size() + kExtension.size() &&
           name.starts_with(prefix) && name.ends_with(kExtension) &&
           matchesDatePattern(name.substr(prefix.size(), kDatePattern.size()));
}

void removeOldBackups(const std::filesystem::path& folder, std::string_view callsign) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    for (const std::string& name : backupsToRemove(std::move(names), callsign)) {
        std::filesystem::remove(folder / name, error);
    }
}

std::error_code writeBackup(const std::filesystem::path& folder, const std::string& name,
                            const std::string& callsign, const std::string& content) {
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    if (error) {
        return error;
    }
    error = rewriteFile(folder / name, kScratchFile, MissingFile::ReadsAsEmpty,
                        [&content](std::string_view) { return std::optional(content); });
    if (!error) {
        removeOldBackups(folder, callsign);
    }
    return error;
}

}  // namespace

std::string backupFileName(std::string_view callsign, const CalendarDay& day) {
    return std::string(callsign) + std::string(kNameMiddle) + withZeros(day.year, 4) + '-' +
           withZeros(day.month, 2) + '-' + withZeros(day.day, 2) + std::string(kExtension);
}

std::vector<std::string> backupsToRemove(std::vector<std::string> names, std::string_view callsign,
                                         std::size_t kept) {
    const std::string prefix = std::string(callsign) + std::string(kNameMiddle);
    std::erase_if(names, [&prefix](const std::string& name) { return !isBackupOf(name, prefix); });
    std::sort(names.begin(), names.end());
    names.resize(names.size() > kept ? names.size() - kept : 0);
    return names;
}

DailyBackup::DailyBackup(const std::filesystem::path& dataFolder, std::string_view callsign,
                         const CalendarDay& today) {
    const std::filesystem::path folder = dataFolder / kBackupFolder;
    std::string name = backupFileName(callsign, today);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(folder / name, error))) {
        return;
    }
    std::string content = readWholeFile(logPath(dataFolder, callsign), error);
    if (error) {
        return;
    }
    // Deferred as well as async: should no thread be left, the copy is written by wait().
    copy_ = std::async(
        std::launch::async | std::launch::deferred,
        [folder, name = std::move(name), callsign = std::string(callsign),
         content = std::move(content)] { return writeBackup(folder, name, callsign, content); });
}

std::error_code DailyBackup::wait() {
    if (copy_.valid()) {
        result_ = copy_.get();
    }
    return result_;
}

}  // namespace orv
