#pragma once
// ADIF, the Amateur Data Interchange Format other logging programs import: one record per log line,
// twelve fields in a fixed order, each "<NAME:length>value", after a header of free text ended by
// "<eoh>". Windows-1252 text, so a length in characters is a length in bytes.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The ADIF band of a band label of the log (exact text, case counts); empty for a label without
// one ("10 Mhz", "18 Mhz", "24 Mhz", "50 Mhz" and anything typed).
std::string_view adifBand(std::string_view bandLabel);

// The record of one log line, without line end: CALL, STATE, NAME, BAND, MODE, QSO_DATE, TIME_ON,
// RST_RCVD, RST_SENT, SIG, SIG_INFO, QSL_RCVD, each value cut from its columns and trimmed of
// blanks, then " <eor>". Every field is written, empty ones with the length 0; any text gives one
// record, columns beyond the end of a short line reading as empty.
std::string ADIF_SP(std::string_view logLine);

// The six header lines: "Exportation du log de la station <callsign> au format ADIF", an empty
// line, a line naming the program, two empty lines and "<eoh>".
std::vector<std::string> adifHeader(std::string_view stationCallsign);

// The whole file: the header, then one record per log line in log order, each line ended by CR LF.
std::string adifContent(std::string_view stationCallsign, const std::vector<std::string>& logLines);

}  // namespace orv
