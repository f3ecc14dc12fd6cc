#include "export/adif_export.h"

#include "export/adif.h"
#include "model/log_rewrite.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {

std::string adifFileName(std::string_view stationCallsign) {
    return std::string(stationCallsign) + "_PC.adi";
}

AdifExportResult exportAdif(const std::filesystem::path& logPath,
                            const std::filesystem::path& adifPath, std::string_view stationCallsign,
                            FileSystemCalls& calls) {
    std::error_code error;
    const std::string log = readWholeFile(logPath, error);
    if (error) {
        return {AdifExportStatus::LogUnreadable, error};
    }
    error = replaceFileContent(adifPath, adifPath.parent_path() / kScratchFile,
                               adifContent(stationCallsign, splitLines(log)), calls);
    if (error) {
        return {AdifExportStatus::NotWritten, error};
    }
    return {};
}

}  // namespace orv
