#pragma once
// A list row read back into the entry fields.

#include <string_view>

#include "model/log_line.h"

namespace orv {

// The entry field texts of a row: callsign, departement, first name, reference, mode, band,
// reports and site name trimmed of blanks; date and time taken whole; the QSL received when column
// 122 holds "*". A short row gives empty texts for the columns it lacks.
LogRecord recordOfRow(std::string_view row);

}  // namespace orv
