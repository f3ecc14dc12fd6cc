#pragma once
// The list row: how one log line is shown in the main list, numbered and re-spaced so that the
// columns stand apart in a fixed-pitch font. The list actions read a row back by these positions.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/log_line.h"

namespace orv {

inline constexpr std::size_t kListRowLength = 122;

// The highest row number: the number piece holds five digits.
inline constexpr std::size_t kMaxListRows = 99'999;

namespace row_field {
inline constexpr LogColumns kNumber{1, 5};
inline constexpr LogColumns kCallsign{8, 12};
inline constexpr LogColumns kDepartement{22, 4};
inline constexpr LogColumns kFirstName{27, 15};
inline constexpr LogColumns kReference{43, 5};
inline constexpr LogColumns kDate{50, 8};
inline constexpr LogColumns kTime{60, 5};
inline constexpr LogColumns kMode{67, 3};
inline constexpr LogColumns kBand{72, 7};
inline constexpr LogColumns kReportReceived{81, 3};
inline constexpr LogColumns kReportSent{86, 3};
inline constexpr LogColumns kSiteName{90, 30};
inline constexpr LogColumns kQsl{122, 1};
}  // namespace row_field

// The number piece: the decimal digits of number right-aligned in 5 characters, with at least one
// blank first up to 9,999 ("    1", " 9999") and no blank from 10,000 ("10000") to 99,999.
std::string rowNumberPiece(std::size_t number);

// The row of a log line: number piece, two blanks, callsign (12), two blanks, departement piece
// (4), one blank, first name (15), one blank, reference (5), two blanks, date (8), two blanks,
// time (5), two blanks, mode (3), two blanks, band (7), two blanks, report received (3), two
// blanks, report sent (3), one blank, site name (30), two blanks, QSL flag (1). Each piece is what
// the line holds at its columns (readField), so a short line gives a shorter row whose later
// pieces are empty; the separators are always there.
std::string makeListRow(std::size_t number, std::string_view logLine);

// The header over the rows (Windows-1252): "N\xB0", "Indicatif", "Dpt", "Prenom", "Ref", "Date",
// "QTR", "Mode", "QRG", "RSTR", "RSTE", "Mom du Patrimoine" and "QSL", each over its column.
std::string listRowHeader();

}  // namespace orv
