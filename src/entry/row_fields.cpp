#include "entry/row_fields.h"

#include <string>

#include "model/list_row.h"

namespace orv {

namespace {

std::string trimmedPiece(std::string_view row, LogColumns columns) {
    return std::string(trimBlanks(readField(row, columns)));
}

}  // namespace

LogRecord recordOfRow(std::string_view row) {
    LogRecord record;
    record.callsign = trimmedPiece(row, row_field::kCallsign);
    record.departement = trimmedPiece(row, row_field::kDepartement);
    record.firstName = trimmedPiece(row, row_field::kFirstName);
    record.reference = trimmedPiece(row, row_field::kReference);
    // The date and time are fixed-width texts, taken whole.
    record.date = std::string(readField(row, row_field::kDate));
    record.time = std::string(readField(row, row_field::kTime));
    record.mode = trimmedPiece(row, row_field::kMode);
    record.band = trimmedPiece(row, row_field::kBand);
    record.reportReceived = trimmedPiece(row, row_field::kReportReceived);
    record.reportSent = trimmedPiece(row, row_field::kReportSent);
    record.siteName = trimmedPiece(row, row_field::kSiteName);
    record.qslReceived = readField(row, row_field::kQsl) == "*";
    return record;
}

}  // namespace orv
