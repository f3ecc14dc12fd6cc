#include "model/site_names_update.h"

#include <array>

#include "model/cp1252.h"
#include "model/log_line.h"
#include "model/text_file.h"
#include "model/text_lines.h"

namespace orv {
namespace {

// The fields of a log line in order; all but the site name are copied as they stand.
constexpr std::array<LogColumns, 12> kFields = {{
    log_field::kCallsign,
    log_field::kDepartement,
    log_field::kFirstName,
    log_field::kReference,
    log_field::kDate,
    log_field::kTime,
    log_field::kMode,
    log_field::kBand,
    log_field::kReportReceived,
    log_field::kReportSent,
    log_field::kSiteName,
    log_field::kQsl,
}};

}  // namespace

std::string siteNameColumn(std::string_view name) {
    const std::size_t width = log_field::kSiteName.width;
    std::string column = toUpperCp1252(name.substr(0, width));
    column.append(width - column.size(), ' ');
    return column;
}

std::string lineWithSiteName(std::string_view line, std::string_view nameColumn) {
    std::string out;
    out.reserve(kLogLineLength);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (i > 0) {
            const LogColumns& previous = kFields[i - 1];
            out.append(kFields[i].first - previous.first - previous.width, ' ');
        }
        out += kFields[i].first == log_field::kSiteName.first ? nameColumn
                                                              : readField(line, kFields[i]);
    }
    return out;
}

std::vector<std::string> withSiteNamesUpdated(std::vector<std::string> lines,
                                              const ReferenceList& list) {
    const std::string blankName = siteNameColumn("");
    for (std::string& line : lines) {
        const ReferenceSite* site = list.find(trimBlanks(readField(line, log_field::kReference)));
        line = lineWithSiteName(line, site ? siteNameColumn(site->name) : blankName);
    }
    return lines;
}

SiteNamesResult updateSiteNames(const std::filesystem::path& logPath,
                                const std::filesystem::path& listPath, FileSystemCalls& calls) {
    const ReferenceList list = readReferenceList(listPath);
    if (!list.revision()) {
        return {SiteNamesStatus::NoList, {}};
    }
    std::error_code error;
    const std::string content = readWholeFile(logPath, error);
    if (error) {
        return {SiteNamesStatus::Failed, error};
    }
    const std::vector<std::string> lines = withSiteNamesUpdated(splitLines(content), list);
    error = replaceFileContent(logPath, logPath.parent_path() / kSiteNamesScratchFile,
                               joinLines(lines), calls);
    if (error) {
        return {SiteNamesStatus::Failed, error};
    }
    return {};
}

}  // namespace orv
