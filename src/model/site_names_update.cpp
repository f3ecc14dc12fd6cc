#include "model/site_names_update.h"

#include <array>

#include "model/cp1252.h"
#include "model/log_line.h"

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

}  // namespace orv
