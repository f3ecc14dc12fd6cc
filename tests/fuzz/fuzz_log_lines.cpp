// The log reader and the list rows: lines split and joined back, rows made from lines and read
// back, records written as lines and read back from their rows.

#include <fuzzer/FuzzedDataProvider.h>

#include "entry/row_fields.h"
#include "fuzz_check.h"
#include "model/cp1252.h"
#include "model/list_row.h"
#include "model/log_line.h"
#include "model/text_lines.h"

namespace orv {
namespace {

// The single columns between the pieces of a full log line.
constexpr std::size_t kSeparatorColumns[] = {13, 18, 34, 40, 49, 55, 59, 67, 71, 75, 106};

bool separatorsAreBlank(std::string_view line) {
    for (const std::size_t column : kSeparatorColumns) {
        if (line[column - 1] != ' ') {
            return false;
        }
    }
    return true;
}

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
    FUZZ_CHECK(readField(row, row_field::kCallsign) == readField(line, log_field::kCallsign));
    FUZZ_CHECK(readField(row, row_field::kSiteName) == readField(line, log_field::kSiteName));
    FUZZ_CHECK(readField(row, row_field::kQsl) == readField(line, log_field::kQsl));
    if (separatorsAreBlank(line)) {
        FUZZ_CHECK(logLineOfRow(row) == line.substr(0, kLogLineLength));
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
    const std::string line = formatLogLine(record);
    FUZZ_CHECK(line.size() == kLogLineLength);
    FUZZ_CHECK(readField(line, f::kReference).substr(0, record.reference.size()) ==
               record.reference);
    const LogRecord back = recordOfRow(makeListRow(data.ConsumeIntegralInRange(1, 99'999), line));
    FUZZ_CHECK(back.callsign == trimBlanks(record.callsign));
    FUZZ_CHECK(back.reference == trimBlanks(record.reference));
    FUZZ_CHECK(back.band == trimBlanks(record.band));
    FUZZ_CHECK(back.firstName == trimBlanks(toUpperCp1252(record.firstName)));
    FUZZ_CHECK(back.siteName == trimBlanks(readField(line, f::kSiteName)));
    FUZZ_CHECK(back.qslReceived == record.qslReceived);
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
