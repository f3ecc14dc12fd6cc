#include "model/log_line.h"

#include <array>

#include "model/cp1252.h"

namespace orv {
namespace {

struct FieldValue {
    std::string_view value;
    LogColumns columns;
};

// Blanks between a field and the next one, taken from the column table.
std::size_t gapAfter(const LogColumns& field, const LogColumns& next) {
    return next.first - field.first - field.width;
}

void appendPadded(std::string& line, std::string_view value, std::size_t width) {
    line += value;
    if (value.size() < width) {
        line.append(width - value.size(), ' ');
    }
}

}  // namespace

std::string formatLogLine(const LogRecord& record) {
    namespace f = log_field;
    const std::string firstName = toUpperCp1252(record.firstName);
    const std::string siteName =
        toUpperCp1252(trimBlanks(record.siteName).substr(0, f::kSiteName.width));
    const std::array<FieldValue, 12> fields = {{
        {record.callsign, f::kCallsign},
        {record.departement, f::kDepartement},
        {firstName, f::kFirstName},
        {record.reference, f::kReference},
        {record.date, f::kDate},
        {record.time, f::kTime},
        {record.mode, f::kMode},
        {record.band, f::kBand},
        {record.reportReceived, f::kReportReceived},
        {record.reportSent, f::kReportSent},
        {siteName, f::kSiteName},
        {record.qslReceived ? "*" : " ", f::kQsl},
    }};
    std::string line;
    line.reserve(kLogLineLength);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        appendPadded(line, fields[i].value, fields[i].columns.width);
        if (i + 1 < fields.size()) {
            line.append(gapAfter(fields[i].columns, fields[i + 1].columns), ' ');
        }
    }
    return line;
}

std::string_view readField(std::string_view line, LogColumns field) {
    const std::size_t start = field.first - 1;
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, field.width);
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::filesystem::path logPath(const std::filesystem::path& folder, std::string_view callsign) {
    return folder / (std::string(callsign) + "_PC.log");
}

}  // namespace orv
