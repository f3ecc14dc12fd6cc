#include "reports/qso_search.h"

#include "model/callsign_messages.h"
#include "model/cp1252.h"
#include "model/list_row.h"
#include "model/log_line.h"

namespace orv {
namespace {

constexpr std::size_t kMaxCallsign = 12;
constexpr std::size_t kReferenceLength = 5;
constexpr std::size_t kMaxDepartement = 2;

// Result line pieces as row columns, in the order they are shown.
constexpr LogColumns kRowStart{1, 24};
constexpr LogColumns kBandAndBlank{72, 8};
constexpr LogColumns kNameToQsl{90, 33};

SearchEntry refusedEntry(std::string_view typed, std::string_view message, bool clear = false) {
    return {std::string(typed), message, clear};
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toUpperCp1252(a[i]) != toUpperCp1252(b[i])) {
            return false;
        }
    }
    return true;
}

bool matches(std::string_view line, SearchKind kind, std::string_view text) {
    switch (kind) {
        case SearchKind::Callsign:
            return trimBlanks(readField(line, log_field::kCallsign)).find(text) !=
                   std::string_view::npos;
        case SearchKind::Reference:
            return sameIgnoringCase(trimBlanks(readField(line, log_field::kReference)), text);
        case SearchKind::Departement:
            return readField(line, log_field::kDepartement) == text;
    }
    return false;
}

}  // namespace

SearchEntry checkSearchEntry(SearchKind kind, std::string_view typed) {
    switch (kind) {
        case SearchKind::Callsign:
            if (typed.size() > kMaxCallsign) {
                return refusedEntry(typed, msg::kCallsignTooLong);
            }
            if (typed.empty()) {
                return refusedEntry(typed, msg::kCallsignEmpty, true);
            }
            return {toUpperCp1252(typed), std::nullopt, false};
        case SearchKind::Reference:
            if (typed.size() != kReferenceLength) {
                return refusedEntry(typed, "5 caracteres maxi pour la référence ex: 77001");
            }
            return {std::string(typed), std::nullopt, false};
        case SearchKind::Departement: {
            const std::string lower = toLowerCp1252(typed);
            if (lower.size() > kMaxDepartement) {
                return refusedEntry(lower, "2 caracteres maxi pour le département");
            }
            if (lower.empty()) {
                return refusedEntry(lower, "Entrez un Canton", true);
            }
            return {lower, std::nullopt, false};
        }
    }
    return {};
}

std::vector<SearchResult> searchLog(const std::vector<std::string>& logLines, SearchKind kind,
                                    std::string_view text) {
    std::vector<SearchResult> results;
    for (std::size_t i = 0; i < logLines.size(); ++i) {
        if (matches(logLines[i], kind, text)) {
            results.push_back({i, resultLineOfRow(makeListRow(i + 1, logLines[i]))});
        }
    }
    return results;
}

std::string resultLineOfRow(std::string_view row) {
    std::string line(readField(row, kRowStart));
    for (const LogColumns& piece :
         {row_field::kDate, kBandAndBlank, row_field::kReference, kNameToQsl}) {
        line += "  ";
        line += readField(row, piece);
    }
    return line;
}

}  // namespace orv
