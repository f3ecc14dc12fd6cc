#pragma once
// The QSO search: the QSOs of the main list found by callsign, by site reference or by departement,
// each shown as a result line that carries its row number back to the main list.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class SearchKind { Callsign, Reference, Departement };

// The results' header, exactly as the window shows it above them.
inline constexpr std::string_view kSearchHeader =
    "   N°   Indicatif          Dpt      Date       Bande     N° PC              Nom du "
    "Patrimoine          QSL";

// What Enter in a search field gives: the text to search (the departement in lower case), or the
// message that refuses it (UTF-8) and whether the field is then emptied.
struct SearchEntry {
    std::string text;
    std::optional<std::string_view> refusal;
    bool clearField = false;
};

SearchEntry checkSearchEntry(SearchKind kind, std::string_view typed);

// A row of the main list that matches: its index (from 0) and its result line.
struct SearchResult {
    std::size_t rowIndex = 0;
    std::string line;
};

// The rows that match, in list order. The rows are those of the log lines given, numbered from 1.
// A callsign matches when the text occurs anywhere in it (blanks around it removed); a reference
// when it equals the text whatever the letter case (the entry keeps "2a001" in lower case, the
// search field shows capitals); a departement when its two columns equal the text exactly.
std::vector<SearchResult> searchLog(const std::vector<std::string>& logLines, SearchKind kind,
                                    std::string_view text);

// The result line of a list row: its first 24 characters (number, callsign, departement), two
// blanks, the date, two blanks, the band and the blank after it, two blanks, the reference, two
// blanks, then the site name, two blanks and the QSL flag.
std::string resultLineOfRow(std::string_view row);

inline constexpr std::string_view kNoQsoFound = "Pas de QSO trouvé";

}  // namespace orv
