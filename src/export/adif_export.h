#pragma once
// The ADIF export of a station's log: the file beside the log, named after the station, rewritten
// whole at each export so that it never holds half of an export.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/safe_file_write.h"

namespace orv {

// The file name of a station's export: the callsign followed by "_PC.adi".
std::string adifFileName(std::string_view stationCallsign);

enum class AdifExportStatus {
    Done,
    LogUnreadable,  // the log could not be read: nothing was written
    NotWritten,     // the file could not be written: an earlier export, if any, is as it was
};

struct AdifExportResult {
    AdifExportStatus status = AdifExportStatus::Done;
    std::error_code error;
};

// Reads the log once and writes the whole export to adifPath through the scratch file
// "Temporaire.txt" of the same folder. The log is only read.
AdifExportResult exportAdif(const std::filesystem::path& logPath,
                            const std::filesystem::path& adifPath, std::string_view stationCallsign,
                            FileSystemCalls& calls = systemFileCalls());

}  // namespace orv
