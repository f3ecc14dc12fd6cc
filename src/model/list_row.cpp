#include "model/list_row.h"

#include <array>

#include "model/column_header.h"

namespace orv {
namespace {

struct RowPiece {
    LogColumns logColumns;
    LogColumns rowColumns;
};

// The pieces of a row in order: where each comes from in the log line and where it stands in the
// row. The blanks between two pieces follow from their row columns.
constexpr std::array<RowPiece, 12> kRowPieces = {{
    {log_field::kCallsign, row_field::kCallsign},
    {log_field::kDepartementPiece, row_field::kDepartement},
    {log_field::kFirstName, row_field::kFirstName},
    {log_field::kReference, row_field::kReference},
    {log_field::kDate, row_field::kDate},
    {log_field::kTime, row_field::kTime},
    {log_field::kMode, row_field::kMode},
    {log_field::kBand, row_field::kBand},
    {log_field::kReportReceived, row_field::kReportReceived},
    {log_field::kReportSent, row_field::kReportSent},
    {log_field::kSiteName, row_field::kSiteName},
    {log_field::kQsl, row_field::kQsl},
}};

std::size_t blanksBefore(std::size_t piece) {
    const LogColumns& previous = piece == 0 ? row_field::kNumber : kRowPieces[piece - 1].rowColumns;
    return kRowPieces[piece].rowColumns.first - previous.first - previous.width;
}

}  // namespace

std::string rowNumberPiece(std::size_t number) {
    const std::string digits = std::to_string(number);
    const std::size_t width = row_field::kNumber.width;
    return digits.size() < width ? std::string(width - digits.size(), ' ') + digits : digits;
}

std::string makeListRow(std::size_t number, std::string_view logLine) {
    std::string row = rowNumberPiece(number);
    row.reserve(kListRowLength);
    for (std::size_t i = 0; i < kRowPieces.size(); ++i) {
        row.append(blanksBefore(i), ' ');
        row += readField(logLine, kRowPieces[i].logColumns);
    }
    return row;
}

std::string listRowHeader() {
    namespace r = row_field;
    return columnHeader({{"N\xB0", r::kNumber, HeaderAlign::Right},
                         {"Indicatif", r::kCallsign},
                         {"Dpt", r::kDepartement},
                         {"Prenom", r::kFirstName},
                         {"Ref", r::kReference},
                         {"Date", r::kDate},
                         {"QTR", r::kTime},
                         {"Mode", r::kMode},
                         {"QRG", r::kBand},
                         {"RSTR", r::kReportReceived},
                         {"RSTE", r::kReportSent},
                         {"Mom du Patrimoine", r::kSiteName, HeaderAlign::Centre},
                         {"QSL", r::kQsl, HeaderAlign::Centre}});
}

}  // namespace orv
