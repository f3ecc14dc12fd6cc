// The log reader and the list rows: lines split and joined back, rows made from lines and read
// back, records written as lines and read back.

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "model/cp1252.h"
#include "model/list_row.h"
#include "model/log_line.h"
#include "model/text_lines.h"

namespace orv {
namespace {

// Where each piece of a list row comes from in the log line.
constexpr std::pair<LogColumns, LogColumns> kRowPieces[] = {
    {row_field::kCallsign, log_field::kCallsign},
    {row_field::kDepartement, log_field::kDepartementPiece},
    {row_field::kFirstName, log_field::kFirstName},
    {row_field::kReference, log_field::kReference},
    {row_field::kDate, log_field::kDate},
    {row_field::kTime, log_field::kTime},
    {row_field::kMode, log_field::kMode},
    {row_field::kBand, log_field::kBand},
    {row_field::kReportReceived, log_field::kReportReceived},
    {row_field::kReportSent, log_field::kReportSent},
    {row_field::kSiteName, log_field::kSiteName},
    {row_field::kQsl, log_field::kQsl},
};

void checkLinesRoundTrip(std::string_view content) {
    const std::vector<std::string> lines = splitLines(content);
    const std::string joined = joinLines(lines);
    FUZZ_CHECK(splitLines(joined) == lines);
    FUZZ_CHECK(joinLines(splitLines(joined)) == joined);
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    }
}

void checkRow(std::size_t number, std::string_view line) {
    const std::string row = makeListRow(number, line);
    FUZZ_CHECK(readField(row, row_field::kNumber) == rowNumberPiece(number));
    if (line.size() < kLogLineLength) {
        return;
    }
    FUZZ_CHECK(row.size() == kListRowLength);
    for (const auto& [rowColumns, logColumns] : kRowPieces) {
        FUZZ_CHECK(readField(row, rowColumns) == readField(line, logColumns));
    }
}

std::string fieldValue(FuzzedDataProvider& data, LogColumns columns) {
    return fuzz::oneLine(data.ConsumeRandomLengthString(columns.width));
}

// A record whose values fit their columns, as the commit lets through, comes back from the line's
// list row as it was typed (trimmed, first and site names in capitals).
void checkRecordRoundTrip(FuzzedDataProvider& data) {
    namespace f = log_field;
    LogRecord record;
    record.callsign = fieldValue(data, f::kCallsign);
    record.departement = fieldValue(data, f::kDepartement);
    record.firstName = fieldValue(data, f::kFirstName);
    record.reference = fieldValue(data, f::kReference);
    record.date = fieldValue(data, f::kDate);
    record.time = fieldValue(data, f::kTime);
    record.mode = fieldValue(data, f::kMode);
    record.band = fieldValue(data, f::kBand);
    record.reportReceived = fieldValue(data, f::kReportReceived);
    record.reportSent = fieldValue(data, f::kReportSent);
    record.siteName = fuzz::oneLine(data.ConsumeRandomLengthString(40));
    record.qslReceived = data.ConsumeBool();
    const std::optional<std::string> line = formatLogLine(record);
    FUZZ_CHECK(line && line->size() == kLogLineLength);
    FUZZ_CHECK(readField(*line, f::kReference).substr(0, record.reference.size()) ==
               record.reference);
    const LogRecord back = readLogLine(*line).record;
    FUZZ_CHECK(back.callsign == trimBlanks(record.callsign));
    FUZZ_CHECK(back.reference == trimBlanks(record.reference));
    FUZZ_CHECK(back.band == trimBlanks(record.band));
    FUZZ_CHECK(back.firstName == trimBlanks(toUpperCp1252(record.firstName)));
    FUZZ_CHECK(back.siteName == trimBlanks(readField(*line, f::kSiteName)));
    FUZZ_CHECK(back.qslReceived == record.qslReceived);
    // What was read back is written again as it was read.
    const std::optional<std::string> again = formatLogLine(back);
    FUZZ_CHECK(again && readLogLine(*again).record == back);
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string content = data.ConsumeRandomLengthString(4096);
    orv::checkLinesRoundTrip(content);
    std::size_t number = data.ConsumeIntegralInRange<std::size_t>(0, orv::kMaxListRows - 1);
    for (const std::string& line : orv::splitLines(content)) {
        orv::checkRow(1 + number++ % orv::kMaxListRows, line);
    }
    orv::checkRecordRoundTrip(data);
    return 0;
}
