#include "export/adif.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/log_line.h"
#include "model/text_lines.h"

namespace orv {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kBands = {{
    {"1.8 Mhz", "160m"},
    {"3.5 Mhz", "80m"},
    {"5.0 Mhz", "60m"},
    {"7.0 Mhz", "40m"},
    {"14 Mhz", "20m"},
    {"21 Mhz", "15m"},
    {"28 Mhz", "10m"},
    {"144 Mhz", "2m"},
    {"432 Mhz", "70cm"},
}};

// The first n characters, the last n characters, and n characters from a 0-based start: each gives
// what there is on a shorter text.
std::string_view left(std::string_view text, std::size_t n) {
    return text.substr(0, n);
}

std::string_view right(std::string_view text, std::size_t n) {
    return text.substr(text.size() - std::min(n, text.size()));
}

std::string_view middle(std::string_view text, std::size_t start, std::size_t n) {
    return start < text.size() ? text.substr(start, n) : std::string_view{};
}

std::string_view column(std::string_view line, LogColumns columns) {
    return trimBlanks(readField(line, columns));
}

// "JJ/MM/AA" as "20AAMMJJ"; the century is always 20.
std::string adifDate(std::string_view date) {
    std::string value = "20";
    value += right(date, 2);
    value += middle(date, 3, 2);
    value += left(date, 2);
    return value;
}

// "HH:MM" as "HHMM".
std::string adifTime(std::string_view time) {
    return std::string(left(time, 2)) + std::string(right(time, 2));
}

void appendField(std::string& record, std::string_view name, std::string_view value) {
    if (!record.empty()) {
        record += ' ';
    }
    record += '<';
    record += name;
    record += ':';
    record += std::to_string(value.size());
    record += '>';
    record += value;
}

}  // namespace

std::string_view adifBand(std::string_view bandLabel) {
    for (const auto& [label, band] : kBands) {
        if (label == bandLabel) {
            return band;
        }
    }
    return {};
}

std::string ADIF_SP(std::string_view logLine) {
    namespace f = log_field;
    std::string record;
    record.reserve(256);
    appendField(record, "CALL", column(logLine, f::kCallsign));
    appendField(record, "STATE", column(logLine, f::kDepartementPiece));
    appendField(record, "NAME", column(logLine, f::kFirstName));
    appendField(record, "BAND", adifBand(column(logLine, f::kBand)));
    appendField(record, "MODE", column(logLine, f::kMode));
    appendField(record, "QSO_DATE", adifDate(column(logLine, f::kDate)));
    appendField(record, "TIME_ON", adifTime(column(logLine, f::kTime)));
    appendField(record, "RST_RCVD", column(logLine, f::kReportReceived));
    appendField(record, "RST_SENT", column(logLine, f::kReportSent));
    appendField(record, "SIG", column(logLine, f::kReference));
    appendField(record, "SIG_INFO", column(logLine, f::kSiteName));
    appendField(record, "QSL_RCVD", readField(logLine, f::kQsl) == "*" ? "Y" : "N");
    record += " <eor>";
    return record;
}

std::vector<std::string> adifHeader(std::string_view stationCallsign) {
    return {"Exportation du log de la station " + std::string(stationCallsign) + " au format ADIF",
            "",
            "Fichier cr\xE9\xE9 par ORV_PC, carnet de trafic du Diplome des Patrimoines Fran\xE7"
            "ais",
            "",
            "",
            "<eoh>"};
}

std::string adifContent(std::string_view stationCallsign,
                        const std::vector<std::string>& logLines) {
    std::string content = joinLines(adifHeader(stationCallsign));
    content.reserve(content.size() + logLines.size() * 260);
    for (const std::string& line : logLines) {
        content += ADIF_SP(line);
        content += kLineEnd;
    }
    return content;
}

}  // namespace orv
