#pragma once
// The daily copies of a station's log, in the data folder's "Sauvegardes": at the first start of
// each day the log is copied as it stands, before anything can change it, to
// "CALLSIGN_PC_AAAA-MM-JJ.log", written crash-safe like the log itself; the 14 newest copies of
// each station are kept. The copy is written in the background so that the start-up does not wait
// for the disk.

#include <cstddef>
#include <filesystem>
#include <future>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace orv {

inline constexpr std::string_view kBackupFolder = "Sauvegardes";
inline constexpr std::size_t kBackupsKept = 14;

struct CalendarDay {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// "CALLSIGN_PC_AAAA-MM-JJ.log".
std::string backupFileName(std::string_view callsign, const CalendarDay& day);

// Among the names of the backup folder, the copies of the station's log beyond the kept newest,
// oldest first. Other stations' copies and other files are never among them.
std::vector<std::string> backupsToRemove(std::vector<std::string> names, std::string_view callsign,
                                         std::size_t kept = kBackupsKept);

class DailyBackup {
public:
    // Reads the station's log at once when the day has no copy yet, then writes the copy and
    // removes the old ones in the background. A station without a log, or whose log cannot be
    // read, has nothing to copy: loading the log tells the operator about it.
    DailyBackup(const std::filesystem::path& dataFolder, std::string_view callsign,
                const CalendarDay& today);

    // Waits for the copy to be written: why it could not be, or nothing (also when there was
    // nothing to do). Failing to remove an old copy is not a failure of the day's copy.
    std::error_code wait();

private:
    std::future<std::error_code> copy_;
    std::error_code result_;
};

}  // namespace orv
