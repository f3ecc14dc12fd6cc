#include "model/log_line.h"

#include <algorithm>
#include <array>
#include <initializer_list>

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

bool fits(const FieldValue& field) {
    return field.value.size() <= field.columns.width &&
           field.value.find_first_of("\r\n") == std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool digitsAt(std::string_view text, std::initializer_list<std::size_t> positions) {
    return std::all_of(positions.begin(), positions.end(),
                       [text](std::size_t pos) { return isDigit(text[pos]); });
}

// The two digits at text[pos], already checked.
int twoDigits(std::string_view text, std::size_t pos) {
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

std::string trimmedField(std::string_view line, LogColumns field) {
    return std::string(trimBlanks(readField(line, field)));
}

}  // namespace

std::optional<std::string> formatLogLine(const LogRecord& record) {
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
    if (!std::all_of(fields.begin(), fields.end(), fits)) {
        return std::nullopt;
    }
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

std::optional<LogDate> parseLogDate(std::string_view text) {
    if (text.size() != log_field::kDate.width || !digitsAt(text, {0, 1, 3, 4, 6, 7})) {
        return std::nullopt;
    }
    const int shortYear = twoDigits(text, 6);
    return LogDate{shortYear >= 50 ? 1900 + shortYear : 2000 + shortYear, twoDigits(text, 3),
                   twoDigits(text, 0)};
}

std::optional<LogTime> parseLogTime(std::string_view text) {
    if (text.size() != log_field::kTime.width || !digitsAt(text, {0, 1, 3, 4})) {
        return std::nullopt;
    }
    return LogTime{twoDigits(text, 0), twoDigits(text, 3)};
}

LoggedQso readLogLine(std::string_view line) {
    namespace f = log_field;
    LoggedQso qso;
    LogRecord& record = qso.record;
    record.callsign = trimmedField(line, f::kCallsign);
    record.departement = trimmedField(line, f::kDepartementPiece);
    record.firstName = trimmedField(line, f::kFirstName);
    record.reference = trimmedField(line, f::kReference);
    record.date = readField(line, f::kDate);
    record.time = readField(line, f::kTime);
    record.mode = trimmedField(line, f::kMode);
    record.band = trimmedField(line, f::kBand);
    record.reportReceived = trimmedField(line, f::kReportReceived);
    record.reportSent = trimmedField(line, f::kReportSent);
    record.siteName = trimmedField(line, f::kSiteName);
    qso.qslFlag = readField(line, f::kQsl);
    record.qslReceived = qso.qslFlag == "*";
    qso.date = parseLogDate(record.date);
    qso.time = parseLogTime(record.time);
    return qso;
}

std::vector<LoggedQso> readLogLines(const std::vector<std::string>& lines) {
    std::vector<LoggedQso> qsos;
    qsos.reserve(lines.size());
    for (const std::string& line : lines) {
        qsos.push_back(readLogLine(line));
    }
    return qsos;
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
